#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// A serial port of this machine as the system lists it.
struct SerialPortEntry {
    QString device;      // the path that opens it, e.g. /dev/ttyUSB0
    QString description; // what the system or the adapter calls it; may be empty
    std::optional<quint16> vendorId;
    std::optional<quint16> productId;

    // "/dev/ttyUSB0 - FT232R USB UART (USB 0403:6001)": enough to tell two
    // adapters apart.
    QString label() const;
};

// Where the list of ports comes from: the system's by default; tests offer
// their own pseudo-terminals, which the system does not list.
using SerialPortSource = std::function<std::vector<SerialPortEntry>()>;

namespace SerialPorts {

// The serial ports the system knows of, in the order of their names (ttyS2 before ttyS10).
std::vector<SerialPortEntry> available();

} // namespace SerialPorts
