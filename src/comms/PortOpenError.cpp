#include "comms/PortOpenError.h"

#include "texts/Messages.h"

#include <QFileInfo>
#include <QSerialPort>

PortOpenError PortOpenError::classify(const QString& device, int serialPortError,
                                      const QString& errorText) {
    PortOpenError error{device, Reason::Other, errorText};
    const QFileInfo file(device);
    if (serialPortError == QSerialPort::DeviceNotFoundError || !file.exists())
        error.reason = Reason::Missing;
    else if (!file.isReadable() || !file.isWritable())
        error.reason = Reason::Permission;
    else if (serialPortError == QSerialPort::PermissionError)
        error.reason = Reason::Busy; // in use: held exclusively or locked
    return error;
}

QString PortOpenError::reasonText(const Messages& messages) const {
    switch (reason) {
    case Reason::Missing:
        return messages.PortMissingError.arg(device);
    case Reason::Busy:
        return messages.PortBusyError.arg(device);
    case Reason::Permission:
        return messages.PortPermissionError.arg(device);
    case Reason::Other:
        break;
    }
    return messages.PortSystemError.arg(device, systemText);
}

QString PortOpenError::message(const Messages& messages) const {
    return messages.CouldNotOpenPortError + u'\n' + reasonText(messages);
}
