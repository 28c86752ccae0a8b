// The download command and its dialog, driven as a user would, against the
// handheld simulator on a pseudo-terminal.
#include "comms/ui/DownloadDialog.h"
#include "DialogDriving.h"
#include "DownloadTestSupport.h"
#include "HandheldSimProcess.h"
#include "LinkCancelling.h"
#include "TestFolders.h"
#include "comms/QtSerialBytePort.h"
#include "comms/ui/DownloadCommands.h"
#include "document/DataStore.h"
#include "document/ItemTypeNames.h"
#include "texts/Messages.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

namespace {

class DownloadCommand : public ::testing::Test {
protected:
    // The simulator behind COM2, packets unpaced.
    void startSim(const QStringList& options) {
        sim = std::make_unique<HandheldSimProcess>(options);
        ASSERT_TRUE(sim->started());
        folders.writeIni("[CommsPortForm]\nCOM2Device=" + sim->devicePath().toLocal8Bit() +
                         "\n[DownloadForm]\nPacketInterval=0\n");
    }
    void run(int replyWaitMs = 3000) {
        image.items.append(textItem({60, 60}, "Tolvane"));
        data.setShortName("AB");
        data.setLongName("PRODUCT");
        const LinkTimeouts timeouts{.replyWaitMs = replyWaitMs, .receivePauseMs = 5};
        const DownloadLimits limits{DownloadLimits::DefaultShortNameLength, maxSize};
        runDownload(
            {prompter, reply, messages, 1, nullptr, timeouts},
            {data, image.items, image.shifts, image.fonts, *image.calendar, kindNames, limits, {}});
    }
    static DownloadDialog::Page page(QDialog& dialog) {
        return static_cast<DownloadDialog&>(dialog).currentPage();
    }
    TestFolders folders;
    ScriptedPrompter prompter;
    std::unique_ptr<HandheldSimProcess> sim;
    Packet reply;
    ImageFixture image;
    DataStore data{nullptr};
    const Messages messages;
    const ItemTypeNames kindNames;
    std::uint32_t maxSize = 32512;
};

} // namespace

// A full handheld: Yes, then replace with no image chosen.
TEST_F(DownloadCommand, ReplaceWithoutASelectionStoresTheImageAsNew) {
    startSim({"--full", "--preload", "A", "--preload", "B"});
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        EXPECT_EQ(labelText(d, "NameLabel"), QStringLiteral("Image: AB PRODUCT"));
        click(d, "DownloadButton");
        ASSERT_TRUE(eventually([&] { return page(d) == DownloadDialog::FullPage; }));
        click(d, "YesButton");
        ASSERT_TRUE(eventually([&] { return page(d) == DownloadDialog::ReplaceImagePage; }));
        EXPECT_EQ(listLines(d, "ReplaceListBox"), QStringList({"A", "B"}));
        click(d, "ReplaceButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "DoneButton"); }));
        click(d, "DoneButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "ProceedButton"); }));
        click(d, "ProceedButton");
    }));
    run();
    const auto packets = receivedDataPackets(sim->trace());
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].control1, 0);
    const QString stored = QStringLiteral("stored as new AB PRODUCT, %1 bytes");
    EXPECT_TRUE(sim->trace().contains(stored.arg(image.bytes().size())));
}

// The handheld acknowledged the end, so the image is stored: a final list
// it refuses ends as a download does, with a line saying so, not on the
// error page that would have the user download it twice.
TEST_F(DownloadCommand, AFinalListThatCannotBeReadStillEndsDone) {
    startSim({"--preload", "OLD", "--list-once"});
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        click(d, "DownloadButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "DoneButton"); }));
        click(d, "DoneButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "ProceedButton"); }));
        EXPECT_EQ(page(d), DownloadDialog::ShowImagesPage);
        EXPECT_TRUE(shown(d, "ListNotReadLabel"));
        EXPECT_EQ(
            labelText(d, "ListNotReadLabel"),
            QStringLiteral("The image was stored, but the handheld's list could not be read."));
        click(d, "ProceedButton");
    }));
    run();
    EXPECT_TRUE(sim->trace().join(u'\n').contains(QStringLiteral("stored as new AB PRODUCT")));
}

TEST_F(DownloadCommand, AnUnacknowledgedEndIsAnErrorNotDone) {
    // P, T, the acknowledgements of one name and of the list's end, the names
    // packet and one data packet are answered; the end packet is not.
    startSim({"--preload", "OLD", "--hang-after", "6"});
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        click(d, "DownloadButton");
        ASSERT_TRUE(eventually([&] { return page(d) == DownloadDialog::ErrorPage; }));
        EXPECT_EQ(labelText(d, "ErrorLabel"), QStringLiteral("Error:Comms error"));
        EXPECT_FALSE(control<QPushButton>(d, "DoneButton")->isEnabled());
        EXPECT_FALSE(static_cast<DownloadDialog&>(d).portOpen());
        click(d, "ContinueButton");
    }));
    run(100);
    EXPECT_EQ(sim->received(11), QStringLiteral("PTAASSEEEEE"));
}

