// The view side of the editing surface: zoom, preview, rulers, what is
// painted over the picture, and the area's text in the status line.
#include "editor/ui/EditingSurface.h"

#include "document/AppContext.h"
#include "document/DataStore.h"
#include "editor/ui/ImageWidget.h"
#include "printer/FontRealizer.h"
#include "widgets/Ruler.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

double EditingSurface::zoomFactor(int level) {
    constexpr double factors[MaxZoomLevel + 1] = {0.5, 1.0, 1.5, 2.0};
    return factors[std::clamp(level, 0, MaxZoomLevel)];
}

void EditingSurface::applyZoomLevel(int level) {
    zoomLevel_ = std::clamp(level, 0, MaxZoomLevel);
    preview_ = false;
    setPicture(zoomFactor(zoomLevel_), zoomFactor(zoomLevel_));
    emit zoomShown(zoomLevel_, false);
}

// From the preview, the level nearest in that direction comes back even at
// an end of the scale.
void EditingSurface::zoomIn() {
    if (zoomLevel_ < MaxZoomLevel || preview_)
        applyZoomLevel(std::min(zoomLevel_ + 1, MaxZoomLevel));
}

void EditingSurface::zoomOut() {
    if (zoomLevel_ > 0 || preview_)
        applyZoomLevel(std::max(zoomLevel_ - 1, 0));
}

void EditingSurface::showPreview() {
    preview_ = true;
    fitPreview();
    emit zoomShown(zoomLevel_, true);
}

void EditingSurface::fitPreview() {
    // The size without scroll bars, and rounded down, so that the fitted
    // picture never calls for a scroll bar that would shrink the room again.
    const QSize room = scrollBox_->maximumViewportSize();
    const double factor = std::min(double(room.width()) / editor_->imageWidth(),
                                   double(room.height()) / editor_->imageHeight());
    if (factor > 0)
        setPicture(factor, factor);
}

void EditingSurface::setPicture(double zoomX, double zoomY) {
    zoomX_ = zoomX;
    zoomY_ = zoomY;
    const auto pixels = [this](int32_t dots, double zoom) {
        return preview_ ? int(dots * zoom) : roundHalfEven(dots * zoom);
    };
    editor_->setPictureSize(
        {pixels(editor_->imageWidth(), zoomX), pixels(editor_->imageHeight(), zoomY)});
    clientImage_->setFixedSize(editor_->pictureSize());
    layOutRulers();
}

bool EditingSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollBox_->viewport() && event->type() == QEvent::Resize) {
        if (preview_)
            fitPreview();
        layOutRulers();
    }
    return QWidget::eventFilter(watched, event);
}

void EditingSurface::layOutRulers() {
    const DataStore& data = context_.data;
    const QPoint origin = scrollBox_->viewport()->geometry().topLeft() + clientImage_->pos();
    const QSize picture = editor_->pictureSize();
    const int32_t margin = editor_->display().margin();
    hRuler_->setScale(double(picture.width()) / editor_->imageWidth());
    hRuler_->setOrigin(origin.x());
    hRuler_->setMargin(margin);
    hRuler_->setDotsPerUnit(data.dotsPerUnit(DataStore::Axis::X));
    vRuler_->setScale(double(picture.height()) / editor_->imageHeight());
    vRuler_->setOrigin(origin.y());
    vRuler_->setMargin(margin);
    vRuler_->setDotsPerUnit(data.dotsPerUnit(DataStore::Axis::Y));
    for (Ruler* ruler : {hRuler_, vRuler_})
        ruler->setLocale(data.locale());
}

void EditingSurface::showRulers(bool shown) {
    hRuler_->setVisible(shown);
    vRuler_->setVisible(shown);
}

QPoint EditingSurface::scrollPosition() const {
    return {scrollBox_->horizontalScrollBar()->value(), scrollBox_->verticalScrollBar()->value()};
}

QPoint EditingSurface::pictureOffset() const {
    return clientImage_->pos() + scrollPosition();
}

void EditingSurface::viewSettingsChanged() {
    layOutRulers();
    showAreaText();
    clientImage_->update();
}

SurfaceOverlay EditingSurface::overlay() const {
    SurfaceOverlay overlay;
    const DataStore& data = context_.data;
    if (data.gridOn() && !preview_)
        overlay.gridPitch = data.pitch();
    DotCanvas& view = editor_->display();
    const DotRect& area = view.areaRect();
    const int32_t m = view.margin();
    overlay.area = QRect(editor_->imageToScreen({area.Left + m, area.Top + m}),
                         editor_->imageToScreen({area.Right - m, area.Bottom - m}));
    if (ImageItem* selected = editor_->selectedItem()) {
        const EdgeRect r = selected->getScreenRect(view);
        if (!r.isEmpty())
            overlay.highlight = r.toQRect();
    }
    return overlay;
}

void EditingSurface::repaintPicture(const QRect& pixels) {
    if (pixels.isNull())
        clientImage_->update();
    else
        clientImage_->update(pixels);
}

void EditingSurface::showAreaText() {
    const DataStore& data = context_.data;
    const DotCanvas& view = editor_->display();
    const QStringList parts = {data.dotsToText(view.areaLeft(), DataStore::Axis::X),
                               data.dotsToText(view.areaTop(), DataStore::Axis::Y),
                               data.dotsToText(view.areaWidth(), DataStore::Axis::X),
                               data.dotsToText(view.areaHeight(), DataStore::Axis::Y)};
    emit areaShown(parts.join(u'/') + u' ' + data.unitName());
}
