#include "comms/CommsPort.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "comms/Packet.h"
#include "comms/SerialLink.h"
#include "comms/ui/SerialPortDialog.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <gtest/gtest.h>

namespace {

// The built-in texts.
const Messages messages;

} // namespace

// The dialog shows no choice for it but keeps it, so that nothing is lost.
TEST(CommsPort, AStoredPortNamingNoPortOpensNothingAndIsKept) {
    TestFolders folders;
    folders.writeIni("[CommsPortForm]\nCommsPort=7\n");
    ScriptedPrompter prompter;
    Packet reply;
    SerialLink link(reply, messages);
    EXPECT_FALSE(link.openCommsPort(CommsPort::storedIndex(SettingsFile::open().get()), prompter));
    {
        SerialPortDialog form(SettingsFile::open().get());
        EXPECT_EQ(form.itemIndex(), -1);
    }
    EXPECT_EQ(SettingsFile::open()->readString(CommsPort::Section, "CommsPort", ""), "7");
}

// The message table is the one the link was given, not one shared by the
// whole program: two links in other languages report in their own.
TEST(CommsPort, EachLinkReportsInTheMessageTableItWasGiven) {
    TestFolders folders;
    Messages other;
    other.InvalidCommsPortNoError = QStringLiteral("Ogiltigt portnummer");
    Packet reply;
    SerialLink builtIn(reply, messages);
    SerialLink translated(reply, other);
    ScriptedPrompter prompter;
    EXPECT_FALSE(translated.openCommsPort(7, prompter));
    EXPECT_FALSE(builtIn.openCommsPort(7, prompter));
    EXPECT_EQ(prompter.texts(),
              QStringList({"Ogiltigt portnummer", "Invalid communications port number"}));
}
