// The download command and its dialog, driven as a user would, against the
// handheld simulator on a pseudo-terminal.
#include "DialogDriving.h"
#include "DownloadTestSupport.h"
#include "HandheldSimProcess.h"
#include "TestFolders.h"
#include "app/Messages.h"
#include "app/wareHouse.h"
#include "comms/ui/DownloadCommands.h"
#include "comms/ui/DownloadUnit.h"

#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

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
        image.items.Append(textItem({60, 60}, "Tolvane"));
        data.SetShortName("AB");
        data.SetLongName("PRODUCT");
        const LinkTimeouts timeouts{.replyWaitMs = replyWaitMs, .receivePauseMs = 5};
        runDownload({prompter, reply, 1, nullptr, timeouts},
                    {data, image.items, image.shifts, image.fonts, maxSize, {}});
    }
    static TDownloadForm::Page page(QDialog& dialog) {
        return static_cast<TDownloadForm&>(dialog).currentPage();
    }
    // A full handheld holding A and B: Yes, then Replace with row (or none).
    void replaceOnFullHandheld(int row) {
        startSim({"--full", "--preload", "A", "--preload", "B"});
        prompter.dialogScripts.push_back(drive([row](QDialog& d) {
            EXPECT_EQ(labelText(d, "NameLabel"), QStringLiteral("Image: AB PRODUCT"));
            click(d, "DownloadButton");
            ASSERT_TRUE(eventually([&] { return page(d) == TDownloadForm::FullPage; }));
            click(d, "YesButton");
            ASSERT_TRUE(eventually([&] { return page(d) == TDownloadForm::ReplaceImagePage; }));
            EXPECT_EQ(listLines(d, "ReplaceListBox"), QStringList({"A", "B"}));
            if (row >= 0)
                control<QListWidget>(d, "ReplaceListBox")->setCurrentRow(row);
            click(d, "ReplaceButton");
            ASSERT_TRUE(eventually([&] { return shown(d, "DoneButton"); }));
            click(d, "DoneButton");
            ASSERT_TRUE(eventually([&] { return shown(d, "ProceedButton"); }));
            click(d, "ProceedButton");
        }));
        run();
        EXPECT_EQ(prompter.dialogsRun, QStringList{"DownloadForm"});
    }

    TestFolders folders;
    ScriptedPrompter prompter;
    std::unique_ptr<HandheldSimProcess> sim;
    IRPacket reply;
    ImageFixture image;
    TNEBRAData data{nullptr};
    std::uint32_t maxSize = 32512;
};

} // namespace

TEST_F(DownloadCommand, ReplaceWithoutASelectionStoresTheImageAsNew) {
    replaceOnFullHandheld(-1);
    const auto packets = receivedDataPackets(sim->trace());
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].control1, 0);
    const QString stored = QStringLiteral("stored as new AB PRODUCT, %1 bytes");
    EXPECT_TRUE(sim->trace().contains(stored.arg(image.bytes().size())));
}

TEST_F(DownloadCommand, TheSelectedImageIsOverwritten) {
    replaceOnFullHandheld(1);
    const auto packets = receivedDataPackets(sim->trace());
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].control1, 2);
    EXPECT_EQ(packets[1].control1, 0);
}

