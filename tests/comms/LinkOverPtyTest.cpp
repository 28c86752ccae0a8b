// The serial link over a real pseudo-terminal, against the handheld simulator.
#include "HandheldSimProcess.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "comms/Packet.h"
#include "comms/PortOpenError.h"
#include "comms/SerialLink.h"
#include "texts/Messages.h"

#include <QThread>

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

namespace {

// The built-in texts.
const Messages messages;

class LinkOverPty : public ::testing::Test {
protected:
    // Starts the simulator and opens COM2, which the settings map to its
    // terminal. The wait for a reply is generous, so that a busy machine
    // does not turn into a retry.
    void connect(const QStringList& options) {
        sim = std::make_unique<HandheldSimProcess>(options);
        ASSERT_TRUE(sim->started());
        folders.writeIni("[CommsPortForm]\nCOM2Device=" + sim->devicePath().toLocal8Bit() + "\n");
        link = std::make_unique<SerialLink>(
            reply, messages, LinkTimeouts{.replyWaitMs = 3000, .receivePauseMs = 20});
        ASSERT_TRUE(link->openPort(QStringLiteral("COM2"), prompter));
        link->setLogSink([this](const QString& line) { log << line; });
    }

    TestFolders folders;
    ScriptedPrompter prompter;
    std::unique_ptr<HandheldSimProcess> sim; // outlives the link, which closes first
    Packet reply;
    std::unique_ptr<SerialLink> link;
    QStringList log;
};

} // namespace

TEST_F(LinkOverPty, ARefusalEndsTheSendAfterOneAttempt) {
    connect({QStringLiteral("--refuse-send")});
    Packet names;
    names.prepareData(Bytes{'A', 'B', 0}, 1);
    EXPECT_FALSE(link->sendAndLog(names));
    EXPECT_EQ(link->replyPacket().Command, 'B');
    EXPECT_EQ(sim->received(1), QStringLiteral("S"));
}

TEST_F(LinkOverPty, ADamagedPacketIsAskedForThreeTimesAtMost) {
    connect({QStringLiteral("--corrupt-every"), QStringLiteral("1"), QStringLiteral("--preload"),
             QStringLiteral("ONE")});
    // Replies to the designer's own packets are taken without a checksum test.
    ASSERT_TRUE(link->sendAndLog(Packet::request('T')));
    Packet packet;
    EXPECT_FALSE(link->receiveAndLog(packet));
    EXPECT_EQ(sim->received(4), QStringLiteral("TNNN"));
    EXPECT_TRUE(log.contains(PacketLog::ReadError));
}

TEST_F(LinkOverPty, ThePortIsHeldExclusivelyUntilClosed) {
    connect({});
    Packet otherReply;
    SerialLink other(otherReply, messages);
    EXPECT_FALSE(other.openDevice(sim->devicePath(), prompter));
    const PortOpenError busy{sim->devicePath(), PortOpenError::Reason::Busy, {}};
    EXPECT_EQ(prompter.texts(), QStringList{busy.message(messages)});

    link->closePort();
    ASSERT_TRUE(other.openDevice(sim->devicePath(), prompter));
    EXPECT_TRUE(other.sendWithRetry(Packet::request('P')));
}

// Closing the port must not swallow the last packet sent: the final
// acknowledge of a listing would otherwise never reach the handheld, and it
// would read the next command out of step.
TEST_F(LinkOverPty, ThePacketSentLastReachesTheHandheldAfterTheClose) {
    connect({QStringLiteral("--silent")});
    for (int i = 0; i < 20; ++i) {
        link->sendPacket(Packet::request('A'));
        link->closePort();
        ASSERT_TRUE(link->openPort(QStringLiteral("COM2"), prompter));
    }
    EXPECT_EQ(sim->received(20), QString(20, u'A'));
}

// The handheld answers the names packet after the link has given up waiting:
// the link sends the packet again and both answers arrive together. The
// second, late, one must not be taken as the answer to the status request
// that follows (it would hide the low battery).
TEST_F(LinkOverPty, AnAnswerThatComesTooLateAnswersNothingElse) {
    sim = std::make_unique<HandheldSimProcess>(QStringList{
        QStringLiteral("--late-reply"), QStringLiteral("1"), QStringLiteral("--late-ms"),
        QStringLiteral("700"), QStringLiteral("--low-battery")});
    ASSERT_TRUE(sim->started());
    folders.writeIni("[CommsPortForm]\nCOM2Device=" + sim->devicePath().toLocal8Bit() + "\n");
    link = std::make_unique<SerialLink>(reply, messages,
                                        LinkTimeouts{.replyWaitMs = 400, .receivePauseMs = 0});
    ASSERT_TRUE(link->openPort(QStringLiteral("COM2"), prompter));

    Packet names;
    names.prepareData(Bytes{'A', 'B', 0}, 1);
    ASSERT_TRUE(link->sendWithRetry(names));
    QThread::msleep(100); // the second answer is on the line by now
    ASSERT_TRUE(link->sendWithRetry(Packet::request('P')));
    EXPECT_EQ(link->replyPacket().ControlByte2, PacketStatus::LowBattery);
    EXPECT_EQ(sim->received(3), QStringLiteral("SSP"));
}
