// Text drawn from a kept picture must give the very pixels Qt draws: on a
// plain bitmap, where only its black is written, under a clip, and where the
// picture is blended (another kind of bitmap, a painter not opaque).
#include "printer/TextCellCache.h"
#include "printer/FontRealizer.h"

#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// Shades below the text, which its white must leave as they are.
QImage canvasBelow(QImage::Format format) {
    QImage canvas(420, 420, format);
    QRandomGenerator random(11);
    const QRgb shades[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)};
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.setPixel(x, y, shades[random.bounded(3)]);
    return canvas;
}

QFont printerFont(const char* face, int pixels, bool bold) {
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    return font;
}

struct Surface {
    QImage::Format format;
    qreal opacity;
};

template <typename Draw> QImage drawn(Surface surface, const QRect& clip, Draw draw) {
    QImage canvas = canvasBelow(surface.format);
    QPainter painter(&canvas);
    painter.setOpacity(surface.opacity);
    if (!clip.isNull())
        painter.setClipRect(clip);
    draw(painter);
    painter.end();
    return canvas;
}

} // namespace

TEST(TextCellCache, GivesThePixelsQtDrawsInEveryTurnOnEveryBitmap) {
    const QFont fonts[] = {printerFont("DejaVu Sans", 40, false),
                           printerFont("DejaVu Serif", 90, true)};
    const QString text = QStringLiteral("Lot 42-Åg");
    const QPoint origin(210, 210);
    TextCellCache cache;
    const Surface surfaces[] = {
        {QImage::Format_RGB32, 1.0}, {QImage::Format_RGB888, 1.0}, {QImage::Format_RGB32, 0.5}};
    for (const Surface& surface : surfaces)
        for (const QRect& clip : {QRect(), QRect(150, 120, 140, 150)})
            for (const QFont& font : fonts)
                for (int rotation = 0; rotation < 4; ++rotation) {
                    SCOPED_TRACE(testing::Message()
                                 << surface.format << " " << surface.opacity << " "
                                 << font.family().toStdString() << " turn " << rotation);
                    const QImage expected = drawn(surface, clip, [&](QPainter& painter) {
                        drawTextCell(painter, font, rotation, origin, text);
                    });
                    ASSERT_NE(expected, canvasBelow(surface.format));
                    // Twice: the first draw keeps the picture.
                    for (int pass = 0; pass < 2; ++pass)
                        EXPECT_EQ(drawn(surface, clip,
                                        [&](QPainter& painter) {
                                            cache.draw(painter, font, rotation, origin, text);
                                        }),
                                  expected);
                }
}

TEST(TextCellCache, MeasuresAsQtDoes) {
    TextCellCache cache;
    const QFont font = printerFont("DejaVu Sans", 40, false);
    for (const QString& text : {QStringLiteral("Lot 42"), QStringLiteral("WWW"), QString()})
        for (int pass = 0; pass < 2; ++pass)
            EXPECT_EQ(cache.advance(font, text), QFontMetrics(font).horizontalAdvance(text));
    // The same text in another font is measured anew.
    const QFont bold = printerFont("DejaVu Sans", 40, true);
    EXPECT_EQ(cache.advance(bold, QStringLiteral("WWW")),
              QFontMetrics(bold).horizontalAdvance(QStringLiteral("WWW")));
}