TEST_F(DownloadCommand, ProgressLogAndFinalListFollowTheTransfer) {
    startSim({"--preload", "OLD"});
    image.items.Append(textItem({60, 60}, std::string(300, 'q'))); // 3 data packets
    prompter.dialogScripts.push_back(drive([](QDialog& d) {
        click(d, "DownloadButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "DoneButton"); }));
        const auto* bar = control<QProgressBar>(d, "ProgressBar");
        EXPECT_EQ(bar->maximum(), 4);
        EXPECT_EQ(bar->value(), 4);
        const QStringList log = listLines(d, "PacketsListBox");
        EXPECT_EQ(log.count(QStringLiteral("--------------------------Packet sent---------------"
                                           "------------")),
                  7); // P, T, the names packet, three data packets, E
        click(d, "DoneButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "ProceedButton"); }));
        EXPECT_EQ(page(d), TDownloadForm::ShowImagesPage);
        EXPECT_EQ(listLines(d, "ImagesListBox"), QStringList({"OLD", "AB PRODUCT"}));
        click(d, "ProceedButton");
    }));
    run();
}

TEST_F(DownloadCommand, AnUnacknowledgedEndIsAnErrorNotDone) {
    // P, T, the acknowledgements of one name and of the list's end, the names
    // packet and one data packet are answered; the end packet is not.
    startSim({"--preload", "OLD", "--hang-after", "6"});
    prompter.dialogScripts.push_back(drive([](QDialog& d) {
        click(d, "DownloadButton");
        ASSERT_TRUE(eventually([&] { return page(d) == TDownloadForm::ErrorPage; }));
        EXPECT_EQ(labelText(d, "ErrorLabel"), QStringLiteral("Error:Comms error"));
        EXPECT_FALSE(control<QPushButton>(d, "DoneButton")->isEnabled());
        click(d, "ContinueButton");
    }));
    run(100);
    EXPECT_EQ(sim->received(11), QStringLiteral("PTAASSEEEEE"));
}

TEST_F(DownloadCommand, APulledCableClosesThePortOnTheErrorPage) {
    startSim({"--preload", "OLD", "--hang-after", "5"});
    prompter.dialogScripts.push_back(drive([](QDialog& d) {
        click(d, "DownloadButton");
        ASSERT_TRUE(eventually([&] { return page(d) == TDownloadForm::ErrorPage; }));
        EXPECT_EQ(labelText(d, "ErrorLabel"), QStringLiteral("Error:Comms error"));
        EXPECT_FALSE(static_cast<TDownloadForm&>(d).link().isOpen());
        click(d, "ContinueButton");
    }));
    run(100);
}

TEST_F(DownloadCommand, StatusFaultsShowTheirTextWithASpace) {
    startSim({"--sram-fault", "--full"});
    prompter.dialogScripts.push_back(drive([](QDialog& d) {
        click(d, "DownloadButton");
        ASSERT_TRUE(eventually([&] { return page(d) == TDownloadForm::ErrorPage; }));
        EXPECT_EQ(labelText(d, "ErrorLabel"), QStringLiteral("Error: SRAM fault"));
        click(d, "ContinueButton");
    }));
    run();
    EXPECT_EQ(sim->received(1), QStringLiteral("P"));
}

TEST_F(DownloadCommand, RefusedImagesNeverReachTheDialog) {
    image.items.Append(textItem({60, 60}, "x"));
    const LinkTimeouts timeouts{};
    runDownload({prompter, reply, 1, nullptr, timeouts},
                {data, image.items, image.shifts, image.fonts, maxSize, {}});
    data.SetShortName("AB");
    data.SetLongName("PRODUCT");
    runDownload({prompter, reply, 1, nullptr, timeouts},
                {data, image.items, image.shifts, image.fonts, 0, {}}); // no settings file
    EXPECT_EQ(prompter.texts(), QStringList({Messages::program().CannotDownloadNoLabelDescription,
                                             Messages::program().ImageTooBigError}));
    EXPECT_EQ(prompter.shown.front().icon, Prompter::Icon::Stop);
    EXPECT_TRUE(prompter.dialogsRun.isEmpty());
}

TEST_F(DownloadCommand, DiagnosticModeSavesTheWholeBufferInsteadOfDownloading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    data.switchOnDiagnostic();
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No};
    prompter.fileAnswers = {{true, path, 0}};
    run();
    QFile saved(path);
    EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.size(), 65537);
    // Declined, the download goes on, here to a port the settings cannot name.
    runDownload({prompter, reply, 7, nullptr, {}},
                {data, image.items, image.shifts, image.fonts, maxSize, {}});
    EXPECT_EQ(prompter.texts(), QStringList({"Save to file ?", "Save to file ?",
                                             "Invalid communications port number"}));
    EXPECT_TRUE(prompter.dialogsRun.isEmpty());
}

TEST(DownloadForm, TextsComeFromTheSettingsWithTheirDefaults) {
    TestFolders folders;
    IRPacket reply;
    TDownloadForm plain(nullptr, reply);
    EXPECT_EQ(plain.windowTitle(), QStringLiteral("DownLoad Iaaamage"));
    EXPECT_EQ(control<QPushButton>(plain, "YesButton")->text(), QStringLiteral("&Yes"));
    EXPECT_EQ(control<QPushButton>(plain, "EraseProceedButton")->text(), QStringLiteral("proceed"));
    EXPECT_EQ(plain.pos(), QPoint(100, 100));
    folders.writeIni("[DownloadForm]\nCaption=Senden\nYes=&Ja\nProceed=Weiter\nCancel=Nein\n"
                     "Left=7\nTop=9\n");
    const IniFile ini(folders.iniPath());
    TDownloadForm german(&ini, reply);
    EXPECT_EQ(german.windowTitle(), QStringLiteral("Senden"));
    EXPECT_EQ(control<QPushButton>(german, "YesButton")->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(control<QPushButton>(german, "EraseProceedButton")->text(), QStringLiteral("Weiter"));
    EXPECT_EQ(control<QPushButton>(german, "ReplaceCancelButton")->text(), QStringLiteral("Nein"));
    EXPECT_EQ(german.pos(), QPoint(7, 9));
}
