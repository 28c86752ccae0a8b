// The order of events on the line, with the handheld's bytes queued in memory.
#include "FakeBytePort.h"
#include "comms/Packet.h"
#include "comms/SerialLink.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

namespace {

// The built-in texts.
const Messages messages;

class LinkProtocol : public ::testing::Test {
protected:
    LinkProtocol() {
        auto fake = std::make_unique<FakeBytePort>();
        port = fake.get();
        link.attach(std::move(fake));
    }

    // The packets the link wrote, by their command letters.
    std::string commandsWritten() const {
        std::string letters;
        for (std::size_t i = 0; i + Packet::HeaderSize <= port->written.size();) {
            letters += static_cast<char>(port->written[i + 2]);
            i += Packet::HeaderSize + (port->written[i + 2] == 'S' ? Packet::DataSize : 0);
        }
        return letters;
    }

    Packet reply;
    SerialLink link{reply, messages, {.replyWaitMs = 10, .receivePauseMs = 0}};
    FakeBytePort* port;
};

} // namespace

TEST_F(LinkProtocol, AReplyCutShortReadsZerosAndIsNoReply) {
    const Bytes ack = fromHandheld('A');
    port->incoming = {0x00, ack[0], ack[1], ack[2], ack[3]};
    Packet packet;
    EXPECT_FALSE(link.receivePacket(packet));
    EXPECT_EQ(packet.Command, 'A');
    EXPECT_EQ(packet.Checksum2, '0');
    EXPECT_EQ(packet.PacketNumber, '0');

    port->replies = {{0x00, ack[0], ack[1], ack[2], ack[3]}};
    EXPECT_FALSE(link.sendWithRetry(Packet::request('P')));
    EXPECT_EQ(commandsWritten(), "PPPPP");
}

TEST_F(LinkProtocol, SendRetriesUntilAcceptedAndTakesIAsYes) {
    port->queueReply(fromHandheld('N'));
    port->queueReply(fromHandheld('I'));
    EXPECT_TRUE(link.sendWithRetry(Packet::request('Z')));
    EXPECT_EQ(commandsWritten(), "ZZ");
    EXPECT_EQ(link.replyPacket().Command, 'I');
}

TEST_F(LinkProtocol, ReceiveAsksAgainForAPacketCountingPastItsField) {
    Bytes bad = fromHandheld('S', 0, {'Q'}, 2);
    bad[3] = 129;
    port->queue(bad);
    port->queueReply(fromHandheld('S', 0, {'O', 'K'}, 2));
    Packet packet;
    EXPECT_TRUE(link.receiveWithAck(packet));
    EXPECT_EQ(packet.dataText(), "OK");
    EXPECT_EQ(commandsWritten(), "NA");
    EXPECT_EQ(link.replyPacket().Command, 'A');
}

// A reply that comes after the wait for it has ended must not answer the
// next packet: the link drops what is waiting before it sends, and it does
// not take a reply numbered for another packet.
TEST_F(LinkProtocol, ALateReplyNeverAnswersTheNextPacket) {
    port->queue(fromHandheld('A')); // the late answer to an earlier packet
    port->queueReply(fromHandheld('A', 0x04));
    EXPECT_TRUE(link.sendWithRetry(Packet::request('P')));
    EXPECT_EQ(link.replyPacket().ControlByte2, 0x04);

    Packet data;
    data.prepareData(Bytes{'x'}, 7);
    Bytes strayAck = fromHandheld('A');
    strayAck[8] = 3; // the answer to data packet 3
    port->queueReply(strayAck);
    port->queueReply(fromHandheld('A'));
    EXPECT_TRUE(link.sendWithRetry(data));
    EXPECT_EQ(commandsWritten(), "PSS");
    EXPECT_EQ(link.replyPacket().Command, 'A');
}

TEST_F(LinkProtocol, AnswersToAPacketDropWhatIsLeftOfIt) {
    // A data packet whose command byte came damaged leaves its data unread.
    Bytes damaged = fromHandheld('S', 0, {'Q'}, 2);
    damaged[2] = 'X';
    port->queue(damaged);
    port->queueReply(fromHandheld('S', 0, {'O', 'K'}, 2));
    Packet packet;
    EXPECT_TRUE(link.receiveWithAck(packet));
    EXPECT_EQ(packet.dataText(), "OK");
    EXPECT_EQ(commandsWritten(), "NA");
}
