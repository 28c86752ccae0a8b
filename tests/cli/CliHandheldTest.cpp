// The handheld's commands of tolvane-cli, run as a program against the
// handheld simulator on a pseudo-terminal.
#include "CliRunner.h"
#include "HandheldSimProcess.h"
#include "ImageBytes.h"
#include "comms/DownloadCompiler.h"
#include "document/ImageFile.h"
#include "items/BarcodeItem.h"
#include "items/NumberItem.h"
#include "printer/FontSet.h"
#include "printer/PrinterModels.h"
#include "texts/Messages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// An image of the second model, as the designer saves it.
void writeImage(const QString& path, const std::string& shortName, bool withItems = true) {
    ImageFileHeader h;
    h.ShortName = shortName;
    h.LongName = "PRODUCT";
    h.TypeCode = 2;
    h.Area = {0, 0, 900, 228};
    h.MonthLanguageName = "English";
    h.MonthStrings = "JanFeb";
    ItemList items;
    if (withItems) {
        items.append(storedTextItem(3, {60, 100}, "Tolvane 123"));
        items.append(storedTextItem(5, {400, 200}, "Lot"));
    }
    ImageFile::write(path, h, items, imageFileRegistry());
}

// An image of one item that only an edited file may hold.
void writeOneItem(const QString& path, std::unique_ptr<ImageItem> item) {
    ImageFileHeader h;
    h.ShortName = "AB";
    h.LongName = "PRODUCT";
    h.TypeCode = 2;
    h.Area = {0, 0, 900, 228};
    ItemList items;
    item->setPosition({60, 100});
    items.append(std::move(item));
    ImageFile::write(path, h, items, imageFileRegistry());
}

// The image compiled in this process, with the same font map.
QByteArray compiledHere(const QString& path, const QString& fontMap) {
    const ImageFileContents c = ImageFile::read(path, imageFileRegistry(), Messages());
    PrinterModels models(nullptr);
    models.setSelectedIndex(*c.Header.modelIndex());
    FontSet fonts(models);
    EXPECT_TRUE(fonts.loadFontMap(fontMap, imageFileRegistry()));
    EXPECT_NE(fonts.downloadCodeOf(3), 0); // so a compile without fonts would differ
    const DownloadSource source{c.Header.ShortName,     c.Header.LongName, c.Header.MonthStrings,
                                c.Header.Shifts,        *c.Items,          fonts,
                                models.selectedIndex(), systemCalendar()};
    const auto result = DownloadCompiler::compile(source, {10, 32512});
    EXPECT_NE(result.image, nullptr);
    return result.image ? QByteArray(reinterpret_cast<const char*>(result.image->Bytes.data()),
                                     result.image->Size)
                        : QByteArray();
}

class CliHandheld : public ::testing::Test {
protected:
    CliHandheld() {
        cli.folders().writeIni("[DownloadForm]\nPacketInterval=0\n");
        writeImage(image, "AB");
    }
    void startSim(const QStringList& options) {
        sim = std::make_unique<HandheldSimProcess>(options);
        ASSERT_TRUE(sim->started());
    }
    CliRunner::Result run(QStringList args) {
        args << "--port" << sim->devicePath();
        return cli.run(args);
    }

    CliRunner cli;
    const QString image = cli.path("label.G1A");
    std::unique_ptr<HandheldSimProcess> sim;
};

} // namespace

