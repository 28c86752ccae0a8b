#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

// The serial line as the packet code sees it: single bytes in and out. The
// program opens a real serial device behind it; tests may put anything that
// moves bytes there. None of the calls may spin: a wait sleeps on the device.
class BytePort {
public:
    virtual ~BytePort() = default;

    // Sends one byte; false when it could not be handed to the line in time.
    virtual bool writeByte(std::uint8_t byte) = 0;
    // The next received byte, or nothing when none arrives within timeoutMs.
    virtual std::optional<std::uint8_t> readByte(int timeoutMs) = 0;
    // Number of received bytes not read yet.
    virtual int bytesWaiting() = 0;
    // Waits until at least count bytes are waiting; false when timeoutMs
    // passes first or the line fails.
    virtual bool waitForBytes(int count, int timeoutMs) = 0;
    // Throws away everything received and not read. Bytes already written
    // still go out: they end the last exchange.
    virtual void purge() = 0;
    virtual void close() = 0;

    // A flag that, once set, makes every wait for input end within
    // CancelSliceMs with nothing read. The flag must outlive the port.
    void setCancelFlag(const std::atomic<bool>* flag) { cancel_ = flag; }
    bool cancelled() const { return cancel_ && cancel_->load(); }
    static constexpr int CancelSliceMs = 100;

private:
    const std::atomic<bool>* cancel_ = nullptr;
};
