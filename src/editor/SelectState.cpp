#include "editor/SelectState.h"

#include "document/DataStore.h"

int32_t snapToGrid(int32_t v, int32_t pitch) {
    if (pitch <= 0 || v % pitch == 0)
        return v;
    return v - v % pitch + ImageItem::Margin % pitch;
}

QPoint SelectState::snapped(int32_t x, int32_t y) const {
    const DataStore& data = env().data();
    if (!data.snapOn() || env().preview() || data.pitch() <= 0)
        return {x, y};
    return {snapToGrid(x, data.pitch()), snapToGrid(y, data.pitch())};
}

ImageItem* SelectState::draggedItem() const {
    return dragged_ && dragged_ == editor().selectedItem() ? dragged_ : nullptr;
}

void SelectState::mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                            int32_t y) {
    if (dragActive())
        return;
    EditorState::mouseDown(button, shift, x, y);
    ImageItem* hit = editor().items().findNearestHit(editor().display(), x, y);
    editor().select(hit);
    if (hit && button == Qt::LeftButton) {
        startDrag(*hit, {x, y});
    } else if (hit && button == Qt::RightButton) {
        editSelected(*hit);
    } else if (!hit && button == Qt::RightButton) {
        if (ImageItem* picked = env().pickFromLabelStructure()) {
            editor().select(picked);
            editSelected(*picked);
        }
    }
}

void SelectState::startDrag(ImageItem& item, QPoint pressed) {
    dragged_ = &item;
    dragStart_ = item.cloneItem();
    pressed_ = pressed;
    grip_ = item.getPosition() - pressed;
    moving_ = false;
}

void SelectState::mouseMove(Qt::KeyboardModifiers, int32_t x, int32_t y) {
    ImageItem* item = draggedItem();
    if (item && !moving_)
        moving_ = env().startsDrag(pressed_, {x, y});
    if (!item || !moving_) {
        const QPoint at = snapped(x, y);
        env().showPosition(at.x(), at.y());
        return;
    }
    // The anchor, not the pointer, goes onto the grid.
    const QPoint anchor = QPoint(x, y) + grip_;
    const QPoint at = snapped(anchor.x(), anchor.y());
    env().showPosition(at.x(), at.y());
    editor().moveWithinArea(*item, at);
}

void SelectState::mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                          int32_t y) {
    EditorState::mouseUp(button, shift, x, y);
    ImageItem* item = draggedItem();
    if (item) {
        if (!editor().isInsideArea(*item))
            editor().moveWithinArea(*item, item->getPosition());
        if (item->getPosition() != dragStart_->getPosition())
            editor().recordChange(*item, *dragStart_,
                                  editor().stepName(editor().stepNames().UndoMove, *item));
    }
    dragged_ = nullptr;
    dragStart_.reset();
}

void SelectState::editSelected(ImageItem& item) {
    const std::unique_ptr<ImageItem> before = item.cloneItem();
    if (Edit(item, editor().items().indexOf(&item)) == EditAccepted)
        editor().commitItemChange(item, *before,
                                  editor().stepName(editor().stepNames().UndoProperties, item));
    else
        editor().refreshImage();
}
