// tolvane-cli export and inkcost, through the real executable.
#include "CliRunner.h"
#include "ImageBytes.h"
#include "document/ImageFile.h"
#include "items/TextItem.h"

#include <QImage>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

// An image of the second model, 800 × 128 dots, with two texts or none.
void writeImage(const QString& path, bool withItems = true) {
    ImageFileHeader h;
    h.LongName = "Carton";
    h.ShortName = "Lot";
    h.TypeCode = 2;
    h.Area = {0, 0, 900, 228};
    ItemList items;
    if (withItems) {
        items.append(storedTextItem(3, {60, 100}, "Tolvane 123"));
        items.append(storedTextItem(2, {400, 60}, "Lot"));
    }
    ImageFile::write(path, h, items, imageFileRegistry());
}

std::int64_t blackInside(const QImage& picture, int margin) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::int64_t count = 0;
    for (int y = margin; y < rgb.height() - margin; ++y)
        for (int x = margin; x < rgb.width() - margin; ++x)
            count += (rgb.pixel(x, y) & 0xFFFFFF) == 0;
    return count;
}

// The "name: value" lines of inkcost.
QMap<QString, QString> costLines(const QByteArray& out) {
    QMap<QString, QString> lines;
    for (const QByteArray& line : out.trimmed().split('\n'))
        lines.insert(QString::fromUtf8(line.left(line.indexOf(':'))),
                     QString::fromUtf8(line.mid(line.indexOf(':') + 2)));
    return lines;
}

constexpr auto Now = "2024-01-01 14:30";

TEST(CliExport, WritesThePictureAsPngSvgOrPdf) {
    const CliRunner cli;
    writeImage(cli.path("label.G1A"));
    ASSERT_EQ(cli.run({"render", "label.G1A", "-o", "view.png", "--now", Now}).status, 0);
    const QImage view = QImage(cli.path("view.png")).convertToFormat(QImage::Format_RGB32);
    for (const bool margins : {false, true}) {
        QStringList args = {"export", "label.G1A", "-o", "out.png", "--now", Now};
        if (margins)
            args << "--margins";
        const CliRunner::Result r = cli.run(args);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QImage png = QImage(cli.path("out.png")).convertToFormat(QImage::Format_RGB32);
        const QImage expected = margins ? view : view.copy(view.rect().adjusted(50, 50, -50, -50));
        EXPECT_EQ(png.size(), margins ? view.size() : view.size() - QSize(100, 100));
        EXPECT_TRUE(png == expected) << margins;
    }
    ASSERT_EQ(cli.run({"export", "label.G1A", "-o", "out.svg", "--now", Now}).status, 0);
    QSvgRenderer svg(cli.path("out.svg"));
    EXPECT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox().size(), view.size() - QSize(100, 100));
    ASSERT_EQ(cli.run({"export", "label.G1A", "-o", "out.PDF", "--now", Now}).status, 0);
    EXPECT_TRUE(fileBytes(cli.path("out.PDF")).startsWith("%PDF"));
}

// The dots are the black pixels of the rendered view inside its margins;
// the results follow from them as in the ink cost dialog.
TEST(CliInkCost, CountsTheRenderedDotsAndPrintsTheFiveResults) {
    const CliRunner cli;
    writeImage(cli.path("label.G1A"));
    ASSERT_EQ(cli.run({"render", "label.G1A", "-o", "view.png", "--now", Now}).status, 0);
    const std::int64_t dots = blackInside(QImage(cli.path("view.png")), 50);
    ASSERT_GT(dots, 100);
    const CliRunner::Result r = cli.run({"inkcost", "label.G1A", "--dot", "10000", "--price", "10",
                                         "--count", "1000", "--now", Now});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QMap<QString, QString> lines = costLines(r.out);
    EXPECT_EQ(lines.keys(), (QStringList{"dots", "number of prints", "total cost", "total usage",
                                         "unit cost", "units used"}));
    EXPECT_EQ(lines["dots"].toLongLong(), dots);
    const double usage = dots * 1e-8 * 1000;
    EXPECT_EQ(lines["total usage"], QString::number(usage, 'f', 14));
    EXPECT_EQ(lines["number of prints"], "1000");
    EXPECT_EQ(lines["total cost"], QString::number(usage * 10, 'f', 2));
    EXPECT_EQ(lines["unit cost"], QString::number(dots * 1e-8 * 10, 'f', 14));
    EXPECT_EQ(lines["units used"], QString::number(usage, 'g', 15));
}

// Without options: the model's Dot (80 pl for the second model) and the
// ink cost dialog's settings.
TEST(CliInkCost, TakesTheModelsDotAndTheDialogsSettings) {
    const CliRunner cli;
    cli.folders().writeIni("[InkCostForm]\nInkPrice=20,50\nHowMany=500\nUnitSize=250\n");
    writeImage(cli.path("label.G1A"));
    const QMap<QString, QString> lines =
        costLines(cli.run({"inkcost", "label.G1A", "--now", Now}).out);
    const double usage = lines["dots"].toLongLong() * 80e-12 * 500;
    EXPECT_EQ(lines["total usage"], QString::number(usage, 'f', 14));
    EXPECT_EQ(lines["number of prints"], "500");
    EXPECT_EQ(lines["total cost"], QString::number(usage * 20.5, 'f', 2));
    EXPECT_EQ(lines["units used"], QString::number(usage * 1000 / 250, 'g', 15));
}

TEST(CliInkCost, AnEmptyImageGivesZeroEverywhere) {
    const CliRunner cli;
    writeImage(cli.path("empty.G1A"), false);
    const CliRunner::Result r = cli.run({"inkcost", "empty.G1A"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "dots: 0\ntotal usage: 0.00000000000000\nnumber of prints: 0\n"
                     "total cost: 0.00\nunit cost: 0.00000000000000\nunits used: 0\n");
}

} // namespace
