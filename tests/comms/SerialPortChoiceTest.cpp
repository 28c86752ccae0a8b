// The port dialog's device list and the reasons a port will not open, over
// the simulator's pseudo-terminal.
#include "DialogDriving.h"
#include "HandheldSimProcess.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "comms/Packet.h"
#include "comms/PortOpenError.h"
#include "comms/QtSerialBytePort.h"
#include "comms/SerialLink.h"
#include "comms/ui/SerialPortDialog.h"
#include "platform/IniFile.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/RadioGroup.h"

#include <QComboBox>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const Messages messages;

class SerialPortChoice : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sim.started());
        folders.writeIni("[CommsPortForm]\nCommsPort=0\n");
    }

    // The machine's ports as the dialog is told of them: the simulator's
    // terminal (which the system would not list) and a USB adapter.
    std::vector<SerialPortEntry> machinePorts() const {
        return {
            {sim.devicePath(), QStringLiteral("Handheld simulator"), {}, {}},
            {QStringLiteral("/dev/ttyUSB7"), QStringLiteral("FT232R USB UART"), 0x0403, 0x6001}};
    }

    QString stored(const char* key) const {
        return IniFile(folders.iniPath()).readString("CommsPortForm", key, "");
    }

    TestFolders folders;
    HandheldSimProcess sim;
    ScriptedPrompter prompter;
};

QStringList itemTexts(const QComboBox& box) {
    QStringList texts;
    for (int row = 0; row < box.count(); ++row)
        texts << box.itemText(row);
    return texts;
}

// On the choice's circle: a click right of its caption misses it.
void check(RadioGroup* group, int index) {
    QRadioButton* choice = group->button(index);
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
}

} // namespace

TEST_F(SerialPortChoice, TheDialogListsTheMachinesPortsAndStoresTheOnePicked) {
    SerialPortDialog form(SettingsFile::open().get(), nullptr, [this] { return machinePorts(); });
    prompter.dialogScripts.push_back(modalScript([this](QDialog& d) {
        auto* box = control<QComboBox>(d, "DeviceComboBox");
        EXPECT_EQ(itemTexts(*box), QStringList({sim.devicePath() + " - Handheld simulator",
                                                "/dev/ttyUSB7 - FT232R USB UART (USB 0403:6001)"}));
        EXPECT_EQ(box->currentText(), "/dev/ttyS0"); // COM1's device as stored
        check(control<RadioGroup>(d, "PortNumberRG"), 2);
        EXPECT_EQ(box->currentText(), "/dev/ttyS2");
        // Picked by the keyboard: the field takes the path alone.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        EXPECT_EQ(box->currentText(), sim.devicePath());
        click(d, "OKButton");
    }));
    ASSERT_TRUE(form.execute(prompter));
    EXPECT_EQ(stored("COM3Device"), sim.devicePath());
    EXPECT_EQ(stored("CommsPort"), "2");
    EXPECT_EQ(stored("COM1Device"), ""); // untouched ports write nothing

    // The port now reaches the handheld behind the terminal.
    Packet reply;
    SerialLink link(reply, messages);
    ASSERT_TRUE(link.openCommsPort(form.commsPort(), prompter));
    EXPECT_TRUE(link.sendWithRetry(Packet::request('P')));
}

// An adapter the system does not report is typed in; each port keeps its
// own device while the user moves between them, and Cancel keeps none.
TEST_F(SerialPortChoice, ATypedDeviceIsKeptPerPortAndOnlyOnOk) {
    SerialPortDialog form(SettingsFile::open().get(), nullptr, {});
    const auto typeDevices = [](QDialog& d) {
        auto* group = control<RadioGroup>(d, "PortNumberRG");
        auto* box = control<QComboBox>(d, "DeviceComboBox");
        check(group, 3);
        typeInto(box->lineEdit(), "/dev/ttyACM0");
        check(group, 1);
        typeInto(box->lineEdit(), "/dev/ttyUSB9");
        check(group, 3);
        EXPECT_EQ(box->currentText(), "/dev/ttyACM0");
        check(group, 1);
    };
    prompter.dialogScripts.push_back(modalScript([&](QDialog& d) {
        typeDevices(d);
        click(d, "CancelButton");
    }));
    EXPECT_FALSE(form.execute(prompter));
    EXPECT_EQ(stored("COM2Device"), "");
    EXPECT_EQ(form.device(1), "/dev/ttyS1");

    prompter.dialogScripts.push_back(modalScript([&](QDialog& d) {
        typeDevices(d);
        click(d, "OKButton");
    }));
    ASSERT_TRUE(form.execute(prompter));
    EXPECT_EQ(stored("COM2Device"), "/dev/ttyUSB9");
    EXPECT_EQ(stored("COM4Device"), "/dev/ttyACM0");
    EXPECT_EQ(stored("CommsPort"), "1");
}

// The message names the device and the reason the system gave.
TEST_F(SerialPortChoice, APortThatWillNotOpenSaysWhy) {
    QTemporaryDir dir;
    const QString locked = dir.filePath("locked");
    writeBytes(locked, "x");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    const auto holder = QtSerialBytePort::open(sim.devicePath(), 55);
    ASSERT_NE(holder, nullptr);
    const struct {
        QString device;
        PortOpenError::Reason reason;
        QString words;
        bool needsUser;
    } cases[] = {
        {"/nonexistent/tty", PortOpenError::Reason::Missing, "does not exist", false},
        {sim.devicePath(), PortOpenError::Reason::Busy, "in use by another program", false},
        // The superuser may open anything.
        {locked, PortOpenError::Reason::Permission, "dialout", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device.toStdString());
        if (c.needsUser && ::geteuid() == 0)
            continue;
        PortOpenError error;
        EXPECT_EQ(QtSerialBytePort::open(c.device, 55, &error), nullptr);
        EXPECT_EQ(error.reason, c.reason);
        EXPECT_EQ(error.device, c.device);

        Packet reply;
        SerialLink link(reply, messages);
        prompter.shown.clear();
        EXPECT_FALSE(link.openDevice(c.device, prompter));
        const QStringList lines = prompter.texts().value(0).split(u'\n');
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0], messages.CouldNotOpenPortError);
        EXPECT_TRUE(lines[1].contains(c.device));
        EXPECT_TRUE(lines[1].contains(c.words)) << lines[1].toStdString();
    }
}
