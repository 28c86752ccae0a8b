#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Packet;

// The packet log shown while talking to the handheld: every packet sent and
// received, written out field by field.
namespace PacketLog {

inline const QString SentHeader =
    QStringLiteral("--------------------------Packet sent---------------------------");
inline const QString ReplyHeader =
    QStringLiteral("-------------------------Packet Received-----------------------");
inline const QString ReceivedHeader =
    QStringLiteral("-------------------------Packet received------------------------");
inline const QString WriteError = QStringLiteral("*******Write Error*****");
inline const QString ReadError = QStringLiteral("*******Read Error*****");

// Where log lines go, one call per line.
using Sink = std::function<void(const QString& line)>;

// The lines that describe a packet under the given header line.
QStringList lines(const Packet& packet, const QString& header);

// One line that says in words what a packet was: "→ names", "→ data 12 of
// 253", "→ end", "← acknowledged", "← name OLD". The arrow follows the
// header (sent, or the reply and the packets received); dataPackets is the
// number of image data packets of the download, 0 outside one.
QString describe(const Packet& packet, const QString& header, int dataPackets = 0);

} // namespace PacketLog
