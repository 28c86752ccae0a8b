#include "comms/QtSerialBytePort.h"

#include <QDeadlineTimer>
#include <QSerialPort>

#include <algorithm>

namespace {

// Applies the line settings. On a pseudo-terminal these succeed as well:
// the terminal keeps the speed in its settings and ignores it, so a failure
// here is a real one on any device.
bool configure(QSerialPort& port) {
    return port.setBaudRate(QSerialPort::Baud9600) && port.setDataBits(QSerialPort::Data8) &&
           port.setParity(QSerialPort::NoParity) && port.setStopBits(QSerialPort::OneStop) &&
           port.setFlowControl(QSerialPort::NoFlowControl);
}

} // namespace

QtSerialBytePort::QtSerialBytePort(std::unique_ptr<QSerialPort> port, int writeTimeoutMs)
    : port_(std::move(port)), writeTimeoutMs_(writeTimeoutMs) {}

QtSerialBytePort::~QtSerialBytePort() {
    close();
}

std::unique_ptr<QtSerialBytePort> QtSerialBytePort::open(const QString& devicePath,
                                                         int writeTimeoutMs, PortOpenError* error) {
    auto port = std::make_unique<QSerialPort>();
    // A path names the device itself; Qt would otherwise look it up under /dev.
    port->setPortName(devicePath);
    // Qt locks the device for this process alone while it is open.
    if (!port->open(QIODevice::ReadWrite) || !configure(*port)) {
        if (error)
            *error = PortOpenError::classify(devicePath, port->error(), port->errorString());
        port->close();
        return nullptr;
    }
    // Stale input from before is dropped; output is left alone, as on a
    // terminal the output queue still holds what the last user of the port
    // sent and the other end has not read yet.
    port->clear(QSerialPort::Input);
    return std::unique_ptr<QtSerialBytePort>(new QtSerialBytePort(std::move(port), writeTimeoutMs));
}

bool QtSerialBytePort::writeByte(std::uint8_t byte) {
    if (!port_->isOpen() || !port_->putChar(static_cast<char>(byte)))
        return false;
    if (port_->waitForBytesWritten(writeTimeoutMs_) || port_->bytesToWrite() == 0)
        return true;
    // Drop the byte still queued, so that a repeated call does not send it twice.
    port_->clear(QSerialPort::Output);
    return false;
}

std::optional<std::uint8_t> QtSerialBytePort::readByte(int timeoutMs) {
    if (!waitForBytes(1, timeoutMs))
        return std::nullopt;
    char byte = 0;
    if (!port_->getChar(&byte))
        return std::nullopt;
    return static_cast<std::uint8_t>(byte);
}

int QtSerialBytePort::bytesWaiting() {
    if (!port_->isOpen())
        return 0;
    // Takes in what the device holds without waiting.
    if (port_->bytesAvailable() == 0)
        port_->waitForReadyRead(0);
    return static_cast<int>(port_->bytesAvailable());
}

bool QtSerialBytePort::waitForBytes(int count, int timeoutMs) {
    // The wait goes in slices, so that a cancel ends it promptly.
    const QDeadlineTimer deadline(timeoutMs);
    while (port_->isOpen() && port_->bytesAvailable() < count && !cancelled()) {
        const qint64 left = deadline.remainingTime();
        if (left == 0)
            break;
        const int slice =
            static_cast<int>(left < 0 ? CancelSliceMs : std::min<qint64>(left, CancelSliceMs));
        // A slice that passes in silence times out; any other failure ends the wait.
        if (!port_->waitForReadyRead(slice) && port_->error() != QSerialPort::TimeoutError)
            break;
    }
    return port_->isOpen() && port_->bytesAvailable() >= count;
}

void QtSerialBytePort::purge() {
    if (!port_->isOpen())
        return;
    // What the device holds joins Qt's buffer first, so that both go. Output
    // already handed to the driver is left to leave: it is the end of the
    // last exchange (typically the final acknowledge), and discarding it
    // would leave the handheld waiting in the middle of a packet.
    port_->waitForReadyRead(0);
    port_->clear(QSerialPort::Input);
}

void QtSerialBytePort::close() {
    if (port_->isOpen())
        port_->close();
}
