#pragma once

#include "comms/BytePort.h"
#include "comms/Packet.h"

#include <deque>
#include <string>
#include <vector>

// A byte port in memory for tests of the protocol's order of events: what
// the handheld "sends" is queued beforehand, what the link writes is
// recorded. Reads never wait: a byte that is not queued is simply missing.
// Bytes in incoming are on the line already (a purge drops them); replies
// queued with queueReply arrive one by one, each when the link has written
// a whole packet.
class FakeBytePort final : public BytePort {
public:
    std::deque<std::uint8_t> incoming;
    std::deque<std::vector<std::uint8_t>> replies;
    std::vector<std::uint8_t> written;

    bool writeByte(std::uint8_t byte) override {
        written.push_back(byte);
        if (packetEndsAt(written.size()) && !replies.empty()) {
            incoming.insert(incoming.end(), replies.front().begin(), replies.front().end());
            replies.pop_front();
        }
        return true;
    }
    std::optional<std::uint8_t> readByte(int) override {
        if (incoming.empty())
            return std::nullopt;
        const std::uint8_t byte = incoming.front();
        incoming.pop_front();
        return byte;
    }
    int bytesWaiting() override { return static_cast<int>(incoming.size()); }
    bool waitForBytes(int count, int) override { return bytesWaiting() >= count; }
    void purge() override { incoming.clear(); }
    void close() override {}

    // Queues a packet as the handheld puts it on the line: lead byte first.
    void queue(const std::vector<std::uint8_t>& wire) {
        incoming.push_back(0x00);
        incoming.insert(incoming.end(), wire.begin(), wire.end());
    }
    // The handheld's answer to the next packet the link writes.
    void queueReply(const std::vector<std::uint8_t>& wire) {
        std::vector<std::uint8_t> line{0x00};
        line.insert(line.end(), wire.begin(), wire.end());
        replies.push_back(std::move(line));
    }

private:
    // Whether the written bytes up to count end a packet.
    bool packetEndsAt(std::size_t count) const {
        std::size_t at = 0;
        while (at + Packet::HeaderSize <= count) {
            const bool data = written[at + 2] == PacketCommand::Data;
            at += Packet::HeaderSize + (data ? Packet::DataSize : 0);
            if (at == count)
                return true;
        }
        return false;
    }
};

// A packet as the handheld would build it (the checksum right).
inline std::vector<std::uint8_t> fromHandheld(std::uint8_t command, std::uint8_t status = 0,
                                              const std::vector<std::uint8_t>& data = {},
                                              int number = 1) {
    Packet packet;
    if (command == PacketCommand::Data)
        packet.prepareData(data, number);
    else
        packet.prepareCommand(command);
    packet.DestinationDevice = Packet::MachineDevice;
    packet.SourceDevice = Packet::HandheldDevice;
    packet.ControlByte2 = status;
    packet.Checksum2 = packet.computeChecksum();
    return packet.wireBytes();
}
