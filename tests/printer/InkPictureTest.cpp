// Drawing a two-colour picture's dots through the kept ink gives exactly what
// ANDing the picture stretched over the same rectangle gives.
#include "printer/InkPicture.h"

#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QImage randomPicture(int width, int height, quint32 seed) {
    QRandomGenerator random(seed);
    QImage picture(width, height, QImage::Format_Mono);
    picture.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, random.bounded(2));
    return picture;
}

// What is below: white, black and a few other shades, as a canvas with a
// grid and highlights may hold.
QImage canvasBelow() {
    QImage canvas(160, 120, QImage::Format_RGB32);
    QRandomGenerator random(7);
    const QRgb shades[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128),
                           qRgb(0, 0, 255)};
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.setPixel(x, y, shades[random.bounded(4)]);
    return canvas;
}

QImage anded(const QRect& target, const QImage& picture, const QRegion& clip = {}) {
    QImage canvas = canvasBelow();
    QPainter painter(&canvas);
    if (!clip.isEmpty())
        painter.setClipRegion(clip);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(target, picture.convertToFormat(QImage::Format_RGB32));
    return canvas;
}

QImage inked(InkPicture& ink, const QRect& target, const QImage& picture,
             const QRegion& clip = {}) {
    QImage canvas = canvasBelow();
    QPainter painter(&canvas);
    if (!clip.isEmpty())
        painter.setClipRegion(clip);
    ink.paint(painter, target, picture);
    return canvas;
}

} // namespace

TEST(InkPicture, DrawsWhatAndingDrawsAtEveryZoomAndAfterEveryChange) {
    QImage picture = randomPicture(37, 23, 1);
    InkPicture ink;
    // 100 %, 200 %, 150 %, 50 %, at other places, and at 400 % cut by the edge.
    const QRect targets[] = {{3, 5, 37, 23},    {0, 0, 74, 46},   {11, 9, 56, 35},
                             {100, 90, 19, 12}, {20, 30, 74, 46}, {80, 40, 148, 92}};
    for (const QRect& target : targets) {
        SCOPED_TRACE(testing::Message() << target.x() << "," << target.y() << " " << target.width()
                                        << "×" << target.height());
        EXPECT_EQ(inked(ink, target, picture), anded(target, picture));
        EXPECT_EQ(inked(ink, target, picture), anded(target, picture)); // kept
    }
    // A changed picture of the same size is drawn anew, not from what was kept.
    const QRect target(0, 0, 74, 46);
    inked(ink, target, picture);
    picture.setPixel(0, 0, 1 - picture.pixelIndex(0, 0));
    EXPECT_EQ(inked(ink, target, picture), anded(target, picture));
    picture = randomPicture(37, 23, 2);
    EXPECT_EQ(inked(ink, target, picture), anded(target, picture));
}

TEST(InkPicture, KeepsToTheClipOfThePainter) {
    const QImage picture = randomPicture(37, 23, 4);
    const QRect target(10, 10, 74, 46);
    InkPicture ink;
    const QRegion clips[] = {QRect(30, 20, 40, 15), // one rectangle
                             QRegion(0, 0, 40, 40) + QRegion(60, 30, 50, 50)};
    for (const QRegion& clip : clips)
        EXPECT_EQ(inked(ink, target, picture, clip), anded(target, picture, clip));
}

TEST(InkPicture, APictureTooLargeToKeepIsStillDrawn) {
    const QImage picture = randomPicture(5, 4, 3);
    const int side = 1 << 11; // more than can be kept
    QImage canvas(side + 1, side + 1, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    InkPicture ink;
    ink.paint(painter, {0, 0, side + 1, side + 1}, picture);
    painter.end();
    const QRgb topLeft = picture.pixelIndex(0, 0) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    EXPECT_EQ(canvas.pixel(1, 1), topLeft);
}
