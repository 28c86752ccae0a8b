#include "editor/MSelectStates.h"

#include "document/wareHouse.h"

int32_t SnapToGrid(int32_t v, int32_t pitch) {
    if (pitch <= 0 || v % pitch == 0)
        return v;
    return v - v % pitch + ImageItem::Margin % pitch;
}

QPoint MSelectState::Snapped(int32_t x, int32_t y) const {
    const TNEBRAData& data = env().Data();
    if (!data.SnapOn() || env().Preview() || data.Pitch() <= 0)
        return {x, y};
    return {SnapToGrid(x, data.Pitch()), SnapToGrid(y, data.Pitch())};
}

ImageItem* MSelectState::DraggedItem() const {
    return dragged_ && dragged_ == editor().SelectedItem() ? dragged_ : nullptr;
}

void MSelectState::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                             int32_t y) {
    if (DragActive())
        return;
    MState::MouseDown(button, shift, x, y);
    ImageItem* hit = editor().Items().FindNearestHit(editor().Display(), x, y);
    editor().Select(hit);
    if (hit && button == Qt::LeftButton) {
        StartDrag(*hit);
    } else if (hit && button == Qt::RightButton) {
        EditSelected(*hit);
    } else if (!hit && button == Qt::RightButton) {
        if (ImageItem* picked = env().PickFromLabelStructure()) {
            editor().Select(picked);
            EditSelected(*picked);
        }
    }
}

void MSelectState::StartDrag(ImageItem& item) {
    dragged_ = &item;
    dragStart_ = item.CloneItem();
    // The item's anchor goes under the pointer, so that it follows the
    // pointer (and the grid) exactly.
    env().MovePointerTo(item.GetPosition());
}

void MSelectState::MouseMove(Qt::KeyboardModifiers, int32_t x, int32_t y) {
    const QPoint at = Snapped(x, y);
    env().ShowPosition(at.x(), at.y());
    ImageItem* item = DraggedItem();
    if (item && editor().MoveWithinArea(*item, at))
        env().MovePointerTo(item->GetPosition());
}

void MSelectState::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                           int32_t y) {
    MState::MouseUp(button, shift, x, y);
    ImageItem* item = DraggedItem();
    if (item) {
        if (!editor().IsInsideArea(*item)) {
            editor().MoveWithinArea(*item, item->GetPosition());
            env().MovePointerTo(item->GetPosition());
        }
        if (item->GetPosition() != dragStart_->GetPosition())
            editor().RecordChange(*item, *dragStart_, QStringLiteral("Move"));
    }
    dragged_ = nullptr;
    dragStart_.reset();
}

void MSelectState::EditSelected(ImageItem& item) {
    const std::unique_ptr<ImageItem> before = item.CloneItem();
    if (Edit(item, editor().Items().IndexOf(&item)) == EditAccepted)
        editor().CommitItemChange(item, *before, QStringLiteral("Properties"));
    else
        editor().RefreshImage();
}
