#pragma once

#include "comms/BytePort.h"
#include "comms/PortOpenError.h"

#include <QString>

#include <memory>

class QSerialPort;

// The serial device of the running program: 9600 baud, 8 data bits, no
// parity, 1 stop bit, no flow control, held exclusively. Waits block on the
// device (no polling loop); a long wait is cut into slices so that a cancel
// ends it promptly.
class QtSerialBytePort final : public BytePort {
public:
    ~QtSerialBytePort() override;

    // Opens and configures the device; null (with the reason in *error) when
    // it cannot be opened or configured. writeTimeoutMs bounds each byte's
    // hand-over to the line.
    static std::unique_ptr<QtSerialBytePort> open(const QString& devicePath, int writeTimeoutMs,
                                                  PortOpenError* error = nullptr);

    bool writeByte(std::uint8_t byte) override;
    std::optional<std::uint8_t> readByte(int timeoutMs) override;
    int bytesWaiting() override;
    bool waitForBytes(int count, int timeoutMs) override;
    void purge() override;
    void close() override;

private:
    QtSerialBytePort(std::unique_ptr<QSerialPort> port, int writeTimeoutMs);

    std::unique_ptr<QSerialPort> port_;
    int writeTimeoutMs_;
};
