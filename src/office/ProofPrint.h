#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

class QPaintDevice;

// A proof print of the image on an office printer: a copy of the editing
// view's picture (the display's bitmap, not a second rendering), scaled so that
// one handheld dot comes out at its true size, and cut to one page.
namespace ProofPrint {

// What the print takes from the view.
struct View {
    QSize picture;       // the view's bitmap, pixels
    double scaleX = 1.0; // pixels per dot
    double scaleY = 1.0;
    QPoint areaEnd;     // right and bottom edges of the restricted area, dots
    QPoint scroll;      // the scroll position, pixels
    QPoint rulerExtent; // what precedes the picture in the scrolled content, pixels
};

// The page it goes to.
struct Page {
    QSize size; // the printable page, device pixels
    QSize ppi;  // device pixels per inch
};

struct Layout {
    QRect source;      // on the view's bitmap, pixels
    QSize destination; // at the page's top-left corner, device pixels
    bool isEmpty() const { return source.isEmpty() || destination.isEmpty(); }
};

// The part of the view that is printed and its size on the page. The print
// starts at the scroll position (less the ruler extent, never before the
// picture) and ends at the restricted area's right and bottom edges; every dot
// becomes dpi.width() by dpi.height() of an inch. A picture larger than the
// page is cut at the page's right and bottom edges.
Layout layout(const View& view, const Page& page, QSize dpi);

// The page's bitmap: the source stretched to the destination, pixel for pixel
// (no smoothing, so dots stay sharp).
QImage pagePicture(const QImage& picture, const Layout& layout);

// Paints the page on a printer, a PDF or an image: its resolution and size
// come from the device. False when nothing was to be printed or the device
// could not be painted on.
bool paint(QPaintDevice& device, const QImage& picture, const View& view, QSize dpi);

} // namespace ProofPrint
