#include "editor/MRestrictStates.h"

#include <algorithm>

MRestrictState::~MRestrictState() {
    if (!dragging_)
        return;
    editor().SetAreaRect(saved_);
    env().SetUpdateTimerRunning(true);
}

QPoint MRestrictState::Corner(int32_t x, int32_t y) const {
    const int32_t m = editor().Display().Margin();
    return {std::clamp(x, m, editor().ImageWidth() - m),
            std::clamp(y, m, editor().ImageHeight() - m)};
}

DotRect MRestrictState::AreaTo(QPoint corner) const {
    const int32_t m = editor().Display().Margin();
    return {std::min(origin_.x(), corner.x()) - m, std::min(origin_.y(), corner.y()) - m,
            std::max(origin_.x(), corner.x()) + m, std::max(origin_.y(), corner.y()) + m};
}

void MRestrictState::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                               int32_t y) {
    MState::MouseDown(button, shift, x, y);
    if (dragging_)
        return;
    saved_ = editor().Display().AreaRect();
    dragging_ = true;
    env().SetUpdateTimerRunning(false);
    origin_ = Corner(x, y);
    editor().SetAreaRect(AreaTo(origin_));
}

void MRestrictState::MouseMove(Qt::KeyboardModifiers shift, int32_t x, int32_t y) {
    MState::MouseMove(shift, x, y);
    if (dragging_)
        editor().SetAreaRect(AreaTo(Corner(x, y)));
}

void MRestrictState::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                             int32_t y) {
    MState::MouseUp(button, shift, x, y);
    if (!dragging_)
        return;
    dragging_ = false;
    const QPoint corner = Corner(x, y);
    if (corner.x() == origin_.x() || corner.y() == origin_.y()) {
        // A click, or a line: nothing that could hold an item. The area
        // stays as it was.
        editor().SetAreaRect(saved_);
    } else {
        editor().SetAreaRect(AreaTo(corner));
        editor().CommitArea(saved_);
    }
    env().SetUpdateTimerRunning(true);
}
