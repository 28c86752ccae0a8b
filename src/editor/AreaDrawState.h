#pragma once

#include "editor/EditorState.h"

#include <QPoint>

// Drawing the restricted area: the button goes down on one corner of its
// printable part and comes up on the opposite one. The area is kept when
// it is at least a dot wide and high and every item lies inside it;
// otherwise the previous area comes back. The minute refresh pauses
// meanwhile.
class AreaDrawState : public EditorState {
public:
    using EditorState::EditorState;
    // An area left half-drawn (the state replaced before the button came
    // up) is given back, and the refresh resumes.
    ~AreaDrawState() override;

    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                   int32_t y) override;
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                 int32_t y) override;
    void mouseMove(Qt::KeyboardModifiers shift, int32_t x, int32_t y) override;

    bool dragging() const { return dragging_; }

private:
    // The printable part of the image holds both corners.
    QPoint cornerAt(int32_t x, int32_t y) const;
    // The area whose printable part spans from the first corner to this one.
    DotRect areaTo(QPoint corner) const;

    DotRect saved_; // the area before this drawing
    QPoint origin_;
    bool dragging_ = false;
};