TEST_F(DownloadCommand, DiagnosticModeSavesTheWholeBufferInsteadOfDownloading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    data.switchOnDiagnostic();
    prompter.answers = {Prompter::Answer::Yes};
    prompter.fileAnswers = {{true, path, 0}};
    run();
    QFile saved(path);
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.size(), 65537);
    EXPECT_EQ(prompter.texts(), QStringList({"Save to file ?"}));
    EXPECT_TRUE(prompter.dialogsRun.isEmpty()); // nothing goes to the handheld
}

// A handheld that never answers keeps only the link's thread waiting: the
// window goes on at its pace, and Cancel ends the download within a second
// with the port closed and nothing stored.
TEST_F(DownloadCommand, ASilentHandheldLeavesTheWindowResponsiveAndCancelEndsTheDownload) {
    QTemporaryDir store;
    startSim({"--silent", "--store", store.path()});
    const QString device = sim->devicePath();
    prompter.dialogScripts.push_back(modalScript([device](QDialog& d) {
        auto& dialog = static_cast<DownloadDialog&>(d);
        int ticks = 0;
        QTimer timer;
        timer.setInterval(50);
        QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        click(d, "DownloadButton");
        timer.start();
        QTest::qWait(1000);   // the status request waits for its reply meanwhile
        EXPECT_GE(ticks, 10); // 20 at its interval; none while the window waits
        EXPECT_TRUE(dialog.portOpen());
        ASSERT_TRUE(shown(d, "LinkCancelButton"));
        EXPECT_FALSE(shown(d, "CancelButton")); // one Cancel at a time
        cancelWithinASecond(dialog);
        EXPECT_NE(QtSerialBytePort::open(device, 55), nullptr); // let go indeed
        EXPECT_FALSE(shown(d, "LinkCancelButton"));
        click(d, "ContinueButton");
    }));
    run(30000);
    EXPECT_EQ(sim->received(1), QStringLiteral("P")); // sent once, not retried after Cancel
    EXPECT_TRUE(QDir(store.path()).isEmpty());
}

// The progress bar counts the packets; the log says what each packet was,
// with the fields behind Details; the final list shows the new image, which
// the handheld holds byte for byte as compiled.
TEST_F(DownloadCommand, ProgressLogAndFinalListFollowTheTransfer) {
    QTemporaryDir store;
    startSim({"--preload", "OLD", "--store", store.path()});
    image.items.append(textItem({60, 60}, std::string(300, 'q'))); // 3 data packets
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        click(d, "DownloadButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "DoneButton"); }));
        EXPECT_EQ(control<QProgressBar>(d, "ProgressBar")->value(), 4);
        // P, T, the names packet, three data packets, E
        EXPECT_EQ(listLines(d, "PacketsListBox")
                      .count(QStringLiteral("--------------------------Packet sent-----------"
                                            "----------------")),
                  7);
        auto* log = control<QListWidget>(d, "PacketsListBox");
        const auto visibleLines = [log] {
            QStringList lines;
            for (int row = 0; row < log->count(); ++row)
                if (!log->item(row)->isHidden())
                    lines << log->item(row)->text();
            return lines;
        };
        const QString ack = QStringLiteral("← acknowledged");
        EXPECT_EQ(visibleLines(),
                  QStringList({"→ status", ack, "→ list", ack, "← name OLD", "← end", "→ names",
                               ack, "→ data 1 of 3", ack, "→ data 2 of 3", ack, "→ data 3 of 3",
                               ack, "→ end", ack}));
        auto* details = control<QCheckBox>(d, "DetailsCheckBox");
        ASSERT_TRUE(details);
        EXPECT_EQ(details->text(), QStringLiteral("Details"));
        details->click();
        EXPECT_EQ(visibleLines().size(), log->count());
        EXPECT_TRUE(visibleLines().contains(QStringLiteral("Packet Number=04")));
        EXPECT_EQ(log->verticalScrollBar()->value(), log->verticalScrollBar()->maximum());
        details->click();
        EXPECT_EQ(visibleLines().size(), 16);
        click(d, "DoneButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "ProceedButton"); }));
        EXPECT_EQ(page(d), DownloadDialog::ShowImagesPage);
        EXPECT_EQ(listLines(d, "ImagesListBox"), QStringList({"OLD", "AB PRODUCT"}));
        EXPECT_FALSE(shown(d, "ListNotReadLabel"));
        click(d, "ProceedButton");
    }));
    run();
    const Bytes compiled = image.bytes();
    EXPECT_EQ(
        fileBytes(QDir(store.path()).filePath(QStringLiteral("2.bin"))),
        QByteArray(reinterpret_cast<const char*>(compiled.data()), qsizetype(compiled.size())));
}
