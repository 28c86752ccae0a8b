#include "FakeBytePort.h"
#include "QtPrinters.h"
#include "comms/Packet.h"
#include "comms/SerialLink.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

namespace {

// The built-in texts.
const Messages messages;

} // namespace

TEST(PacketLog, WritesEveryFieldAndTheWholeDataField) {
    Packet packet;
    packet.prepareData(
        std::vector<std::uint8_t>{0xAB, 0x01, 0x7F, 0x00, 0x10, 0xC0, 0x0D, 0xFF, 0x42}, 0x1C);
    packet.setControlByte1(2);
    QStringList expected{
        QStringLiteral("header"),
        QStringLiteral("Destination Device=H"),
        QStringLiteral("Source Device=M"),
        QStringLiteral("Command=S"),
        QStringLiteral("Byte count=09"),
        QStringLiteral("Checksum=") +
            QStringLiteral("%1").arg(packet.Checksum2, 2, 16, QLatin1Char('0')).toUpper(),
        QStringLiteral("Control byte1=02"),
        QStringLiteral("Control byte2=00"),
        QStringLiteral("Packet Number=1C"),
        QStringLiteral("Data Field="),
        QStringLiteral("    AB 01 7F 00 10 C0 0D FF "),
        QStringLiteral("    42 00 00 00 00 00 00 00 ")};
    expected << QStringList(14, QStringLiteral("    00 00 00 00 00 00 00 00 "))
             << QStringLiteral(" ");
    EXPECT_EQ(PacketLog::lines(packet, QStringLiteral("header")), expected);
}

TEST(PacketLog, SendAndLogWritesThePacketThenTheReplyAndMarksFailures) {
    Packet reply;
    SerialLink link(reply, messages, {.receivePauseMs = 0});
    auto fake = std::make_unique<FakeBytePort>();
    FakeBytePort& port = *fake;
    link.attach(std::move(fake));
    QStringList log;
    link.setLogSink([&log](const QString& line) { log << line; });

    port.queueReply(fromHandheld('A', 0x05));
    EXPECT_TRUE(link.sendAndLog(Packet::request('P')));
    EXPECT_EQ(log, PacketLog::lines(Packet::request('P'), PacketLog::SentHeader) +
                       PacketLog::lines(link.replyPacket(), PacketLog::ReplyHeader));
    EXPECT_EQ(log.at(27), "-------------------------Packet Received-----------------------");

    log.clear();
    port.queueReply(fromHandheld('B'));
    EXPECT_FALSE(link.sendAndLog(Packet::request('T'))); // a refusal is no write error
    EXPECT_FALSE(log.contains(PacketLog::WriteError));

    log.clear();
    EXPECT_FALSE(link.sendAndLog(Packet::request('T'))); // nothing comes back
    EXPECT_EQ(log.at(27), "*******Write Error*****");

    log.clear();
    Packet packet;
    EXPECT_FALSE(link.receiveAndLog(packet));
    EXPECT_EQ(log.at(0), "*******Read Error*****");
    EXPECT_EQ(log.at(1), "-------------------------Packet received------------------------");
}

TEST(PacketLog, DescribesEachPacketInWords) {
    const auto command = [](std::uint8_t letter) {
        Packet p;
        p.prepareCommand(letter);
        return p;
    };
    const auto data = [](const std::string& text, int number) {
        Packet p;
        p.prepareData({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, number);
        return p;
    };
    Packet silence;
    silence.Command = '0'; // the header never arrived
    const QString& sent = PacketLog::SentHeader;
    const QString& reply = PacketLog::ReplyHeader;
    const QString& received = PacketLog::ReceivedHeader;
    const struct {
        Packet packet;
        QString header;
        const char* words;
    } cases[] = {
        {command('P'), sent, "→ status"},         {command('T'), sent, "→ list"},
        {command('Z'), sent, "→ erase"},          {command('E'), sent, "→ end"},
        {data("AB PRODUCT", 1), sent, "→ names"}, {data("xyz", 13), sent, "→ data 12 of 253"},
        {command('A'), reply, "← acknowledged"},  {command('I'), reply, "← accepted"},
        {command('B'), reply, "← refused"},       {data("OLD", 1), received, "← name OLD"},
        {command('E'), received, "← end"},        {silence, reply, "← no reply"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PacketLog::describe(c.packet, c.header, 253), QString::fromUtf8(c.words))
            << c.words;
}
