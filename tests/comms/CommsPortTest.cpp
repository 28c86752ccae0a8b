#include "comms/CommsPort.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "comms/IRPackets.h"
#include "comms/SerialLink.h"
#include "comms/ui/CommsPortFormUnit.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <gtest/gtest.h>

// The dialog shows no choice for it but keeps it, so that nothing is lost.
namespace {

// The built-in texts.
const Messages messages;

} // namespace

TEST(CommsPort, AStoredPortNamingNoPortOpensNothingAndIsKept) {
    TestFolders folders;
    folders.writeIni("[CommsPortForm]\nCommsPort=7\n");
    ScriptedPrompter prompter;
    IRPacket reply;
    SerialLink link(reply, messages);
    EXPECT_FALSE(link.OpenCommsPort(CommsPort::storedIndex(SettingsFile::open().get()), prompter));
    {
        TCommsPortForm form(SettingsFile::open().get());
        EXPECT_EQ(form.itemIndex(), -1);
    }
    EXPECT_EQ(SettingsFile::open()->readString(CommsPort::Section, "CommsPort", ""), "7");
}
