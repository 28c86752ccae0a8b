#include "comms/Packet.h"

#include "platform/TolvError.h"

#include <algorithm>

Packet Packet::request(std::uint8_t command) {
    Packet packet;
    packet.prepareCommand(command);
    return packet;
}

void Packet::prepareCommand(std::uint8_t command) {
    DestinationDevice = HandheldDevice;
    SourceDevice = MachineDevice;
    Command = command;
    ByteCount = 0;
    ControlByte1 = 0;
    ControlByte2 = 0;
    PacketNumber = 1;
    Checksum1 = 0;
    Checksum2 = computeChecksum();
}

void Packet::prepareData(std::span<const std::uint8_t> bytes, int packetNumber) {
    if (bytes.size() > DataSize)
        throw TolvError("A data packet holds at most 128 bytes");
    prepareCommand(PacketCommand::Data);
    Data.fill(0);
    std::copy(bytes.begin(), bytes.end(), Data.begin());
    ByteCount = static_cast<std::uint8_t>(bytes.size());
    PacketNumber = static_cast<std::uint8_t>(packetNumber & 0xFF);
    Checksum2 = computeChecksum();
}

void Packet::setControlByte1(std::uint8_t value) {
    ControlByte1 = value;
    Checksum1 = 0;
    Checksum2 = computeChecksum();
}

std::string Packet::dataText() const {
    return std::string(Data.begin(), Data.begin() + countedBytes());
}

int Packet::countedBytes() const {
    return std::min<int>(ByteCount, DataSize);
}

std::uint8_t Packet::computeChecksum() const {
    unsigned sum = ControlByte1 + ControlByte2 + PacketNumber;
    for (int i = 0; i < countedBytes(); ++i)
        sum += Data[i];
    return static_cast<std::uint8_t>(256 - sum % 256);
}

bool Packet::checksumMatches() const {
    return ByteCount <= DataSize && computeChecksum() == Checksum2;
}

std::array<std::uint8_t*, Packet::HeaderSize> Packet::headerFields() {
    return {&DestinationDevice, &SourceDevice, &Command,      &ByteCount,   &Checksum1,
            &Checksum2,         &ControlByte1, &ControlByte2, &PacketNumber};
}

std::array<std::uint8_t, Packet::HeaderSize> Packet::headerBytes() const {
    return {DestinationDevice, SourceDevice, Command,      ByteCount,   Checksum1,
            Checksum2,         ControlByte1, ControlByte2, PacketNumber};
}

std::vector<std::uint8_t> Packet::wireBytes() const {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(wireSize()));
    const auto header = headerBytes();
    std::copy(header.begin(), header.end(), bytes.begin());
    if (carriesData())
        std::copy(Data.begin(), Data.end(), bytes.begin() + HeaderSize);
    return bytes;
}
