#pragma once

#include "comms/BytePort.h"
#include "comms/IRPackets.h"

#include <deque>
#include <string>
#include <vector>

// A byte port in memory for tests of the protocol's order of events: what
// the handheld "sends" is queued beforehand, what the link writes is
// recorded. Reads never wait: a byte that is not queued is simply missing.
class FakeBytePort final : public BytePort {
public:
    std::deque<std::uint8_t> incoming;
    std::vector<std::uint8_t> written;

    bool writeByte(std::uint8_t byte) override {
        written.push_back(byte);
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
};

// A packet as the handheld would build it (the checksum right).
inline std::vector<std::uint8_t> fromHandheld(std::uint8_t command, std::uint8_t status = 0,
                                              const std::vector<std::uint8_t>& data = {},
                                              int number = 1) {
    IRPacket packet;
    if (command == PacketCommand::Data)
        packet.PrepareData(data, number);
    else
        packet.PrepareCommand(command);
    packet.DestinationDevice = IRPacket::MachineDevice;
    packet.SourceDevice = IRPacket::HandheldDevice;
    packet.ControlByte2 = status;
    packet.Checksum2 = packet.ComputeChecksum();
    return packet.wireBytes();
}
