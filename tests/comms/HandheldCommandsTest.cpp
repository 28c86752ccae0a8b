// Viewing and erasing the handheld's images, driven as a user would.
#include "DialogDriving.h"
#include "HandheldSimProcess.h"
#include "LinkCancelling.h"
#include "TestFolders.h"
#include "comms/ui/DownloadCommands.h"
#include "comms/ui/DownloadDialog.h"
#include "comms/ui/HandheldContentsDialog.h"
#include "platform/IniFile.h"
#include "texts/Messages.h"

#include <QElapsedTimer>
#include <QPointer>

namespace {

// The built-in texts.
const Messages messages;

class HandheldCommand : public ::testing::Test {
protected:
    // The simulator behind COM2.
    void startSim(const QStringList& options) {
        sim = std::make_unique<HandheldSimProcess>(options);
        ASSERT_TRUE(sim->started());
        folders.writeIni("[CommsPortForm]\nCOM2Device=" + sim->devicePath().toLocal8Bit() + "\n");
    }
    HandheldCommandContext context(int replyWaitMs = 3000) {
        return {prompter, reply,   messages,
                1,        nullptr, LinkTimeouts{.replyWaitMs = replyWaitMs, .receivePauseMs = 5}};
    }
    // Views, expecting the error page with text.
    void viewFails(const QString& text, int replyWaitMs) {
        prompter.dialogScripts.push_back(script([text](QDialog& d) {
            EXPECT_EQ(static_cast<HandheldContentsDialog&>(d).currentPage(),
                      HandheldContentsDialog::ErrorPage);
            EXPECT_EQ(labelText(d, "ErrorLabel"), text);
            click(d, "ContinueButton");
        }));
        const QPointer<HandheldContentsDialog> form = viewHandheld(context(replyWaitMs));
        ASSERT_TRUE(form);
        EXPECT_TRUE(eventually([&] { return form.isNull(); })); // closed and gone
        EXPECT_EQ(prompter.dialogsRun, QStringList{"HandHeldForm"});
    }

    TestFolders folders;
    ScriptedPrompter prompter;
    std::unique_ptr<HandheldSimProcess> sim;
    Packet reply;
};

} // namespace

TEST_F(HandheldCommand, ViewListsTheStoredImagesInOrder) {
    startSim({"--preload", "ONE", "--preload", "TWO", "--preload", "THREE"});
    const QPointer<HandheldContentsDialog> form = viewHandheld(context());
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isVisible());
    ASSERT_TRUE(eventually([&] { return shown(*form, "OKButton"); }));
    EXPECT_EQ(form->imageNames(), QStringList({"ONE", "TWO", "THREE"}));
    EXPECT_FALSE(form->listing());              // the port is let go
    EXPECT_TRUE(prompter.dialogsRun.isEmpty()); // shown, not run modally
    click(*form, "OKButton");
    EXPECT_TRUE(eventually([&] { return form.isNull(); }));
}

TEST_F(HandheldCommand, ViewOfAnEmptyOrSilentHandheldShowsTheError) {
    startSim({});
    viewFails(QStringLiteral("Error:Hand Held Empty"), 3000);
    prompter.dialogsRun.clear();
    startSim({"--silent"});
    viewFails(QStringLiteral("Error:Comms error"), 100);
}

TEST_F(HandheldCommand, EraseOnAPortThatWillNotOpenShowsOnlyThePortMessage) {
    folders.writeIni("[CommsPortForm]\nCOM2Device=/nonexistent/tty\n");
    prompter.dialogScripts.push_back(script([this](QDialog& d) {
        click(d, "EraseProceedButton");
        EXPECT_EQ(prompter.texts(), QStringList{messages.CouldNotOpenPortError + u'\n' +
                                                messages.PortMissingError.arg("/nonexistent/tty")});
        EXPECT_FALSE(shown(d, "CompletedLabel"));
        EXPECT_TRUE(shown(d, "EraseProceedButton")); // the user may try again or cancel
        click(d, "EraseCancelButton");
    }));
    eraseHandheld(context());
    EXPECT_EQ(prompter.dialogsRun, QStringList{"DownloadForm"});
}

TEST_F(HandheldCommand, AnAcknowledgedEraseIsCompleted) {
    startSim({"--preload", "OLD"});
    const IniFile ini(folders.iniPath());
    DownloadDialog form(&ini, reply, messages);
    form.setPacing({0, 0});
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        EXPECT_EQ(static_cast<DownloadDialog&>(d).currentPage(), DownloadDialog::EraseHandsetPage);
        click(d, "EraseProceedButton");
        ASSERT_TRUE(eventually([&] { return shown(d, "CompletedLabel"); }));
        click(d, "EraseOKButton");
    }));
    form.runErase(prompter, 1);
    EXPECT_TRUE(sim->trace().contains(QStringLiteral("erased")));
    EXPECT_EQ(sim->received(1), QStringLiteral("Z"));
}

TEST_F(HandheldCommand, AnUnansweredEraseIsNotCompleted) {
    startSim({"--silent"});
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        click(d, "EraseProceedButton");
        ASSERT_TRUE(eventually([&] {
            return static_cast<DownloadDialog&>(d).currentPage() == DownloadDialog::ErrorPage;
        }));
        EXPECT_EQ(labelText(d, "ErrorLabel"), QStringLiteral("Error: Comms error"));
        EXPECT_FALSE(shown(d, "CompletedLabel"));
        click(d, "ContinueButton");
    }));
    eraseHandheld(context(100));
}

// Cancel stops the reading of a handheld that does not answer at once, not
// after its time-outs, and lets go of the port.
TEST_F(HandheldCommand, CancelStopsTheViewOfASilentHandheld) {
    startSim({"--silent"});
    QElapsedTimer clock;
    prompter.dialogScripts.push_back(modalScript([&clock](QDialog& d) {
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_EQ(labelText(d, "ErrorLabel"), QStringLiteral("Cancelled"));
        EXPECT_FALSE(static_cast<HandheldContentsDialog&>(d).listing());
        click(d, "ContinueButton");
    }));
    const QPointer<HandheldContentsDialog> form = viewHandheld(context(30000));
    ASSERT_TRUE(form);
    QTest::qWait(300);
    EXPECT_TRUE(form->listing());
    ASSERT_TRUE(shown(*form, "CancelButton"));
    clock.start();
    click(*form, "CancelButton");
    EXPECT_TRUE(eventually([&] { return form.isNull(); }, 3000));
    EXPECT_EQ(prompter.dialogsRun, QStringList{"HandHeldForm"});
    EXPECT_EQ(sim->received(1), QStringLiteral("T"));
}

TEST_F(HandheldCommand, CancelStopsTheEraseOfASilentHandheld) {
    startSim({"--silent"});
    prompter.dialogScripts.push_back(modalScript([](QDialog& d) {
        auto& dialog = static_cast<DownloadDialog&>(d);
        click(d, "EraseProceedButton");
        QTest::qWait(300);
        EXPECT_TRUE(dialog.portOpen());
        ASSERT_TRUE(shown(d, "LinkCancelButton"));
        cancelWithinASecond(dialog);
        EXPECT_FALSE(shown(d, "CompletedLabel"));
        click(d, "ContinueButton");
    }));
    eraseHandheld(context(30000));
    EXPECT_EQ(sim->received(1), QStringLiteral("Z"));
}
