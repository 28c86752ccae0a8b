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

QSize ImageWidget::sizeHint() const {
    return editor_.pictureSize();
}

void ImageWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, palette().color(QPalette::Dark));
    painter.drawImage(exposed.topLeft(), editor_.display().bitmap(), exposed);
    if (!overlaySource_)
        return;
    const SurfaceOverlay overlay = overlaySource_();
    if (!overlay.highlight.isNull()) {
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(overlay.highlight, Qt::black);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (overlay.gridPitch > 0)
        paintGrid(painter, exposed, overlay.gridPitch);
    painter.setPen(AreaColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(overlay.area.adjusted(0, 0, -1, -1));
}

void ImageWidget::paintGrid(QPainter& painter, const QRect& exposed, int pitch) const {
    // Lines at the margin plus whole multiples of the pitch, as far as the
    // exposed pixels reach.
    const int margin = editor_.display().margin();
    const QPoint first = editor_.screenToImage(exposed.topLeft());
    const QPoint last = editor_.screenToImage(exposed.bottomRight() + QPoint(1, 1));
    const auto firstLine = [&](int dot) { return margin + ((dot - margin) / pitch - 1) * pitch; };
    painter.setPen(GridColour);
    for (int x = firstLine(first.x()); x <= last.x(); x += pitch) {
        const int px = editor_.imageToScreen({x, 0}).x();
        painter.drawLine(px, exposed.top(), px, exposed.bottom());
    }
    for (int y = firstLine(first.y()); y <= last.y(); y += pitch) {
        const int py = editor_.imageToScreen({0, y}).y();
        painter.drawLine(exposed.left(), py, exposed.right(), py);
    }
}

void ImageWidget::mousePressEvent(QMouseEvent* event) {
    if (reachesStates(event->button()))
        emit mouseDown(event->button(), event->modifiers(),
                       notNegative(event->position().toPoint()));
}

void ImageWidget::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->modifiers(), notNegative(event->position().toPoint()));
}

void ImageWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (reachesStates(event->button()))
        emit mouseUp(event->button(), event->modifiers(), notNegative(event->position().toPoint()));
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
    emit bitmapDropped(path, notNegative(event->position().toPoint()));
}
