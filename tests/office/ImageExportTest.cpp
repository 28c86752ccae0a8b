// The export of an image's dots to PNG, SVG and PDF files.
#include "office/ImageExport.h"

#include "TestFolders.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using ImageExport::Format;

// A picture of 20 × 30 dots inside a margin of 5, with a dot in the margin
// that only an export with margins keeps.
ImageExport::Picture testPicture(bool withMargins) {
    QImage pixels(30, 40, QImage::Format_RGB32);
    pixels.fill(Qt::white);
    QPainter painter(&pixels);
    painter.fillRect(QRect(5, 5, 3, 2), Qt::black);
    painter.fillRect(QRect(10, 20, 1, 10), Qt::black);
    painter.fillRect(QRect(24, 34, 1, 1), Qt::black);
    painter.fillRect(QRect(1, 1, 1, 1), Qt::black); // in the margin
    return {pixels, 5, QSize(185, 185), withMargins, QStringLiteral("Carton")};
}

int blackPixels(const QImage& image) {
    int count = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            count += qGray(rgb.pixel(x, y)) < 128;
    return count;
}

TEST(ImageExport, TheExtensionChoosesTheFormat) {
    const std::pair<const char*, std::optional<Format>> cases[] = {
        {"a.png", Format::Png},     {"dir.x/A.PNG", Format::Png}, {"a.svg", Format::Svg},
        {"a.Pdf", Format::Pdf},     {"a.jpg", std::nullopt},      {"png", std::nullopt},
        {"a.png.txt", std::nullopt}};
    for (const auto& [path, format] : cases)
        EXPECT_EQ(ImageExport::formatOf(QLatin1String(path)), format) << path;
}

TEST(ImageExport, PngHasOnePixelPerDotWithOrWithoutTheMargins) {
    for (const bool margins : {false, true}) {
        const ImageExport::Picture picture = testPicture(margins);
        const QImage png = QImage::fromData(ImageExport::encode(picture, Format::Png), "PNG");
        ASSERT_FALSE(png.isNull());
        const QRect part = margins ? QRect(0, 0, 30, 40) : QRect(5, 5, 20, 30);
        EXPECT_EQ(png.size(), part.size()) << margins;
        EXPECT_TRUE(png.convertToFormat(QImage::Format_RGB32) == picture.pixels.copy(part))
            << margins;
        EXPECT_EQ(qRound(png.dotsPerMeterX() * 0.0254), 185);
    }
}

TEST(ImageExport, SvgDrawsEveryDotAtTrueSize) {
    for (const bool margins : {false, true}) {
        const ImageExport::Picture picture = testPicture(margins);
        const QByteArray svg = ImageExport::encode(picture, Format::Svg);
        ASSERT_FALSE(svg.isEmpty());
        const QSize dots = margins ? QSize(30, 40) : QSize(20, 30);
        // Width and height in millimetres: dots / 185 of an inch.
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\""))
                .match(QString::fromUtf8(svg));
        ASSERT_TRUE(size.hasMatch()) << svg.left(400).toStdString();
        EXPECT_NEAR(size.captured(1).toDouble(), dots.width() * 25.4 / 185, 0.01);
        EXPECT_NEAR(size.captured(2).toDouble(), dots.height() * 25.4 / 185, 0.01);
        EXPECT_TRUE(svg.contains("<title>Carton</title>"));

        QSvgRenderer renderer(svg);
        ASSERT_TRUE(renderer.isValid());
        QImage drawn(dots, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(dots)));
        painter.end();
        const QRect part = margins ? QRect(0, 0, 30, 40) : QRect(5, 5, 20, 30);
        EXPECT_EQ(blackPixels(drawn), blackPixels(picture.pixels.copy(part))) << margins;
        EXPECT_EQ(qGray(drawn.pixel(10 - part.left(), 25 - part.top())), 0);
    }
}

// Pages are whole points, never smaller than the dots: 18 dots at 185 dpi
// are 7.005 points, on a page of 8.
TEST(ImageExport, PdfPageHoldsTheDotsAtTrueSize) {
    for (const int margin : {5, 6}) {
        ImageExport::Picture picture = testPicture(false);
        picture.margin = margin;
        const QByteArray pdf = ImageExport::encode(picture, Format::Pdf);
        ASSERT_TRUE(pdf.startsWith("%PDF"));
        const QRegularExpressionMatch box =
            QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                .match(QString::fromLatin1(pdf));
        ASSERT_TRUE(box.hasMatch());
        const QSize dots = QSize(30, 40) - QSize(2 * margin, 2 * margin);
        EXPECT_EQ(box.captured(1).toDouble(), std::ceil(dots.width() * 72.0 / 185)) << margin;
        EXPECT_EQ(box.captured(2).toDouble(), std::ceil(dots.height() * 72.0 / 185)) << margin;
        qsizetype pages = 0;
        for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
             at = pdf.indexOf("/Type /Page", at + 1))
            pages += pdf.mid(at + 11, 1) != "s";
        EXPECT_EQ(pages, 1);
    }
}

TEST(ImageExport, AFileThatCannotBeWrittenIsReportedAndNothingElseIsLeft) {
    TestFolders folders;
    QString error;
    EXPECT_FALSE(ImageExport::write(folders.settingsDir() + "/missing/a.png", testPicture(false),
                                    Format::Png, &error));
    EXPECT_FALSE(error.isEmpty());
    const QString path = folders.settingsDir() + "/a.pdf";
    ASSERT_TRUE(ImageExport::write(path, testPicture(true), Format::Pdf, &error));
    EXPECT_TRUE(fileBytes(path).startsWith("%PDF"));
    // An empty picture has nothing to encode.
    ImageExport::Picture empty = testPicture(false);
    empty.margin = 20;
    EXPECT_FALSE(ImageExport::write(path, empty, Format::Png, &error));
    EXPECT_TRUE(fileBytes(path).startsWith("%PDF")); // the old file stays
}

} // namespace
