#include "comms/CommsPort.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "app/Messages.h"
#include "app/SettingsFile.h"
#include "app/ui/RadioGroup.h"
#include "comms/IRPackets.h"
#include "comms/SerialLink.h"
#include "comms/ui/CommsPortFormUnit.h"
#include "platform/IniFile.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Checks the preselected port, moves the dialog, checks another port and
// clicks the named button.
ScriptedPrompter::DialogScript choosePort(int preselected, int port, const char* button) {
    return [=](QDialog& dialog) {
        auto* rg = dialog.findChild<RadioGroup*>(QStringLiteral("PortNumberRG"));
        EXPECT_EQ(rg->itemIndex(), preselected);
        dialog.move(33, 44);
        rg->button(port)->click();
        dialog.setResult(QDialog::Rejected);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        return dialog.result();
    };
}

QString setting(const char* key) {
    return SettingsFile::open()->readString(CommsPort::Section, QLatin1String(key), "(none)");
}

} // namespace

TEST(CommsPort, PortsMapToTheirDevices) {
    TestFolders folders;
    folders.writeIni("[CommsPortForm]\nCOM3Device=/dev/ttyUSB0\n");
    const auto settings = SettingsFile::open();
    EXPECT_EQ(CommsPort::devicePath(settings.get(), 2), "/dev/ttyUSB0");
    EXPECT_EQ(CommsPort::devicePath(settings.get(), 3), "/dev/ttyS3");
    EXPECT_EQ(CommsPort::devicePath(nullptr, 0), "/dev/ttyS0");
    EXPECT_EQ(CommsPort::devicePath(settings.get(), 4), "");
    EXPECT_EQ(CommsPort::portName(1), "COM2");
    EXPECT_EQ(CommsPort::indexOfName("com4"), 3);
    EXPECT_EQ(CommsPort::indexOfName("COM5"), -1);
}

TEST(CommsPort, APortThatWillNotOpenShowsOnlyThePortMessage) {
    TestFolders folders;
    folders.writeIni("[CommsPortForm]\nCOM1Device=/nonexistent/tty\nCOM2Device=/dev/null\n");
    ScriptedPrompter prompter;
    IRPacket reply;
    SerialLink link(reply);
    EXPECT_FALSE(link.OpenPort("COM1", prompter));
    EXPECT_FALSE(link.OpenCommsPort(1, prompter)); // not a terminal
    EXPECT_FALSE(link.isOpen());
    ASSERT_EQ(prompter.shown.size(), 2u);
    for (const auto& shown : prompter.shown) {
        EXPECT_EQ(shown.text, Messages::program().CouldNotOpenPortError);
        EXPECT_EQ(shown.caption, "");
        EXPECT_EQ(shown.icon, Prompter::Icon::Stop);
    }
}

TEST(CommsPort, AStoredPortNamingNoPortOpensNothing) {
    TestFolders folders;
    folders.writeIni("[CommsPortForm]\nCommsPort=7\n");
    ScriptedPrompter prompter;
    IRPacket reply;
    SerialLink link(reply);
    EXPECT_FALSE(link.OpenCommsPort(CommsPort::storedIndex(SettingsFile::open().get()), prompter));
    EXPECT_EQ(prompter.texts(), QStringList{"Invalid communications port number"});
    EXPECT_FALSE(link.isOpen());
}

TEST(CommsPortForm, ShowsBuiltInOrSettingsTexts) {
    TestFolders folders;
    {
        TCommsPortForm form(nullptr);
        EXPECT_EQ(form.objectName(), "CommsPortForm");
        EXPECT_EQ(form.windowTitle(), "Set Comms Port");
        const auto* rg = form.findChild<RadioGroup*>("PortNumberRG");
        EXPECT_EQ(rg->title(), " Set Port Number ");
        EXPECT_EQ(rg->items(), QStringList({"COM1", "COM2", "COM3", "COM4"}));
        EXPECT_EQ(form.findChild<QPushButton*>("CancelButton")->text(), "Cancel");
    }
    EXPECT_FALSE(QFile::exists(folders.iniPath())); // no settings file: nothing written

    folders.writeIni("[CommsPortForm]\nCaption=Port\nPortNumberRGCaption=Nummer\n"
                     "PortNumberRGCOM2=Zwei\nCancel=Abbrechen\nLeft=10\nTop=20\nCommsPort=2\n");
    TCommsPortForm form(SettingsFile::open().get());
    const auto* rg = form.findChild<RadioGroup*>("PortNumberRG");
    EXPECT_EQ(form.windowTitle(), "Port");
    EXPECT_EQ(rg->title(), "Nummer");
    EXPECT_EQ(rg->items(), QStringList({"COM1", "Zwei", "COM3", "COM4"}));
    EXPECT_EQ(form.findChild<QPushButton*>("CancelButton")->text(), "Abbrechen");
    EXPECT_EQ(form.pos(), QPoint(10, 20));
    EXPECT_EQ(form.commsPort(), 2);
}

TEST(CommsPortForm, OkSavesTheChoiceCancelKeepsIt) {
    TestFolders folders;
    folders.writeIni("[CommsPortForm]\nCommsPort=1\n");
    TCommsPortForm form(SettingsFile::open().get());
    ScriptedPrompter prompter;
    prompter.dialogScripts = {choosePort(1, 3, "CancelButton"), choosePort(1, 2, "OKButton")};
    EXPECT_FALSE(form.execute(prompter));
    EXPECT_EQ(form.commsPort(), 1);
    EXPECT_EQ(setting("Left"), "(none)");

    EXPECT_TRUE(form.execute(prompter));
    EXPECT_EQ(form.commsPort(), 2);
    EXPECT_EQ(setting("CommsPort"), "2");
    EXPECT_EQ(setting("Left"), "33");
    EXPECT_EQ(setting("Top"), "44");
}

TEST(CommsPortForm, AGarbledPortIsKeptAndWrittenBackWhenDestroyed) {
    TestFolders folders;
    folders.writeIni("[CommsPortForm]\nCommsPort=7\n");
    {
        TCommsPortForm form(SettingsFile::open().get());
        EXPECT_EQ(form.itemIndex(), -1);
        EXPECT_EQ(form.commsPort(), 7);
        form.move(5, 6);
    }
    EXPECT_EQ(setting("CommsPort"), "7");
    EXPECT_EQ(setting("Left"), "5");
}
