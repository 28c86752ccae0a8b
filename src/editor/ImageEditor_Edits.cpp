// The edits of ImageEditor: each checks what it must, reports a refusal, and
// records what it did as one undoable command.
#include "editor/ImageEditor.h"

#include "editor/EditCommands.h"
#include "texts/Messages.h"

namespace {

EdgeRect united(const EdgeRect& a, const EdgeRect& b) {
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// Roughly where a pasted item goes: 5 dots into the area from its top-left
// corner, the anchor moved by the item's size for the rotations whose
// rectangle lies before the anchor (r: the rectangle measured at the origin).
QPoint pasteAnchor(const NebraDisplay& view, QPoint corner, int rotation, const EdgeRect& r) {
    const int32_t width = RoundHalfEven((r.Right - r.Left) / double(view.ScaleX()));
    const int32_t height = RoundHalfEven((r.Bottom - r.Top) / double(view.ScaleY()));
    QPoint at = corner;
    if (rotation == 1 || rotation == 2)
        at.ry() += height;
    if (rotation == 2 || rotation == 3)
        at.rx() += width;
    return at;
}

} // namespace

bool ImageEditor::PlaceItem(std::unique_ptr<ImageItem> item) {
    return AddIfItFits(std::move(item), QStringLiteral("Place"));
}

bool ImageEditor::AddIfItFits(std::unique_ptr<ImageItem> item, const QString& text) {
    if (!MadeToFit(*item)) {
        Refuse(messages_.InvalidObjectPlacementError);
        return false;
    }
    const int32_t index = items_.Count() + 1;
    undo_.push(new InsertItemCommand(*this, std::move(item), index, text));
    return true;
}

bool ImageEditor::MoveWithinArea(ImageItem& item, QPoint position) {
    const EdgeRect before = item.GetScreenRect(display_);
    item.SetPosition(position);
    const bool pulled = !IsInsideArea(item);
    if (pulled)
        PullIntoArea(item);
    RedrawRect(united(before, item.GetScreenRect(display_)));
    return pulled;
}

bool ImageEditor::Nudge(int dx, int dy) {
    ImageItem* item = selected_;
    if (!item)
        return false;
    std::unique_ptr<ImageItem> before = item->CloneItem();
    const QPoint from = item->GetPosition();
    MoveWithinArea(*item, from + QPoint(dx, dy));
    if (item->GetPosition() == from)
        return false;
    undo_.push(new NudgeCommand(*this, *item, std::move(before), item->CloneItem()));
    return true;
}

void ImageEditor::RecordChange(ImageItem& item, const ImageItem& before, const QString& text) {
    undo_.push(new ItemChangeCommand(*this, item, before.CloneItem(), item.CloneItem(), text));
}

bool ImageEditor::CommitItemChange(ImageItem& item, const ImageItem& before, const QString& text) {
    // Pulling twice, as a change may need: the second pull starts from
    // where the rounding of the first left the item.
    if (!MadeToFit(item) && !MadeToFit(item)) {
        item.Assign(before);
        RefreshImage();
        Refuse(messages_.InvalidChangeError);
        return false;
    }
    RecordChange(item, before, text);
    return true;
}

void ImageEditor::Cut() {
    if (!selected_)
        return;
    clipboard_ = selected_->CloneItem();
    undo_.push(new RemoveItemCommand(*this, *selected_, QStringLiteral("Cut")));
    emit clipboardChanged();
}

void ImageEditor::Copy() {
    if (!selected_)
        return;
    clipboard_ = selected_->CloneItem();
    emit clipboardChanged();
}

bool ImageEditor::Paste() {
    if (!clipboard_)
        return false;
    clipboard_->SetX(1);
    clipboard_->SetY(1);
    std::unique_ptr<ImageItem> copy = clipboard_->CloneItem();
    const int32_t inset = display_.Margin() + 5;
    const QPoint corner(display_.AreaLeft() + inset, display_.AreaTop() + inset);
    copy->SetPosition(
        pasteAnchor(display_, corner, copy->Rotation & 3, copy->GetScreenRect(display_)));
    AlignBoxWith(*copy, corner);
    return AddIfItFits(std::move(copy), QStringLiteral("Paste"));
}

void ImageEditor::SetJustification(int justification) {
    ImageItem* item = selected_;
    if (!item)
        return;
    const std::unique_ptr<ImageItem> before = item->CloneItem();
    item->Justification = uint8_t(justification & 3);
    item->Justify(display_, item->GetDataText());
    CommitItemChange(*item, *before, QStringLiteral("Justify"));
}

void ImageEditor::SetFontNumber(int fontNumber) {
    ImageItem* item = selected_;
    if (!item || item->FontNumber == fontNumber)
        return;
    const std::unique_ptr<ImageItem> before = item->CloneItem();
    item->FontNumber = fontNumber;
    CommitItemChange(*item, *before, QStringLiteral("Font"));
}

bool ImageEditor::CommitArea(const DotRect& before) {
    const DotRect drawn = display_.AreaRect();
    if (!LiesWithinImage(drawn) || !AllItemsInside(drawn)) {
        SetAreaRect(before);
        RefreshImage();
        Refuse(messages_.InvalidRestrictedAreaError);
        return false;
    }
    undo_.push(new AreaCommand(*this, before, drawn));
    return true;
}

bool ImageEditor::DefineArea(const DotRect& area) {
    if (!LiesWithinImage(area)) {
        Refuse(messages_.RestrictedAreaTooBigError);
        return false;
    }
    if (!AllItemsInside(area)) {
        Refuse(messages_.InvalidRestrictedAreaError);
        return false;
    }
    undo_.push(new AreaCommand(*this, display_.AreaRect(), area));
    return true;
}
