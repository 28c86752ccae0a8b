// The view side of the editing surface: zoom, preview, rulers, what is
// painted over the picture, and the area's text in the status line.
#include "editor/ui/EditingSurface.h"

#include "document/AppContext.h"
#include "document/DataStore.h"
#include "editor/ui/ImageWidget.h"
#include "printer/FontRealizer.h"
#include "widgets/Ruler.h"

#include <QApplication>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

double EditingSurface::zoomFactor(int level) {
    constexpr double factors[MaxZoomLevel + 1] = {0.5, 1.0, 1.5, 2.0, 3.0, 4.0, 6.0, 8.0};
    return factors[std::clamp(level, 0, MaxZoomLevel)];
}

void EditingSurface::applyZoomLevel(int level) {
    zoomLevel_ = std::clamp(level, 0, MaxZoomLevel);
    preview_ = false;
    const double factor = zoomFactor(zoomLevel_);
    if (factor <= MaxDrawnFactor)
        setPicture(factor, 1, false);
    else
        setPicture(1.0, int(factor), false);
    emit zoomShown(zoomLevel_, false);
}

void EditingSurface::chooseZoomLevel(int level) {
    zoomTo(level, viewportCentre());
}

// From the preview, the level nearest in that direction comes back even at
// an end of the scale.
void EditingSurface::zoomIn() {
    zoomAbout(1, viewportCentre());
}

void EditingSurface::zoomOut() {
    zoomAbout(-1, viewportCentre());
}

void EditingSurface::zoomAbout(int levels, QPoint viewportPixel) {
    if (levels == 0)
        return;
    const int level = steppedLevel(levels);
    if (level < 0 || (level == zoomLevel_ && !preview_))
        return;
    zoomTo(level, viewportPixel);
}

void EditingSurface::zoomTo(int level, QPoint viewportPixel) {
    const QPoint dot = dotAtViewport(viewportPixel);
    applyZoomLevel(level);
    const QPoint after = clientImage_->widgetPixelOf(editor_->imageToScreen(dot));
    scrollBox_->horizontalScrollBar()->setValue(after.x() - viewportPixel.x());
    scrollBox_->verticalScrollBar()->setValue(after.y() - viewportPixel.y());
}

// A fitted zoom lies between levels: the first step goes to the level next
// to it; -1 when there is none in that direction.
int EditingSurface::steppedLevel(int levels) const {
    if (zoomLevel_ >= 0)
        return std::clamp(zoomLevel_ + levels, 0, MaxZoomLevel);
    const int step = levels > 0 ? 1 : -1;
    int level = levels > 0 ? 0 : MaxZoomLevel;
    const auto passed = [&](int l) {
        return levels > 0 ? zoomFactor(l) <= zoomX_ : zoomFactor(l) >= zoomX_;
    };
    while (level >= 0 && level <= MaxZoomLevel && passed(level))
        level += step;
    if (level < 0 || level > MaxZoomLevel)
        return -1;
    return std::clamp(level + levels - step, 0, MaxZoomLevel);
}

QPoint EditingSurface::viewportCentre() const {
    return scrollBox_->viewport()->rect().center();
}

QPoint EditingSurface::dotAtViewport(QPoint viewportPixel) const {
    return editor_->screenToImage(
        clientImage_->picturePixelAt(viewportPixel - clientImage_->pos()));
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
        setPicture(factor, 1, true);
}

void EditingSurface::zoomToFit() {
    const QSize room = scrollBox_->maximumViewportSize();
    const double fit = std::min(double(room.width()) / editor_->imageWidth(),
                                double(room.height()) / editor_->imageHeight());
    if (!(fit > 0))
        return;
    zoomLevel_ = -1;
    preview_ = false;
    const int wholeSteps = int(std::min(fit, zoomFactor(MaxZoomLevel)));
    if (wholeSteps > MaxDrawnFactor)
        setPicture(1.0, wholeSteps, true);
    else
        setPicture(std::min(fit, MaxDrawnFactor), 1, true);
    emit zoomShown(zoomLevel_, false);
}

void EditingSurface::setPicture(double scale, int magnification, bool cutDown) {
    zoomX_ = zoomY_ = scale * magnification;
    const auto pixels = [&](int32_t dots) {
        return cutDown ? int(dots * scale) : roundHalfEven(dots * scale);
    };
    editor_->setPictureSize({pixels(editor_->imageWidth()), pixels(editor_->imageHeight())});
    clientImage_->setMagnification(magnification);
    clientImage_->setFixedSize(editor_->pictureSize() * magnification);
    layOutRulers();
}

bool EditingSurface::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollBox_->viewport() && event->type() == QEvent::Resize) {
        if (preview_)
            fitPreview();
        layOutRulers();
    }
    const bool onPicture = watched == clientImage_;
    if ((onPicture || watched == scrollBox_->viewport()) && event->type() == QEvent::Wheel) {
        auto& wheel = static_cast<QWheelEvent&>(*event);
        if (wheel.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) {
            const QPoint at = wheel.position().toPoint();
            wheelTurned(wheel, onPicture ? at + clientImage_->pos() : at);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// With Ctrl the wheel zooms about the pointer, a level a notch; with Shift it
// scrolls sideways as far as it scrolls down without. Without either, the
// scroll box scrolls down (or sideways, for a wheel that turns sideways).
void EditingSurface::wheelTurned(QWheelEvent& wheel, QPoint viewportPixel) {
    wheel.accept();
    const auto along = [](QPoint delta) { return delta.y() != 0 ? delta.y() : delta.x(); };
    if (wheel.modifiers() & Qt::ControlModifier) {
        constexpr int Notch = 120; // eighths of a degree
        wheelTurn_ += along(wheel.angleDelta());
        const int levels = wheelTurn_ / Notch;
        wheelTurn_ -= levels * Notch;
        zoomAbout(levels, viewportPixel);
        return;
    }
    QScrollBar* bar = scrollBox_->horizontalScrollBar();
    const int pixels =
        wheel.pixelDelta().isNull()
            ? along(wheel.angleDelta()) * QApplication::wheelScrollLines() * bar->singleStep() / 120
            : along(wheel.pixelDelta());
    bar->setValue(bar->value() - pixels);
}

void EditingSurface::layOutRulers() {
    const DataStore& data = context_.data;
    const QPoint origin = scrollBox_->viewport()->geometry().topLeft() + clientImage_->pos();
    const QSize picture = editor_->pictureSize();
    const int32_t margin = editor_->display().margin();
    const int magnification = clientImage_->magnification();
    hRuler_->setScale(double(picture.width()) * magnification / editor_->imageWidth());
    hRuler_->setOrigin(origin.x());
    hRuler_->setMargin(margin);
    hRuler_->setDotsPerUnit(data.dotsPerUnit(DataStore::Axis::X));
    vRuler_->setScale(double(picture.height()) * magnification / editor_->imageHeight());
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
    return clientImage_->picturePixelAt(
        {scrollBox_->horizontalScrollBar()->value(), scrollBox_->verticalScrollBar()->value()});
}

QPoint EditingSurface::pictureOffset() const {
    const QPoint scrolled(scrollBox_->horizontalScrollBar()->value(),
                          scrollBox_->verticalScrollBar()->value());
    return clientImage_->picturePixelAt(clientImage_->pos() + scrolled);
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
    clientImage_->updatePicture(pixels);
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
