#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The command letters of the handheld protocol.
namespace PacketCommand {
constexpr std::uint8_t Status = 'P';   // status request; reply carries the status bits
constexpr std::uint8_t Data = 'S';     // data packet: names or image bytes
constexpr std::uint8_t End = 'E';      // after the last data packet / the last name
constexpr std::uint8_t List = 'T';     // request the stored image names
constexpr std::uint8_t Erase = 'Z';    // erase the stored images
constexpr std::uint8_t Ack = 'A';      // acknowledge
constexpr std::uint8_t Nak = 'N';      // received packet failed its checksum
constexpr std::uint8_t Refuse = 'B';   // refusal; in reply to List: nothing stored
constexpr std::uint8_t Accepted = 'I'; // taken like Ack
} // namespace PacketCommand

// Status bits in Control byte2 of the handheld's reply to a status request.
namespace PacketStatus {
constexpr std::uint8_t LowBattery = 0x01;
constexpr std::uint8_t SramFault = 0x02;
constexpr std::uint8_t MemoryFull = 0x04;
} // namespace PacketStatus

// One packet of the handheld protocol: a 9-byte header and, in data packets
// only, a 128-byte data field. Fields are public because receiving fills
// them byte by byte straight from the line; the Prepare operations keep the
// checksum right for packets the designer builds. Besides the packets made
// for one exchange each, the program keeps one for good, the reply packet:
// it is handed to the serial link, and every exchange leaves the handheld's
// last answer in it.
class Packet {
public:
    static constexpr int DataSize = 128;
    static constexpr int HeaderSize = 9;
    // Device letters of the two ends: the handheld and the designer's machine.
    static constexpr std::uint8_t HandheldDevice = 'H';
    static constexpr std::uint8_t MachineDevice = 'M';

    std::uint8_t DestinationDevice = 0;
    std::uint8_t SourceDevice = 0;
    std::uint8_t Command = 0;
    std::uint8_t ByteCount = 0;
    std::uint8_t Checksum1 = 0;
    std::uint8_t Checksum2 = 0;
    std::uint8_t ControlByte1 = 0;
    std::uint8_t ControlByte2 = 0;
    std::uint8_t PacketNumber = 0;
    std::array<std::uint8_t, DataSize> Data{};

    // Every field 0.
    Packet() = default;
    // An outgoing request, prepared for the given command (status by default).
    static Packet request(std::uint8_t command = PacketCommand::Status);

    void prepareCommand(std::uint8_t command);
    // A data packet of 0 to 128 bytes; more raises TolvError.
    void prepareData(std::span<const std::uint8_t> bytes, int packetNumber);
    void setControlByte1(std::uint8_t value);
    // The meaningful bytes of the data field, as they are.
    std::string dataText() const;

    // The checksum over the covered fields (control bytes, packet number and
    // the counted data bytes).
    std::uint8_t computeChecksum() const;
    // True when the packet is whole and its second checksum byte is right.
    // A Byte count beyond the data field counts as damage.
    bool checksumMatches() const;

    bool carriesData() const { return Command == PacketCommand::Data; }
    int wireSize() const { return HeaderSize + (carriesData() ? DataSize : 0); }
    // The bytes as they go on the line.
    std::vector<std::uint8_t> wireBytes() const;
    // The header fields in line order, for filling one byte at a time.
    std::array<std::uint8_t*, HeaderSize> headerFields();
    std::array<std::uint8_t, HeaderSize> headerBytes() const;

private:
    int countedBytes() const;
};
