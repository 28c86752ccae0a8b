#include "editor/AreaDrawState.h"

#include <algorithm>

AreaDrawState::~AreaDrawState() {
    if (!dragging_)
        return;
    editor().setAreaRect(saved_);
    env().setUpdateTimerRunning(true);
}

QPoint AreaDrawState::cornerAt(int32_t x, int32_t y) const {
    const int32_t m = editor().display().margin();
    return {std::clamp(x, m, editor().imageWidth() - m),
            std::clamp(y, m, editor().imageHeight() - m)};
}

DotRect AreaDrawState::areaTo(QPoint corner) const {
    const int32_t m = editor().display().margin();
    return {std::min(origin_.x(), corner.x()) - m, std::min(origin_.y(), corner.y()) - m,
            std::max(origin_.x(), corner.x()) + m, std::max(origin_.y(), corner.y()) + m};
}

void AreaDrawState::mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                              int32_t y) {
    EditorState::mouseDown(button, shift, x, y);
    if (dragging_)
        return;
    saved_ = editor().display().areaRect();
    dragging_ = true;
    env().setUpdateTimerRunning(false);
    origin_ = cornerAt(x, y);
    editor().setAreaRect(areaTo(origin_));
}

void AreaDrawState::mouseMove(Qt::KeyboardModifiers shift, int32_t x, int32_t y) {
    EditorState::mouseMove(shift, x, y);
    if (dragging_)
        editor().setAreaRect(areaTo(cornerAt(x, y)));
}

void AreaDrawState::mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                            int32_t y) {
    EditorState::mouseUp(button, shift, x, y);
    if (!dragging_)
        return;
    dragging_ = false;
    const QPoint corner = cornerAt(x, y);
    if (corner.x() == origin_.x() || corner.y() == origin_.y()) {
        // A click, or a line: nothing that could hold an item. The area
        // stays as it was.
        editor().setAreaRect(saved_);
    } else {
        editor().setAreaRect(areaTo(corner));
        editor().commitArea(saved_);
    }
    env().setUpdateTimerRunning(true);
}
