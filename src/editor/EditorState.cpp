#include "editor/EditorState.h"

void EditorState::mouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.showPosition(x, y);
}

void EditorState::mouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.showPosition(x, y);
}

void EditorState::mouseMove(Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.showPosition(x, y);
}

int EditorState::Edit(ImageItem& item, int itemNumber) {
    return env_.editItem(item, itemNumber);
}
