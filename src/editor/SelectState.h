#pragma once

#include "editor/EditorState.h"

#include <QPoint>

// A coordinate moved onto the grid of pitch g that starts at the margin:
// v − (v mod g) + (50 mod g) unless v is a whole multiple of g.
int32_t snapToGrid(int32_t v, int32_t pitch);

// Selecting, dragging and editing items: the left button picks the item
// under the pointer and drags it, the right button opens its properties. A
// whole drag is one undoable move. The item keeps its place under the
// pointer as it was gripped, and it moves only once the pointer has gone
// far enough to make a drag of it: a click selects and nothing more.
class SelectState : public EditorState {
public:
    using EditorState::EditorState;

    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                   int32_t y) override;
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                 int32_t y) override;
    void mouseMove(Qt::KeyboardModifiers shift, int32_t x, int32_t y) override;

    bool dragActive() const { return dragged_ != nullptr; }
    // Runs the item's property dialog and keeps the change when the item
    // still fits in the area.
    void editSelected(ImageItem& item);

private:
    QPoint snapped(int32_t x, int32_t y) const;
    // The item being dragged, while it is still the selected one.
    ImageItem* draggedItem() const;
    void startDrag(ImageItem& item, QPoint pressed);

    ImageItem* dragged_ = nullptr;
    std::unique_ptr<ImageItem> dragStart_; // the item as the drag found it
    QPoint pressed_;                       // where the button went down
    QPoint grip_;                          // the item's anchor less the press
    bool moving_ = false;                  // the pointer went far enough
};
