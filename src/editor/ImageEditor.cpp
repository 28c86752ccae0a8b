#include "editor/ImageEditor.h"

#include "document/ItemTypeNames.h"
#include "platform/Prompter.h"
#include "printer/FontRealizer.h"
#include "printer/PrinterModels.h"

#include <algorithm>
#include <cmath>

namespace {

// Ink may reach a little beyond an item's cell (overhanging letters), so a
// partial redraw erases and draws a few pixels more at every zoom.
int redrawSlack(const DotCanvas& view) {
    return 1 + int(std::ceil(2.0 * std::max(view.scaleX(), view.scaleY())));
}

EdgeRect grown(const EdgeRect& r, int by) {
    return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by};
}

// The kinds' names before the main window hands over those of its language.
const ItemTypeNames BuiltInKindNames;

bool overlaps(const EdgeRect& a, const EdgeRect& b) {
    return !a.isEmpty() && !b.isEmpty() && a.Left <= b.Right && b.Left <= a.Right &&
           a.Top <= b.Bottom && b.Top <= a.Bottom;
}

} // namespace

ImageEditor::ImageEditor(const FontSet& fonts, const PrinterModels& models, Prompter& prompter,
                         const Messages& messages)
    : items_(prompter, messages), display_(fonts, models), prompter_(prompter), messages_(messages),
      kindNames_(&BuiltInKindNames) {
    undo_.setUndoLimit(UndoLimit);
    connect(&undo_, &QUndoStack::cleanChanged, this, &ImageEditor::noteModified);
    newImage();
}

ImageEditor::~ImageEditor() {
    // The history refers to the items; it goes first.
    undo_.clear();
}

void ImageEditor::clearImage() {
    select(nullptr);
    undo_.clear();
    items_.freeAll();
    clipboard_.reset();
    forcedModified_ = false;
    noteModified();
    emit clipboardChanged();
}

void ImageEditor::newImage() {
    clearImage();
    const PrinterModels& models = display_.models();
    display_.resetGeometry(DotCanvas::StandardMargin, models.fontDPI(), models.height(),
                           models.width(), 0, 0);
    emit areaChanged();
}

void ImageEditor::replaceImage(ItemList& loaded) {
    clearImage();
    while (loaded.count() > 0)
        items_.append(loaded.extract(1));
    emit areaChanged();
    refreshImage();
}

int32_t ImageEditor::imageWidth() const {
    return display_.displayWidth();
}

int32_t ImageEditor::imageHeight() const {
    return display_.displayHeight();
}

void ImageEditor::setModified(bool modified) {
    forcedModified_ = modified;
    if (!modified)
        undo_.setClean();
    noteModified();
}

void ImageEditor::noteModified() {
    if (modified() == shownModified_)
        return;
    shownModified_ = modified();
    emit modifiedChanged(shownModified_);
}

void ImageEditor::setStepNames(const EditStepNames& names, const ItemTypeNames& kindNames) {
    stepNames_ = names;
    kindNames_ = &kindNames;
}

QString ImageEditor::stepName(const QString& step, const ImageItem& item) const {
    return EditStepNames::forItem(step, item.getKindName(*kindNames_));
}

void ImageEditor::selectNext(bool backwards) {
    const int32_t count = items_.count();
    if (count == 0)
        return;
    const int32_t at = selected_ ? items_.indexOf(selected_) : 0;
    int32_t next = backwards ? at - 1 : at + 1;
    if (at == 0 && backwards)
        next = count;
    else if (next < 1)
        next = count;
    else if (next > count)
        next = 1;
    select(items_.at(next));
}

void ImageEditor::select(ImageItem* item) {
    if (item == selected_)
        return;
    selected_ = item;
    emit selectionChanged();
}

void ImageEditor::setPictureSize(QSize pixels) {
    display_.resizeBitmap(pixels.width(), pixels.height());
    refreshImage();
}

QPoint ImageEditor::screenToImage(QPoint pixel) const {
    const QSize size = pictureSize();
    if (size.isEmpty())
        return pixel;
    return {roundHalfEven(double(pixel.x()) * imageWidth() / size.width()),
            roundHalfEven(double(pixel.y()) * imageHeight() / size.height())};
}

QPoint ImageEditor::imageToScreen(QPoint dot) const {
    const QSize size = pictureSize();
    return {roundHalfEven(double(dot.x()) * size.width() / imageWidth()),
            roundHalfEven(double(dot.y()) * size.height() / imageHeight())};
}

void ImageEditor::refreshImage() {
    const QSize size = pictureSize();
    if (size.isEmpty())
        return;
    display_.setScaleX(float(double(size.width()) / imageWidth()));
    display_.setScaleY(float(double(size.height()) / imageHeight()));
    {
        CanvasPainter painter(display_);
        items_.redrawWhole(display_);
    }
    emit pictureChanged(QRect());
}

void ImageEditor::redrawRect(const EdgeRect& rect) {
    if (rect.isEmpty())
        return;
    const int slack = redrawSlack(display_);
    const EdgeRect dirty = grown(rect, slack);
    const QRect clip = dirty.toQRect().intersected(display_.bitmap().rect());
    if (clip.isEmpty())
        return;
    {
        CanvasPainter painter(display_, clip);
        display_.fillWhite(dirty);
        for (int32_t i = 1; i <= items_.count(); ++i) {
            ImageItem* item = items_.at(i);
            if (overlaps(grown(item->getScreenRect(display_), slack), dirty))
                item->draw(display_);
        }
    }
    emit pictureChanged(clip);
}

void ImageEditor::refreshItems() {
    {
        CanvasPainter painter(display_);
        items_.refreshAll(display_);
    }
    emit pictureChanged(QRect());
}

void ImageEditor::insertItem(int32_t index, std::unique_ptr<ImageItem> item) {
    // The list inserts only at its ends: the items from index on go to the
    // end after the new one.
    std::vector<std::unique_ptr<PersistentObject>> after;
    while (items_.count() >= std::max(index, 1))
        after.push_back(items_.extractLast());
    items_.append(std::move(item));
    for (auto it = after.rbegin(); it != after.rend(); ++it)
        items_.append(std::move(*it));
}

std::unique_ptr<ImageItem> ImageEditor::takeItem(ImageItem& item) {
    if (selected_ == &item)
        select(nullptr);
    std::unique_ptr<PersistentObject> taken = items_.extract(items_.indexOf(&item));
    // Only items are ever admitted to the list.
    return std::unique_ptr<ImageItem>(static_cast<ImageItem*>(taken.release()));
}

void ImageEditor::setAreaRect(const DotRect& area) {
    display_.setAreaRect(area);
    emit areaChanged();
}

void ImageEditor::refuse(const QString& message) {
    prompter_.message(message, QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
}
