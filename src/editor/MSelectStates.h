#pragma once

#include "editor/MStates.h"

#include <QPoint>

// A coordinate moved onto the grid of pitch g that starts at the margin:
// v − (v mod g) + (50 mod g) unless v is a whole multiple of g.
int32_t SnapToGrid(int32_t v, int32_t pitch);

// Selecting, dragging and editing items: the left button picks the item
// under the pointer and drags it, the right button opens its properties. A
// whole drag is one undoable move.
class MSelectState : public MState {
public:
    using MState::MState;

    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                   int32_t y) override;
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                 int32_t y) override;
    void MouseMove(Qt::KeyboardModifiers shift, int32_t x, int32_t y) override;

    bool DragActive() const { return dragged_ != nullptr; }

private:
    QPoint Snapped(int32_t x, int32_t y) const;
    // The item being dragged, while it is still the selected one.
    ImageItem* DraggedItem() const;
    void StartDrag(ImageItem& item);
    void EditSelected(ImageItem& item);

    ImageItem* dragged_ = nullptr;
    std::unique_ptr<ImageItem> dragStart_; // the item as the drag found it
};
