// The packet receiver: bytes from the line, through a port in memory, into
// the link's three ways of taking a packet. Whatever arrives, an accepted
// packet is whole with a checksum that matches, an accepted reply is an
// acknowledgement numbered for the packet sent, and the link never sends more than its
// attempts allow.
//
// Input: byte 0 picks the exchange, byte 1 the position after which the line
// goes quiet once (a time-out in the middle of a packet; 255: never), the
// rest is what the handheld sends.
#include "FuzzCheck.h"

#include "comms/BytePort.h"
#include "comms/Packet.h"
#include "comms/SerialLink.h"
#include "texts/Messages.h"

#include <deque>
#include <memory>

namespace {

class ScriptedPort final : public BytePort {
public:
    ScriptedPort(std::deque<std::uint8_t> incoming, std::size_t quietAfter,
                 std::vector<std::uint8_t>& written)
        : incoming_(std::move(incoming)), quietAfter_(quietAfter), written_(written) {}

    bool writeByte(std::uint8_t byte) override {
        written_.push_back(byte);
        return true;
    }
    std::optional<std::uint8_t> readByte(int) override {
        if (read_ == quietAfter_ && !quietPassed_) {
            quietPassed_ = true;
            return std::nullopt;
        }
        if (incoming_.empty())
            return std::nullopt;
        const std::uint8_t byte = incoming_.front();
        incoming_.pop_front();
        ++read_;
        return byte;
    }
    int bytesWaiting() override { return int(incoming_.size()); }
    bool waitForBytes(int count, int) override { return bytesWaiting() >= count; }
    void purge() override {}
    void close() override {}

private:
    std::deque<std::uint8_t> incoming_;
    std::size_t quietAfter_;
    std::size_t read_ = 0;
    bool quietPassed_ = false;
    std::vector<std::uint8_t>& written_;
};

enum class Exchange { Receive, ReceiveWithAck, SendData, SendCommand };

// Packets the link wrote, told apart by their command byte (written
// packets are whole: a fake line takes every byte).
int packetsWritten(const std::vector<std::uint8_t>& written) {
    int packets = 0;
    for (std::size_t at = 0; at + Packet::HeaderSize <= written.size(); ++packets)
        at += Packet::HeaderSize + (written[at + 2] == PacketCommand::Data ? Packet::DataSize : 0);
    return packets;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const auto exchange = Exchange(data[0] % 4);
    const std::size_t quietAfter = data[1] == 255 ? SIZE_MAX : data[1];
    std::vector<std::uint8_t> written;
    Packet reply;
    const Messages messages;
    SerialLink link(reply, messages, LinkTimeouts{0, 0, 0, 0});
    link.attach(std::make_unique<ScriptedPort>(std::deque<std::uint8_t>(data + 2, data + size),
                                               quietAfter, written));

    Packet packet;
    switch (exchange) {
    case Exchange::Receive:
        if (link.receivePacket(packet))
            FUZZ_CHECK(packet.wireSize() <= int(size - 2), "a packet was taken from too few bytes");
        FUZZ_CHECK(written.empty(), "receiving wrote to the line");
        break;
    case Exchange::ReceiveWithAck: {
        const bool received = link.receiveWithAck(packet);
        if (received)
            FUZZ_CHECK(packet.checksumMatches(), "a packet was accepted with a bad checksum");
        FUZZ_CHECK(packetsWritten(written) <= SerialLink::ReceiveAttempts,
                   "more answers than attempts");
        break;
    }
    case Exchange::SendData:
    case Exchange::SendCommand: {
        Packet sent;
        if (exchange == Exchange::SendData)
            sent.prepareData(std::vector<std::uint8_t>{'N', 'A', 'M', 'E', 0}, data[0] / 4 + 1);
        else
            sent.prepareCommand(PacketCommand::Status);
        const bool acknowledged = link.sendWithRetry(sent);
        if (acknowledged) {
            FUZZ_CHECK(reply.Command == PacketCommand::Ack ||
                           reply.Command == PacketCommand::Accepted,
                       "a reply other than an acknowledgement was taken as one");
            FUZZ_CHECK(reply.PacketNumber == 1 || reply.PacketNumber == sent.PacketNumber,
                       "a reply numbered for another packet was taken");
        }
        FUZZ_CHECK(packetsWritten(written) <= SerialLink::SendAttempts, "more sends than attempts");
        break;
    }
    }
    return 0;
}
