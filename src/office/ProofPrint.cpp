#include "office/ProofPrint.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ProofPrint {

namespace {

int rounded(double value) {
    return int(std::lround(value));
}

// The first pixel of an axis: the scroll position less what precedes the
// picture, 0 when that is not smaller.
int firstPixel(int scroll, int extent) {
    return extent >= scroll ? 0 : scroll - extent;
}

struct Axis {
    int first = 0; // source pixels
    int end = 0;
    int destination = 0;
};

// One axis: from the scroll position to the area's edge; each dot is
// scale pixels on the view and ppi / dpi device pixels on the page.
Axis axis(int scroll, int extent, int areaEnd, int picture, double scale, int pageSize, int ppi,
          int dpi) {
    Axis a;
    a.first = std::min(firstPixel(scroll, extent), picture);
    a.end = std::clamp(rounded(areaEnd * scale), a.first, picture);
    if (scale <= 0 || dpi <= 0 || ppi <= 0)
        return {a.first, a.first, 0};
    a.destination = rounded((a.end - a.first) / scale * ppi / dpi);
    if (pageSize < a.destination) {
        a.destination = std::max(pageSize, 0);
        a.end = std::min(a.first + rounded(a.destination * dpi * scale / ppi), picture);
    }
    return a;
}

} // namespace

Layout layout(const View& view, const Page& page, QSize dpi) {
    const Axis x =
        axis(view.scroll.x(), view.rulerExtent.x(), view.areaEnd.x(), view.picture.width(),
             view.scaleX, page.size.width(), page.ppi.width(), dpi.width());
    const Axis y =
        axis(view.scroll.y(), view.rulerExtent.y(), view.areaEnd.y(), view.picture.height(),
             view.scaleY, page.size.height(), page.ppi.height(), dpi.height());
    return {QRect(QPoint(x.first, y.first), QPoint(x.end - 1, y.end - 1)),
            QSize(x.destination, y.destination)};
}

QImage pagePicture(const QImage& picture, const Layout& layout) {
    if (layout.isEmpty())
        return {};
    return picture.copy(layout.source)
        .scaled(layout.destination, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool paint(QPaintDevice& device, const QImage& picture, const View& view, QSize dpi) {
    const Page page{QSize(device.width(), device.height()),
                    QSize(device.logicalDpiX(), device.logicalDpiY())};
    const Layout where = layout(view, page, dpi);
    const QImage bitmap = pagePicture(picture, where);
    if (bitmap.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.drawImage(QPoint(0, 0), bitmap);
    return painter.end();
}

} // namespace ProofPrint
