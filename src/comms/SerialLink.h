#pragma once

#include "comms/BytePort.h"
#include "comms/PacketLog.h"

#include <QString>

#include <atomic>
#include <memory>

class Packet;
class Messages;
class Prompter;

// How long the link waits. The defaults are the handheld's; tests shorten
// them to run quickly, the protocol stays the same.
struct LinkTimeouts {
    // Silence after a packet before its reply counts as missing (about 30 s).
    int replyWaitMs = 30000;
    // One byte on the line: 5 ms per byte plus 50 ms.
    int byteReadMs = 55;
    int byteWriteMs = 55;
    // Breathing space for the handheld before each logged receive.
    int receivePauseMs = 100;
};

// The designer's end of the serial line: the open port, the reply packet
// that every exchange leaves its answer in, and the packet log. All calls
// block until their exchange is over.
class SerialLink {
public:
    static constexpr int ByteAttempts = 5;
    static constexpr int SendAttempts = 5;
    static constexpr int ReceiveAttempts = 3;

    // replyPacket is the program's reply packet; it must outlive the link.
    SerialLink(Packet& replyPacket, const Messages& messages, LinkTimeouts timeouts = {});
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opening shows "Could not open communications port" itself on failure,
    // with the device and the reason on a line of their own, and leaves the
    // link closed. A port that is already open is closed first.
    // "COM1" … "COM4", through the device paths of the settings file.
    bool openPort(const QString& portName, Prompter& prompter);
    // The port chosen in the port dialog (0..3); any other index shows
    // "Invalid communications port number" and opens nothing.
    bool openCommsPort(int index, Prompter& prompter);
    // A device named by its path.
    bool openDevice(const QString& devicePath, Prompter& prompter);
    // Takes over a port that is open already.
    void attach(std::unique_ptr<BytePort> port);
    // Throws away what is queued both ways and closes the port.
    void closePort();
    bool isOpen() const { return port_ != nullptr; }

    Packet& replyPacket() { return reply_; }
    const LinkTimeouts& timeouts() const { return timeouts_; }
    void setLogSink(PacketLog::Sink sink) { log_ = std::move(sink); }
    // Told of each logged packet, with its header line, before its lines.
    using PacketSink = std::function<void(const Packet& packet, const QString& header)>;
    void setPacketSink(PacketSink sink) { packetSink_ = std::move(sink); }
    // A flag another thread (or a signal handler) sets to stop the exchange:
    // the packet on the line is finished, every wait for a reply ends
    // promptly, and nothing more is sent or retried. Must outlive the link.
    void setCancelFlag(const std::atomic<bool>* flag);
    bool cancelled() const { return cancel_ && cancel_->load(); }

    void sendPacket(const Packet& packet);
    // Reads the next packet from the handheld into packet. Header fields that
    // never arrive read '0'; false when the packet did not arrive whole.
    bool receivePacket(Packet& packet);
    // Sends until the handheld acknowledges (A or I); a refusal (B) ends at
    // once. The reply stays in replyPacket. Input left over from earlier
    // exchanges is dropped before each attempt, and a reply numbered for
    // another packet counts as no reply.
    bool sendWithRetry(const Packet& packet);
    // Receives a packet and acknowledges it, asking again (N) while it
    // arrives damaged.
    bool receiveWithAck(Packet& packet);

    // The same two exchanges, written to the packet log.
    bool sendAndLog(const Packet& packet);
    bool receiveAndLog(Packet& packet);
    void logPacket(const Packet& packet, const QString& header);

private:
    static bool answers(const Packet& reply, const Packet& sent);
    void dropStaleInput();
    bool readField(std::uint8_t& field);
    void writeWithRetry(std::uint8_t byte);
    void answer(std::uint8_t command);
    void log(const QString& line);

    Packet& reply_;
    const Messages& messages_;
    LinkTimeouts timeouts_;
    std::unique_ptr<BytePort> port_;
    PacketLog::Sink log_;
    PacketSink packetSink_;
    const std::atomic<bool>* cancel_ = nullptr;
};