TEST_F(CliHandheld, CompileWritesExactlyTheCompiledBytes) {
    const CliRunner::Result r = cli.run({"compile", image, "-o", "label.bin"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(fileBytes(cli.path("label.bin")), compiledHere(image, cli.fontMap()));
}

TEST_F(CliHandheld, EachFailedCheckIsOneLineAndNoFile) {
    writeImage(cli.path("nameless.G1A"), "");
    writeImage(cli.path("empty.G1A"), "AB", false);
    auto counter = ImageItem::createNew<NumberItem>(3);
    counter->Restart = "1e3"; // no integer
    writeOneItem(cli.path("counter.G1A"), std::move(counter));
    auto barcode = ImageItem::createNew<BarcodeItem>(3);
    barcode->editData().Text = "12"; // an EAN-13 of two digits
    writeOneItem(cli.path("barcode.G1A"), std::move(barcode));
    const struct {
        QStringList args;
        QStringList named;
    } cases[] = {
        {{"compile", "nameless.G1A", "-o", "x.bin"}, {"No Label Description - Cannot Download"}},
        {{"compile", "empty.G1A", "-o", "x.bin"}, {"No Items Defined - Cannot Download"}},
        {{"compile", "counter.G1A", "-o", "x.bin"},
         {"Error - invalid integer: 1 (Numeric)", "counter.G1A"}},
        {{"compile", "barcode.G1A", "-o", "x.bin"},
         {"item 1 (EAN13)", "exactly 12 digits", "barcode.G1A"}},
        {{"download", "label.G1A"}, {"--port"}},
        {{"erase", "--port", "/nonexistent/tty"},
         {"Could not open communications port", "/nonexistent/tty"}},
    };
    for (const auto& c : cases) {
        const CliRunner::Result r = cli.run(c.args);
        EXPECT_EQ(r.status, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(isOneLineNaming(r.err, c.named)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(cli.path("x.bin")));
    }
}

TEST_F(CliHandheld, DownloadStoresTheCompiledBytesAndListsTheImages) {
    QTemporaryDir store;
    startSim({"--preload", "OLD", "--store", store.path()});
    ASSERT_EQ(cli.run({"compile", image, "-o", "label.bin"}).status, 0);
    const CliRunner::Result r = run({"download", image, "--log"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.endsWith("\nOLD\nAB PRODUCT\n"));
    EXPECT_TRUE(r.out.startsWith("--------------------------Packet sent")); // the log
    EXPECT_EQ(fileBytes(QDir(store.path()).filePath("2.bin")), fileBytes(cli.path("label.bin")));
}

// After the acknowledged end the image is stored: a refused final list is a
// note on standard error, not a failure that would invite a second download.
TEST_F(CliHandheld, ADownloadWhoseFinalListIsRefusedSucceedsWithANote) {
    startSim({"--preload", "OLD", "--list-once"});
    const CliRunner::Result r = run({"download", image});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(isOneLineNaming(r.err, {"the handheld's list could not be read"}))
        << r.err.toStdString();
    EXPECT_TRUE(sim->trace().join(u'\n').contains(QStringLiteral("stored as new AB PRODUCT")));
}

TEST_F(CliHandheld, AFullHandheldNeedsTheImageToReplace) {
    startSim({"--full", "--preload", "A", "--preload", "B"});
    CliRunner::Result r = run({"download", image});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(isOneLineNaming(r.err, {"full", "--replace"})) << r.err.toStdString();
    r = run({"download", image, "--replace", "3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(isOneLineNaming(r.err, {"--replace 3", "2 images"})) << r.err.toStdString();
    r = run({"download", image, "--replace", "2"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray("A\nAB PRODUCT\n"));
}

TEST_F(CliHandheld, ListAndEraseTheStoredImages) {
    startSim({"--preload", "ONE", "--preload", "TWO", "--preload", "THREE"});
    CliRunner::Result r = run({"list"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray("ONE\nTWO\nTHREE\n"));
    r = run({"erase"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray("Completed\n"));
    r = run({"list"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()); // an empty handheld lists nothing
}

// Ctrl+C while the handheld does not answer stops the command at once, not
// after the time-outs, and it fails saying so.
TEST_F(CliHandheld, CtrlCCancelsAWaitForASilentHandheld) {
    for (const QStringList& args :
         {QStringList{"download", image}, QStringList{"list"}, QStringList{"erase"}}) {
        startSim({"--silent"});
        const auto process = cli.start(args + QStringList{"--port", sim->devicePath()});
        ASSERT_EQ(process->state(), QProcess::Running);
        EXPECT_EQ(sim->received(1).size(), 1); // the first request waits for its reply
        QElapsedTimer clock;
        clock.start();
        ::kill(static_cast<pid_t>(process->processId()), SIGINT);
        ASSERT_TRUE(process->waitForFinished(5000)) << args.first().toStdString();
        EXPECT_LT(clock.elapsed(), 1000) << args.first().toStdString();
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        EXPECT_NE(process->exitCode(), 0);
        const QByteArray err = process->readAllStandardError();
        EXPECT_TRUE(isOneLineNaming(err, {args.first() + ": Cancelled"})) << err.toStdString();
        EXPECT_EQ(sim->received(1).size(), 1) << args.first().toStdString(); // no retry
    }
}
