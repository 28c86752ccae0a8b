// The edits of ImageEditor: each checks what it must, reports a refusal, and
// records what it did as one undoable command.
#include "editor/ImageEditor.h"

#include "editor/EditCommands.h"
#include "texts/Messages.h"

namespace {

EdgeRect united(const EdgeRect& a, const EdgeRect& b) {
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

// Roughly where a pasted item goes: 5 dots into the area from its top-left
// corner, the anchor moved by the item's size for the rotations whose
// rectangle lies before the anchor (r: the rectangle measured at the origin).
QPoint pasteAnchor(const DotCanvas& view, QPoint corner, int rotation, const EdgeRect& r) {
    const int32_t width = roundHalfEven((r.Right - r.Left) / double(view.scaleX()));
    const int32_t height = roundHalfEven((r.Bottom - r.Top) / double(view.scaleY()));
    QPoint at = corner;
    if (rotation == 1 || rotation == 2)
        at.ry() += height;
    if (rotation == 2 || rotation == 3)
        at.rx() += width;
    return at;
}

} // namespace

bool ImageEditor::placeItem(std::unique_ptr<ImageItem> item) {
    const QString step = stepName(stepNames_.UndoPlace, *item);
    return addIfItFits(std::move(item), step);
}

bool ImageEditor::addIfItFits(std::unique_ptr<ImageItem> item, const QString& text) {
    if (!madeToFit(*item)) {
        refuse(messages_.InvalidObjectPlacementError);
        return false;
    }
    const int32_t index = items_.count() + 1;
    undo_.push(new InsertItemCommand(*this, std::move(item), index, text));
    return true;
}

bool ImageEditor::moveWithinArea(ImageItem& item, QPoint position) {
    const EdgeRect before = item.getScreenRect(display_);
    item.setPosition(position);
    const bool pulled = !isInsideArea(item);
    if (pulled)
        pullIntoArea(item);
    redrawRect(united(before, item.getScreenRect(display_)));
    return pulled;
}

bool ImageEditor::Nudge(int dx, int dy) {
    ImageItem* item = selected_;
    if (!item)
        return false;
    std::unique_ptr<ImageItem> before = item->cloneItem();
    const QPoint from = item->getPosition();
    moveWithinArea(*item, from + QPoint(dx, dy));
    emit nudged(item->getPosition());
    if (item->getPosition() == from)
        return false;
    undo_.push(new NudgeCommand(*this, *item, std::move(before), item->cloneItem(),
                                stepName(stepNames_.UndoMove, *item)));
    return true;
}

void ImageEditor::recordChange(ImageItem& item, const ImageItem& before, const QString& text) {
    undo_.push(new ItemChangeCommand(*this, item, before.cloneItem(), item.cloneItem(), text));
}

bool ImageEditor::commitItemChange(ImageItem& item, const ImageItem& before, const QString& text) {
    // Pulling twice, as a change may need: the second pull starts from
    // where the rounding of the first left the item.
    if (!madeToFit(item) && !madeToFit(item)) {
        item.assign(before);
        refreshImage();
        refuse(messages_.InvalidChangeError);
        return false;
    }
    recordChange(item, before, text);
    return true;
}

void ImageEditor::cut() {
    cutAs(stepNames_.UndoCut);
}

void ImageEditor::deleteItem() {
    cutAs(stepNames_.UndoDelete);
}

void ImageEditor::cutAs(const QString& step) {
    if (!selected_)
        return;
    clipboard_ = selected_->cloneItem();
    undo_.push(new RemoveItemCommand(*this, *selected_, stepName(step, *selected_)));
    emit clipboardChanged();
}

void ImageEditor::copy() {
    if (!selected_)
        return;
    clipboard_ = selected_->cloneItem();
    emit clipboardChanged();
}

bool ImageEditor::paste() {
    if (!clipboard_)
        return false;
    clipboard_->setX(1);
    clipboard_->setY(1);
    std::unique_ptr<ImageItem> copy = clipboard_->cloneItem();
    const int32_t inset = display_.margin() + 5;
    const QPoint corner(display_.areaLeft() + inset, display_.areaTop() + inset);
    copy->setPosition(
        pasteAnchor(display_, corner, copy->Rotation & 3, copy->getScreenRect(display_)));
    alignBoxWith(*copy, corner);
    const QString step = stepName(stepNames_.UndoPaste, *copy);
    ImageItem* pasted = copy.get();
    if (!addIfItFits(std::move(copy), step))
        return false;
    select(pasted);
    return true;
}

void ImageEditor::setJustification(int justification) {
    ImageItem* item = selected_;
    if (!item)
        return;
    const std::unique_ptr<ImageItem> before = item->cloneItem();
    item->Justification = uint8_t(justification & 3);
    item->justify(display_, item->getDataText());
    commitItemChange(*item, *before, stepName(stepNames_.UndoJustify, *item));
}

void ImageEditor::setFontNumber(int fontNumber) {
    ImageItem* item = selected_;
    if (!item || item->FontNumber == fontNumber)
        return;
    const std::unique_ptr<ImageItem> before = item->cloneItem();
    item->FontNumber = fontNumber;
    commitItemChange(*item, *before, stepName(stepNames_.UndoFont, *item));
}

bool ImageEditor::commitArea(const DotRect& before) {
    const DotRect drawn = display_.areaRect();
    if (!liesWithinImage(drawn) || !allItemsInside(drawn)) {
        setAreaRect(before);
        refreshImage();
        refuse(messages_.InvalidRestrictedAreaError);
        return false;
    }
    undo_.push(new AreaCommand(*this, before, drawn, stepNames_.UndoArea));
    return true;
}

bool ImageEditor::defineArea(const DotRect& area) {
    if (!liesWithinImage(area)) {
        refuse(messages_.RestrictedAreaTooBigError);
        return false;
    }
    if (!allItemsInside(area)) {
        refuse(messages_.InvalidRestrictedAreaError);
        return false;
    }
    undo_.push(new AreaCommand(*this, display_.areaRect(), area, stepNames_.UndoArea));
    return true;
}
