// fuzz-seed-packets DIR: writes the seed inputs of the packet harness, each
// a choice of exchange, a quiet position and packets as the handheld sends
// them, built by the designer's own packet code.
#include "comms/Packet.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t Receive = 0, ReceiveWithAck = 1, SendData = 2, SendCommand = 3;
constexpr std::uint8_t NeverQuiet = 255;

Bytes fromHandheld(std::uint8_t command, std::uint8_t status = 0, const std::string& data = {},
                   int number = 1) {
    Packet packet;
    if (command == PacketCommand::Data)
        packet.prepareData(Bytes(data.begin(), data.end()), number);
    else
        packet.prepareCommand(command);
    packet.DestinationDevice = Packet::MachineDevice;
    packet.SourceDevice = Packet::HandheldDevice;
    packet.ControlByte2 = status;
    packet.Checksum2 = packet.computeChecksum();
    Bytes wire{0x00};
    for (const std::uint8_t byte : packet.wireBytes())
        wire.push_back(byte);
    return wire;
}

Bytes damaged(Bytes wire) {
    wire[6] ^= 0x5A;
    return wire;
}

void write(const std::string& dir, const std::string& name, std::uint8_t exchange,
           std::uint8_t quiet, const std::vector<Bytes>& packets) {
    Bytes bytes{exchange, quiet};
    for (const Bytes& packet : packets)
        bytes.insert(bytes.end(), packet.begin(), packet.end());
    const std::string path = dir + "/" + name;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz-seed-packets DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    using namespace PacketCommand;
    const Bytes names = fromHandheld(Data, 0, std::string("LABEL1\0", 7), 1);
    write(dir, "status-low-battery", Receive, NeverQuiet,
          {fromHandheld(Ack, PacketStatus::LowBattery)});
    write(dir, "names", ReceiveWithAck, NeverQuiet, {names});
    write(dir, "names-damaged-then-whole", ReceiveWithAck, NeverQuiet, {damaged(names), names});
    write(dir, "names-cut-short", ReceiveWithAck, 40, {names, names});
    write(dir, "listing-end", ReceiveWithAck, NeverQuiet, {fromHandheld(End)});
    write(dir, "data-acknowledged", SendData, NeverQuiet, {fromHandheld(Ack)});
    write(dir, "data-refused", SendData + 4, NeverQuiet, {fromHandheld(Refuse)});
    write(dir, "command-nak-then-accepted", SendCommand, NeverQuiet,
          {fromHandheld(Nak), fromHandheld(Accepted)});
    write(dir, "command-full", SendCommand, 3, {fromHandheld(Ack, PacketStatus::MemoryFull)});
    return 0;
}
