#include "comms/SerialPorts.h"

#include <QCollator>
#include <QSerialPortInfo>

#include <algorithm>

namespace {

QString hex4(quint16 id) {
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

} // namespace

QString SerialPortEntry::label() const {
    QString text = device;
    if (!description.isEmpty())
        text += QStringLiteral(" - ") + description;
    if (vendorId && productId)
        text += QStringLiteral(" (USB %1:%2)").arg(hex4(*vendorId), hex4(*productId));
    return text;
}

namespace SerialPorts {

std::vector<SerialPortEntry> available() {
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry entry{info.systemLocation(), info.description(), {}, {}};
        if (info.hasVendorIdentifier())
            entry.vendorId = info.vendorIdentifier();
        if (info.hasProductIdentifier())
            entry.productId = info.productIdentifier();
        ports.push_back(entry);
    }
    // ttyS2 before ttyS10.
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(ports.begin(), ports.end(),
              [&collator](const SerialPortEntry& a, const SerialPortEntry& b) {
                  return collator.compare(a.device, b.device) < 0;
              });
    return ports;
}

} // namespace SerialPorts
