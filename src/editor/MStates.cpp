#include "editor/MStates.h"

void MState::MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.ShowPosition(x, y);
}

void MState::MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.ShowPosition(x, y);
}

void MState::MouseMove(Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.ShowPosition(x, y);
}

int MState::Edit(ImageItem& item, int itemNumber) {
    return env_.EditItem(item, itemNumber);
}
