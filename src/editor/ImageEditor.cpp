#include "editor/ImageEditor.h"

#include "platform/Prompter.h"
#include "printer/FontRealizer.h"
#include "printer/miprinters.h"

#include <algorithm>
#include <cmath>

namespace {

// Ink may reach a little beyond an item's cell (overhanging letters), so a
// partial redraw erases and draws a few pixels more at every zoom.
int redrawSlack(const NebraDisplay& view) {
    return 1 + int(std::ceil(2.0 * std::max(view.ScaleX(), view.ScaleY())));
}

EdgeRect grown(const EdgeRect& r, int by) {
    return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by};
}

bool overlaps(const EdgeRect& a, const EdgeRect& b) {
    return !a.IsEmpty() && !b.IsEmpty() && a.Left <= b.Right && b.Left <= a.Right &&
           a.Top <= b.Bottom && b.Top <= a.Bottom;
}

} // namespace

ImageEditor::ImageEditor(const TFontSet& fonts, const TCoderList& models, Prompter& prompter,
                         const Messages& messages)
    : items_(prompter, messages), display_(fonts, models), prompter_(prompter),
      messages_(messages) {
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
    items_.FreeAll();
    clipboard_.reset();
    forcedModified_ = false;
    noteModified();
    emit clipboardChanged();
}

void ImageEditor::newImage() {
    clearImage();
    const TCoderList& models = display_.Models();
    display_.ResetGeometry(NebraDisplay::StandardMargin, models.FontDPI(), models.Height(),
                           models.Width(), 0, 0);
    emit areaChanged();
}

void ImageEditor::replaceImage(ItemList& loaded) {
    clearImage();
    while (loaded.Count() > 0)
        items_.Append(loaded.Extract(1));
    emit areaChanged();
    refreshImage();
}

int32_t ImageEditor::ImageWidth() const {
    return display_.DisplayWidth();
}

int32_t ImageEditor::ImageHeight() const {
    return display_.DisplayHeight();
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

void ImageEditor::select(ImageItem* item) {
    if (item == selected_)
        return;
    selected_ = item;
    emit selectionChanged();
}

void ImageEditor::setPictureSize(QSize pixels) {
    display_.ResizeBitmap(pixels.width(), pixels.height());
    refreshImage();
}

QPoint ImageEditor::screenToImage(QPoint pixel) const {
    const QSize size = pictureSize();
    if (size.isEmpty())
        return pixel;
    return {RoundHalfEven(double(pixel.x()) * ImageWidth() / size.width()),
            RoundHalfEven(double(pixel.y()) * ImageHeight() / size.height())};
}

QPoint ImageEditor::imageToScreen(QPoint dot) const {
    const QSize size = pictureSize();
    return {RoundHalfEven(double(dot.x()) * size.width() / ImageWidth()),
            RoundHalfEven(double(dot.y()) * size.height() / ImageHeight())};
}

void ImageEditor::refreshImage() {
    const QSize size = pictureSize();
    if (size.isEmpty())
        return;
    display_.SetScaleX(float(double(size.width()) / ImageWidth()));
    display_.SetScaleY(float(double(size.height()) / ImageHeight()));
    {
        CanvasPainter painter(display_);
        items_.eraseImage(display_);
        items_.drawAll(display_);
    }
    emit pictureChanged(QRect());
}

void ImageEditor::redrawRect(const EdgeRect& rect) {
    if (rect.IsEmpty())
        return;
    const int slack = redrawSlack(display_);
    const EdgeRect dirty = grown(rect, slack);
    const QRect clip = dirty.ToQRect().intersected(display_.Bitmap().rect());
    if (clip.isEmpty())
        return;
    {
        CanvasPainter painter(display_, clip);
        display_.FillWhite(dirty);
        for (int32_t i = 1; i <= items_.Count(); ++i) {
            ImageItem* item = items_.At(i);
            if (overlaps(grown(item->getScreenRect(display_), slack), dirty))
                item->Draw(display_);
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
    std::vector<std::unique_ptr<PObject>> after;
    while (items_.Count() >= std::max(index, 1))
        after.push_back(items_.ExtractLast());
    items_.Append(std::move(item));
    for (auto it = after.rbegin(); it != after.rend(); ++it)
        items_.Append(std::move(*it));
}

std::unique_ptr<ImageItem> ImageEditor::takeItem(ImageItem& item) {
    if (selected_ == &item)
        select(nullptr);
    std::unique_ptr<PObject> taken = items_.Extract(items_.IndexOf(&item));
    // Only items are ever admitted to the list.
    return std::unique_ptr<ImageItem>(static_cast<ImageItem*>(taken.release()));
}

void ImageEditor::SetAreaRect(const DotRect& area) {
    display_.SetAreaRect(area);
    emit areaChanged();
}

void ImageEditor::refuse(const QString& message) {
    prompter_.message(message, QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
}
