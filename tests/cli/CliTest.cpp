#include "CliRunner.h"
#include "ImageBytes.h"
#include "document/ImageDocument.h"
#include "document/ImageFile.h"
#include "items/BarcodeItem.h"
#include "items/ShiftCodeItem.h"
#include "items/TextItem.h"
#include "items/TimeItem.h"
#include "printer/FontRealizer.h"
#include "printer/FontSet.h"
#include "printer/PrinterModels.h"
#include "texts/Messages.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// An image of the second model as the designer saves it.
void writeImage(const QString& path) {
    ImageFileHeader h;
    h.LongName = "Caf\xE9 line \x01";
    h.ShortName = "Lot";
    h.TypeCode = 2;
    h.Area = {0, 0, 900, 228};
    h.MonthLanguageName = "English";
    h.MonthStrings = "JanFebMar";
    h.Shifts.add(1, 14.0 / 24.0, "B");
    ItemList items;
    items.append(storedTextItem(3, {60, 100}, "Tolvane 123"));
    items.append(storedTextItem(5, {400, 200}, "\xC5r", 1));
    auto request = storedTextItem(2, {200, 160}, "Lot");
    request->OperatorRequest = true;
    request->Prompt = "Lot number?";
    items.append(std::move(request));
    // A barcode's symbol needs fonts, which dump and build do not load.
    auto barcode = std::make_unique<BarcodeItem>();
    barcode->takeData(BarcodeData::create(Symbology::Code128, 0));
    barcode->editData().Text = "LOT 42";
    barcode->setPosition({500, 60});
    items.append(std::move(barcode));
    ImageFile::write(path, h, items, imageFileRegistry());
}

// The picture the editing view draws of the image at zoom.
QImage drawnInProcess(const QString& image, const QString& fontMap, float zoom) {
    const ImageFileContents c = ImageFile::read(image, imageFileRegistry(), Messages());
    PrinterModels models(nullptr);
    models.setSelectedIndex(*c.Header.modelIndex());
    FontSet fonts(models);
    EXPECT_TRUE(fonts.loadFontMap(fontMap, imageFileRegistry()));
    DotCanvas display(fonts, models);
    ImageDocument::applyGeometry(c.Header, models, display);
    display.resizeBitmap(roundHalfEven(display.displayWidth() * double(zoom)),
                         roundHalfEven(display.displayHeight() * double(zoom)));
    display.setScaleX(zoom);
    display.setScaleY(zoom);
    {
        CanvasPainter painter(display);
        c.Items->eraseImage(display);
        c.Items->drawAll(display);
    }
    return display.bitmap().convertToFormat(QImage::Format_RGB32);
}

// An image with shifts Monday 06:00 A and 14:00 B and two items at the same
// places: a 24-hour time and a shift code, or text items of fixed texts.
void writeClockImage(const QString& path, const char* timeText = nullptr,
                     const char* codeText = nullptr) {
    ImageFileHeader h;
    h.TypeCode = 2;
    h.Area = {0, 0, 900, 228};
    h.Shifts.add(1, 6.0 / 24.0, "A");
    h.Shifts.add(1, 14.0 / 24.0, "B");
    ItemList items;
    if (timeText) {
        items.append(storedTextItem(3, {60, 100}, timeText));
        items.append(storedTextItem(3, {400, 100}, codeText));
    } else {
        auto time = std::make_unique<TimeItem>();
        time->FontNumber = 3;
        time->setPosition({60, 100});
        time->Format24Hr = true;
        time->TimeSeparator = ':';
        items.append(std::move(time));
        auto code = std::make_unique<ShiftCodeItem>();
        code->FontNumber = 3;
        code->setPosition({400, 100});
        items.append(std::move(code));
    }
    ImageFile::write(path, h, items, imageFileRegistry());
}

bool hasInk(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != 0xFFFFFFFFu)
                return true;
    return false;
}

} // namespace

TEST(Cli, DumpThenBuildWritesTheSameBytes) {
    const CliRunner cli;
    const QString image = cli.path("label.G1A");
    writeImage(image);
    CliRunner::Result dump = cli.run({"dump", image});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.err.isEmpty());
    ImageBytes{dump.out}.writeTo(cli.path("label.json"));

    const CliRunner::Result build = cli.run({"build", cli.path("label.json"), "-o", "copy.G1A"});
    ASSERT_EQ(build.status, 0) << build.err.toStdString();
    EXPECT_EQ(fileBytes(cli.path("copy.G1A")), fileBytes(image));
}

TEST(Cli, OlderVersionsAreBuiltBackAsTheyWere) {
    const CliRunner cli;
    for (const QByteArray& original :
         {ImageBytes::smallImage("nebra V1.0X008", std::nullopt, false),
          ImageBytes::smallImage("nebra V2.1X000", 3, true),
          ImageBytes::smallImage("nebra V2.0X000", 3, false)}) {
        ImageBytes{original}.writeTo(cli.path("old.G1A"));
        const CliRunner::Result dump = cli.run({"dump", "old.G1A"});
        ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
        ImageBytes{dump.out}.writeTo(cli.path("old.json"));
        ASSERT_EQ(cli.run({"build", "old.json", "--output", "new.G1A"}).status, 0);
        EXPECT_EQ(fileBytes(cli.path("new.G1A")), original) << dump.out.toStdString();
    }
}

