#include "comms/Packet.h"
#include "platform/TolvError.h"

#include <gtest/gtest.h>

#include <numeric>

using Bytes = std::vector<std::uint8_t>;

namespace {

// The covered bytes and the checksum add up to 0 modulo 256.
unsigned coveredSum(const Packet& p) {
    const unsigned data = std::accumulate(p.Data.begin(), p.Data.begin() + p.ByteCount, 0u);
    return (p.ControlByte1 + p.ControlByte2 + p.PacketNumber + data + p.Checksum2) % 256;
}

} // namespace

TEST(Packet, EveryEmptyCommandGoesOutAsNineBytes) {
    for (const std::uint8_t letter : {'P', 'T', 'E', 'Z', 'A', 'N'}) {
        Packet packet;
        packet.ControlByte2 = 0x07; // whatever was there before is reset
        packet.prepareCommand(letter);
        EXPECT_EQ(packet.wireBytes(),
                  (Bytes{0x48, 0x4D, letter, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x01}))
            << letter;
    }
}

TEST(Packet, ShortDataPacketFillsTheWholeFieldWithZeros) {
    Packet packet;
    packet.Data.fill(0xEE); // left over from an earlier use
    const Bytes five{1, 2, 3, 4, 5};
    packet.prepareData(five, 2);
    const Bytes wire = packet.wireBytes();
    ASSERT_EQ(wire.size(), 137u);
    // 2 + (1+2+3+4+5) = 17; 256 - 17 = 0xEF
    EXPECT_EQ(Bytes(wire.begin(), wire.begin() + 14),
              (Bytes{0x48, 0x4D, 'S', 5, 0x00, 0xEF, 0x00, 0x00, 0x02, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Bytes(wire.begin() + 14, wire.end()), Bytes(123, 0));
}

TEST(Packet, NamesPacketWithReplaceSlotKeepsItsChecksumRight) {
    const std::string names("AB PRODUCT\0", 11);
    Packet packet;
    packet.prepareData(Bytes(names.begin(), names.end()), 1);
    packet.setControlByte1(3);
    EXPECT_EQ(packet.ByteCount, 11);
    EXPECT_EQ(Bytes(packet.Data.begin(), packet.Data.begin() + 11),
              (Bytes{0x41, 0x42, 0x20, 0x50, 0x52, 0x4F, 0x44, 0x55, 0x43, 0x54, 0x00}));
    EXPECT_EQ(packet.ControlByte1, 3);
    EXPECT_EQ(coveredSum(packet), 0u);
    EXPECT_EQ(packet.dataText(), names);
}

TEST(Packet, ReceivedPacketIsCheckedOverItsCoveredBytesOnly) {
    Packet packet;
    packet.prepareData(Bytes{9, 8, 7}, 4);
    packet.DestinationDevice = 'M'; // outside the checksum
    packet.Data[50] = 0x99;
    EXPECT_TRUE(packet.checksumMatches());
    packet.Data[1] ^= 0x01;
    EXPECT_FALSE(packet.checksumMatches());

    // A count beyond the data field is damage, even with a checksum that
    // fits the 128 bytes there are; nothing reads past the field.
    packet.Data.fill(1);
    packet.ByteCount = 200;
    packet.Checksum2 = packet.computeChecksum();
    EXPECT_FALSE(packet.checksumMatches());
    EXPECT_EQ(packet.dataText().size(), 128u);
}
