#include "FakeBytePort.h"
#include "QtPrinters.h"
#include "comms/IRPackets.h"
#include "comms/SerialLink.h"

#include <gtest/gtest.h>

TEST(PacketLog, WritesEveryFieldAndTheWholeDataField) {
    IRPacket packet;
    packet.PrepareData(
        std::vector<std::uint8_t>{0xAB, 0x01, 0x7F, 0x00, 0x10, 0xC0, 0x0D, 0xFF, 0x42}, 0x1C);
    packet.SetControlByte1(2);
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

TEST(PacketLog, SendAndLogWritesThePacketThenTheReply) {
    IRPacket reply;
    SerialLink link(reply, {.receivePauseMs = 0});
    auto port = std::make_unique<FakeBytePort>();
    port->queue(fromHandheld('A', 0x05));
    link.attach(std::move(port));
    QStringList log;
    link.setLogSink([&log](const QString& line) { log << line; });

    EXPECT_TRUE(link.SendAndLog(IRPacket::request('P')));
    QStringList expected = PacketLog::lines(IRPacket::request('P'), PacketLog::SentHeader);
    expected << PacketLog::lines(link.ReplyPacket(), PacketLog::ReplyHeader);
    EXPECT_EQ(log, expected);
    EXPECT_EQ(log.at(0), "--------------------------Packet sent---------------------------");
    EXPECT_EQ(log.at(27), "-------------------------Packet Received-----------------------");
    EXPECT_EQ(log.mid(28, 8), QStringList({"Destination Device=M", "Source Device=H", "Command=A",
                                           "Byte count=00", "Checksum=FA", "Control byte1=00",
                                           "Control byte2=05", "Packet Number=01"}));
}

TEST(PacketLog, FailuresAreMarkedExceptARefusal) {
    IRPacket reply;
    SerialLink link(reply, {.receivePauseMs = 0});
    auto fake = std::make_unique<FakeBytePort>();
    FakeBytePort& port = *fake;
    link.attach(std::move(fake));
    QStringList log;
    link.setLogSink([&log](const QString& line) { log << line; });

    port.queue(fromHandheld('B'));
    EXPECT_FALSE(link.SendAndLog(IRPacket::request('T')));
    EXPECT_FALSE(log.contains(PacketLog::WriteError));

    log.clear();
    EXPECT_FALSE(link.SendAndLog(IRPacket::request('T'))); // nothing comes back
    EXPECT_EQ(log.at(27), "*******Write Error*****");
    EXPECT_EQ(log.at(28), PacketLog::ReplyHeader);
    EXPECT_EQ(log.at(31), QStringLiteral("Command=0"));

    log.clear();
    IRPacket packet;
    EXPECT_FALSE(link.ReceiveAndLog(packet));
    EXPECT_EQ(log.at(0), "*******Read Error*****");
    EXPECT_EQ(log.at(1), "-------------------------Packet received------------------------");
    EXPECT_EQ(log.size(), 1 + 27);
}
