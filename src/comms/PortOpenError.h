#pragma once

#include <QString>

class Messages;

// Why a serial device would not open, in the terms a user can act on: the
// device is not there, another program holds it, the user may not use it
// (the dialout group), or something else the system reported.
struct PortOpenError {
    enum class Reason { Missing, Busy, Permission, Other };

    QString device;
    Reason reason = Reason::Other;
    QString systemText; // the system's own words, for Reason::Other

    // Sorts out a failed open of device from the port's error (a
    // QSerialPort::SerialPortError) and its text. The system says
    // "permission" both for a device the user may not open and for one held
    // by another program; the device's own permissions tell them apart.
    static PortOpenError classify(const QString& device, int serialPortError,
                                  const QString& errorText);

    // "Could not open communications port" followed, on a line of its own,
    // by the device and the reason.
    QString message(const Messages& messages) const;
    // The reason alone, naming the device.
    QString reasonText(const Messages& messages) const;
};
