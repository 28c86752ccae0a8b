#include "comms/PacketLog.h"

#include "comms/Packet.h"

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