TEST(Cli, FailuresEndWithOneLineNamingTheFile) {
    const CliRunner cli;
    writeImage(cli.path("good.G1A"));
    const QByteArray good = fileBytes(cli.path("good.G1A"));
    ImageBytes{good.left(good.size() - 9)}.writeTo(cli.path("cut.G1A"));
    ImageBytes{"{\"TypeCode\": 2}"}.writeTo(cli.path("noarea.json"));
    ImageBytes{cli.run({"dump", "good.G1A"}).out}.writeTo(cli.path("good.json"));

    const struct {
        QStringList args;
        QStringList named;
    } cases[] = {
        {{"dump", "cut.G1A"}, {"cut.G1A", "Unexpected end of file"}},
        {{"build", "noarea.json", "-o", "x.G1A"}, {"noarea.json", "Area: missing"}},
        {{"build", "good.json", "-o", "no/folder/x.G1A"}, {"no/folder/x.G1A"}},
        {{"render", "cut.G1A", "-o", "x.png"}, {"cut.G1A"}},
        {{"render", "good.G1A", "-o", "x.png", "--zoom", "0"}, {"--zoom"}},
        {{"render", "good.G1A", "-o", "x.png", "--now", "2024-02-30 10:00"}, {"render", "--now"}},
        {{"compile", "good.G1A", "-o", "x.bin", "--now", "today"}, {"compile", "--now"}},
        {{"download", "good.G1A", "--port", "/dev/null", "--now", "9:00"}, {"download", "--now"}},
        {{"frobnicate"}, {"unknown command \"frobnicate\""}},
        {{"dump", "--colour", "good.G1A"}, {"colour"}},
        {{"export", "good.G1A", "-o", "x.jpg"}, {"export", "x.jpg"}},
        {{"inkcost", "good.G1A", "--dot", "x"}, {"inkcost", "--dot"}},
        {{"inkcost", "good.G1A", "--dot", "-1"}, {"inkcost", "--dot"}},
        {{"inkcost", "good.G1A", "--price", "cheap"}, {"inkcost", "--price"}},
        {{"inkcost", "good.G1A", "--count", "1.5"}, {"inkcost", "--count"}},
        {{"inkcost", "good.G1A", "--count", "-3"}, {"inkcost", "--count"}},
    };
    for (const auto& c : cases) {
        const CliRunner::Result r = cli.run(c.args);
        EXPECT_EQ(r.status, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(isOneLineNaming(r.err, c.named)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(cli.path("x.G1A")));
    EXPECT_FALSE(QFile::exists(cli.path("x.jpg")));
}

TEST(Cli, OutputsOnAFullDiskFailAndKeepThePreviousFile) {
    const CliRunner cli;
    cli.folders().writeIni("[MainForm]\n"); // without settings every image is too large
    writeImage(cli.path("good.G1A"));
    ImageBytes{cli.run({"dump", "good.G1A"}).out}.writeTo(cli.path("good.json"));
    const QByteArray old = "the previous output";
    for (const QStringList& args : {QStringList{"build", "good.json", "-o", "out"},
                                    QStringList{"compile", "good.G1A", "-o", "out"},
                                    QStringList{"render", "good.G1A", "-o", "out"}}) {
        ImageBytes{old}.writeTo(cli.path("out"));
        const CliRunner::Result r = cli.runOnFullDisk(args);
        EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
        EXPECT_TRUE(isOneLineNaming(r.err, {"out"})) << r.err.toStdString();
        EXPECT_EQ(fileBytes(cli.path("out")), old) << args.join(' ').toStdString();
    }
}

TEST(Cli, VersionIsTheProjectVersion) {
    const CliRunner cli;
    for (const char* option : {"--version", "-v"}) {
        const CliRunner::Result r = cli.run({option});
        EXPECT_EQ(r.status, 0) << option;
        EXPECT_EQ(r.out, "tolvane-cli " TOLVANE_PROJECT_VERSION "\n") << option;
        EXPECT_TRUE(r.err.isEmpty()) << option;
    }
}

TEST(Cli, RenderDrawsWhatTheEditingViewDraws) {
    const CliRunner cli;
    const QString image = cli.path("label.G1A");
    writeImage(image);
    for (const char* zoom : {"1", "1.5"}) {
        const CliRunner::Result r = cli.run(
            {"render", image, "-o", "label.png", "--zoom", zoom, "--now", "2024-01-01 14:30"});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QImage rendered = QImage(cli.path("label.png")).convertToFormat(QImage::Format_RGB32);
        const QImage expected = drawnInProcess(image, cli.fontMap(), QByteArray(zoom).toFloat());
        EXPECT_TRUE(rendered == expected) << "zoom " << zoom;
        EXPECT_TRUE(hasInk(expected));
    }
}

// The time and the shift code shown are those of --now, not of the system
// clock.
TEST(Cli, RenderShowsTheTimeAndShiftOfNow) {
    const CliRunner cli;
    writeClockImage(cli.path("clock.G1A"));
    for (const auto& [now, time, code] :
         {std::tuple{"2024-03-04 13:59", "13:59", "A"}, {"2024-03-04 14:00", "14:00", "B"}}) {
        writeClockImage(cli.path("fixed.G1A"), time, code);
        for (const char* image : {"clock", "fixed"}) {
            const CliRunner::Result r = cli.run({"render", QLatin1String(image) + ".G1A", "-o",
                                                 QLatin1String(image) + ".png", "--now", now});
            ASSERT_EQ(r.status, 0) << r.err.toStdString();
        }
        const QImage fixed(cli.path("fixed.png"));
        EXPECT_TRUE(hasInk(fixed.convertToFormat(QImage::Format_RGB32)));
        EXPECT_TRUE(QImage(cli.path("clock.png")) == fixed) << now;
    }
}
