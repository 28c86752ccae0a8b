#include "editor/ui/ImageWidget.h"

#include "editor/ImageEditor.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QUrl>

#include <algorithm>

namespace {

const QColor GridColour(0x80, 0x80, 0x80);
const QColor AreaColour(0xFF, 0x00, 0x00);

bool reachesStates(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::RightButton;
}

QPoint notNegative(QPoint p) {
    return {std::max(p.x(), 0), std::max(p.y(), 0)};
}

// The one local ".bmp" file a drag carries, or an empty path.
QString droppedBitmap(const QMimeData* data) {
    if (!data || data->urls().size() != 1)
        return {};
    const QUrl& url = data->urls().front();
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    return path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

ImageWidget::ImageWidget(ImageEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setObjectName(QStringLiteral("ClientImage"));
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageWidget::setOverlaySource(std::function<SurfaceOverlay()> source) {
    overlaySource_ = std::move(source);
}

void ImageWidget::setMagnification(int magnification) {
    magnification_ = std::max(magnification, 1);
    update();
}

QPoint ImageWidget::picturePixelAt(QPoint widgetPixel) const {
    const auto down = [this](int v) {
        return v >= 0 ? v / magnification_ : -((magnification_ - 1 - v) / magnification_);
    };
    return {down(widgetPixel.x()), down(widgetPixel.y())};
}

QPoint ImageWidget::widgetPixelOf(QPoint picturePixel) const {
    const int half = magnification_ / 2;
    return picturePixel * magnification_ + QPoint(half, half);
}

QRect ImageWidget::onWidget(const QRect& picturePixels) const {
    return {picturePixels.topLeft() * magnification_, picturePixels.size() * magnification_};
}

void ImageWidget::updatePicture(const QRect& picturePixels) {
    if (picturePixels.isNull())
        update();
    else
        update(onWidget(picturePixels));
}

QSize ImageWidget::sizeHint() const {
    return editor_.pictureSize() * magnification_;
}

void ImageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().color(QPalette::Dark));
    paintPicture(painter, exposed);
    if (!overlaySource_)
        return;
    const SurfaceOverlay overlay = overlaySource_();
    // The grid first, so that the selection shows it inverted with the item.
    if (overlay.gridPitch > 0)
        paintGrid(painter, exposed, overlay.gridPitch);
    if (!overlay.highlight.isNull()) {
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(onWidget(overlay.highlight), Qt::black);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.setPen(AreaColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(onWidget(overlay.area).adjusted(0, 0, -1, -1));
}

// Only the picture pixels behind the exposed ones are drawn, each as its
// square: a dot-level zoom costs no more than the part on screen.
void ImageWidget::paintPicture(QPainter& painter, const QRect& exposed) const {
    const QImage& bitmap = editor_.display().bitmap();
    if (magnification_ == 1) {
        painter.drawImage(exposed.topLeft(), bitmap, exposed);
        return;
    }
    const QRect source =
        QRect(picturePixelAt(exposed.topLeft()), picturePixelAt(exposed.bottomRight()))
            .intersected(bitmap.rect());
    if (!source.isEmpty())
        painter.drawImage(onWidget(source), bitmap, source);
}

void ImageWidget::paintGrid(QPainter& painter, const QRect& exposed, int pitch) const {
    // Lines at the margin plus whole multiples of the pitch, as far as the
    // exposed pixels reach, through the middle of their dots. Darkening
    // leaves a black dot black: the grid lies under the items.
    const int margin = editor_.display().margin();
    const QPoint first = editor_.screenToImage(picturePixelAt(exposed.topLeft()));
    const QPoint last = editor_.screenToImage(picturePixelAt(exposed.bottomRight()) + QPoint(1, 1));
    const auto firstLine = [&](int dot) { return margin + ((dot - margin) / pitch - 1) * pitch; };
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.setPen(GridColour);
    for (int x = firstLine(first.x()); x <= last.x(); x += pitch) {
        const int px = widgetPixelOf(editor_.imageToScreen({x, 0})).x();
        painter.drawLine(px, exposed.top(), px, exposed.bottom());
    }
    for (int y = firstLine(first.y()); y <= last.y(); y += pitch) {
        const int py = widgetPixelOf(editor_.imageToScreen({0, y})).y();
        painter.drawLine(exposed.left(), py, exposed.right(), py);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    if (reachesStates(event->button()))
        emit mouseDown(event->button(), event->modifiers(),
                       picturePixelAt(notNegative(event->position().toPoint())));
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->modifiers(), picturePixelAt(notNegative(event->position().toPoint())));
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (reachesStates(event->button()))
        emit mouseUp(event->button(), event->modifiers(),
                     picturePixelAt(notNegative(event->position().toPoint())));
}

void ImageWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(notNegative(event->position().toPoint()));
    else
        mousePressEvent(event);
}

void ImageWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedBitmap(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ImageWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedBitmap(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ImageWidget::dropEvent(QDropEvent* event) {
    const QString path = droppedBitmap(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    emit bitmapDropped(path, picturePixelAt(notNegative(event->position().toPoint())));
}
