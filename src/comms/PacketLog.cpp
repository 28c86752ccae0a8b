#include "comms/PacketLog.h"

#include "comms/Packet.h"
#include "platform/Windows1252.h"

namespace {

QString hex(std::uint8_t byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

QString character(std::uint8_t byte) {
    return QString(QChar::fromLatin1(static_cast<char>(byte)));
}

// Sixteen lines of eight bytes: the whole field, whatever Byte count says.
void appendDataLines(QStringList& out, const Packet& packet) {
    constexpr int perLine = 8;
    for (int row = 0; row < Packet::DataSize / perLine; ++row) {
        QString line = QStringLiteral("    ");
        for (int i = 0; i < perLine; ++i)
            line += hex(packet.Data[row * perLine + i]) + u' ';
        out << line;
    }
}

} // namespace

QStringList PacketLog::lines(const Packet& packet, const QString& header) {
    QStringList out{header,
                    QStringLiteral("Destination Device=") + character(packet.DestinationDevice),
                    QStringLiteral("Source Device=") + character(packet.SourceDevice),
                    QStringLiteral("Command=") + character(packet.Command),
                    QStringLiteral("Byte count=") + hex(packet.ByteCount),
                    QStringLiteral("Checksum=") + hex(packet.Checksum2),
                    QStringLiteral("Control byte1=") + hex(packet.ControlByte1),
                    QStringLiteral("Control byte2=") + hex(packet.ControlByte2),
                    QStringLiteral("Packet Number=") + hex(packet.PacketNumber),
                    QStringLiteral("Data Field=")};
    appendDataLines(out, packet);
    out << QStringLiteral(" ");
    return out;
}

QString PacketLog::describe(const Packet& packet, const QString& header, int dataPackets) {
    const bool sent = header == SentHeader;
    const QString arrow = sent ? QStringLiteral("→ ") : QStringLiteral("← ");
    switch (packet.Command) {
    case PacketCommand::Status:
        return arrow + QStringLiteral("status");
    case PacketCommand::List:
        return arrow + QStringLiteral("list");
    case PacketCommand::Erase:
        return arrow + QStringLiteral("erase");
    case PacketCommand::End:
        return arrow + QStringLiteral("end");
    case PacketCommand::Ack:
        return arrow + QStringLiteral("acknowledged");
    case PacketCommand::Accepted:
        return arrow + QStringLiteral("accepted");
    case PacketCommand::Refuse:
        return arrow + QStringLiteral("refused");
    case PacketCommand::Nak:
        return arrow + QStringLiteral("damaged, send again");
    case PacketCommand::Data:
        if (!sent)
            return arrow + QStringLiteral("name ") + Windows1252::decode(packet.dataText());
        if (packet.PacketNumber <= 1)
            return arrow + QStringLiteral("names");
        return arrow +
               QStringLiteral("data %1 of %2").arg(packet.PacketNumber - 1).arg(dataPackets);
    case '0': // no header field arrived
        return arrow + QStringLiteral("no reply");
    default:
        return arrow + QStringLiteral("command ") + character(packet.Command);
    }
}
