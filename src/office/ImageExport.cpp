#include "office/ImageExport.h"

#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace ImageExport {

namespace {

constexpr double MetresPerInch = 0.0254;

bool isDot(QRgb pixel) {
    return (pixel & 0x00FFFFFFu) == 0;
}

// The black dots of the exported part as filled rectangles, one per run of
// dots in a row, in dot coordinates from the part's top-left corner: a
// drawing, not a bitmap, so that it stays sharp at any magnification.
void paintDots(QPainter& painter, const QImage& pixels, const QRect& part) {
    painter.setPen(Qt::NoPen);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int x = part.left();
        while (x <= part.right()) {
            if (!isDot(line[x])) {
                ++x;
                continue;
            }
            const int start = x;
            while (x <= part.right() && isDot(line[x]))
                ++x;
            painter.fillRect(QRect(start - part.left(), y - part.top(), x - start, 1), Qt::black);
        }
    }
}

QByteArray png(const Picture& picture, const QRect& part) {
    QImage pixels = picture.pixels.copy(part);
    pixels.setDotsPerMeterX(int(std::lround(picture.dpi.width() / MetresPerInch)));
    pixels.setDotsPerMeterY(int(std::lround(picture.dpi.height() / MetresPerInch)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!pixels.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QByteArray svg(const Picture& picture, const QRect& part, const QImage& pixels) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setTitle(picture.title);
    // The generator gives the drawing's width and height in millimetres from
    // its resolution; dots of another height than width are drawn in a view
    // box of the width's resolution, stretched down.
    generator.setResolution(picture.dpi.width());
    const double stretch = double(picture.dpi.width()) / picture.dpi.height();
    const QSizeF drawn(part.width(), part.height() * stretch);
    generator.setSize(QSize(part.width(), int(std::lround(drawn.height()))));
    generator.setViewBox(QRectF(QPointF(0, 0), drawn));
    QPainter painter;
    if (!painter.begin(&generator))
        return {};
    painter.scale(1.0, stretch);
    paintDots(painter, pixels, part);
    painter.end();
    return bytes;
}

QByteArray pdf(const Picture& picture, const QRect& part, const QImage& pixels) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(picture.title);
    writer.setCreator(QStringLiteral("Tolvane"));
    writer.setResolution(picture.dpi.width());
    // Pages are whole points; rounded up, so that no dot is cut off.
    const QSize points(int(std::ceil(part.width() * 72.0 / picture.dpi.width() - 1e-9)),
                       int(std::ceil(part.height() * 72.0 / picture.dpi.height() - 1e-9)));
    writer.setPageSize(QPageSize(points, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return {};
    painter.scale(1.0, double(picture.dpi.width()) / picture.dpi.height());
    paintDots(painter, pixels, part);
    painter.end();
    return bytes;
}

} // namespace

std::optional<Format> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    return std::nullopt;
}

QRect exportedRect(const Picture& picture) {
    const QRect whole = picture.pixels.rect();
    if (picture.withMargins)
        return whole;
    const int m = picture.margin;
    return whole.adjusted(m, m, -m, -m);
}

QByteArray encode(const Picture& picture, Format format) {
    const QRect part = exportedRect(picture);
    if (part.isEmpty() || picture.dpi.width() <= 0 || picture.dpi.height() <= 0)
        return {};
    if (format == Format::Png)
        return png(picture, part);
    const QImage pixels = picture.pixels.convertToFormat(QImage::Format_RGB32);
    return format == Format::Svg ? svg(picture, part, pixels) : pdf(picture, part, pixels);
}

bool write(const QString& path, const Picture& picture, Format format, QString* error) {
    const QByteArray bytes = encode(picture, format);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("the picture cannot be encoded");
        return false;
    }
    return AtomicFile::write(path, bytes, error);
}

} // namespace ImageExport
