#include "comms/SerialLink.h"

#include "comms/CommsPort.h"
#include "comms/Packet.h"
#include "comms/QtSerialBytePort.h"
#include "platform/Prompter.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QThread>

namespace {

constexpr std::uint8_t NotArrived = '0';

void showOpenFailure(Prompter& prompter, const QString& text) {
    prompter.message(text, QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
}

} // namespace

SerialLink::SerialLink(Packet& replyPacket, const Messages& messages, LinkTimeouts timeouts)
    : reply_(replyPacket), messages_(messages), timeouts_(timeouts) {}

SerialLink::~SerialLink() {
    closePort();
}

bool SerialLink::openPort(const QString& portName, Prompter& prompter) {
    const int index = CommsPort::indexOfName(portName);
    if (index < 0) {
        closePort();
        showOpenFailure(prompter, messages_.CouldNotOpenPortError);
        return false;
    }
    const auto settings = SettingsFile::open(&prompter);
    return openDevice(CommsPort::devicePath(settings.get(), index), prompter);
}

bool SerialLink::openCommsPort(int index, Prompter& prompter) {
    if (!CommsPort::isValid(index)) {
        closePort();
        prompter.message(messages_.InvalidCommsPortNoError, QString(), Prompter::Icon::Stop,
                         Prompter::Buttons::Ok);
        return false;
    }
    return openPort(CommsPort::portName(index), prompter);
}

bool SerialLink::openDevice(const QString& devicePath, Prompter& prompter) {
    closePort();
    PortOpenError error;
    port_ = QtSerialBytePort::open(devicePath, timeouts_.byteWriteMs, &error);
    if (port_)
        port_->setCancelFlag(cancel_);
    else
        showOpenFailure(prompter, error.message(messages_));
    return port_ != nullptr;
}

void SerialLink::attach(std::unique_ptr<BytePort> port) {
    closePort();
    port_ = std::move(port);
    if (port_)
        port_->setCancelFlag(cancel_);
}

void SerialLink::setCancelFlag(const std::atomic<bool>* flag) {
    cancel_ = flag;
    if (port_)
        port_->setCancelFlag(flag);
}

void SerialLink::closePort() {
    if (!port_)
        return;
    port_->purge();
    port_->close();
    port_.reset();
}

void SerialLink::writeWithRetry(std::uint8_t byte) {
    // A byte that will not go is skipped; the reply to the packet decides.
    for (int attempt = 0; attempt < ByteAttempts; ++attempt)
        if (port_->writeByte(byte))
            return;
}

void SerialLink::sendPacket(const Packet& packet) {
    if (!port_)
        return;
    for (const std::uint8_t byte : packet.wireBytes())
        writeWithRetry(byte);
}

bool SerialLink::readField(std::uint8_t& field) {
    for (int attempt = 0; attempt < ByteAttempts; ++attempt) {
        if (const auto byte = port_->readByte(timeouts_.byteReadMs)) {
            field = *byte;
            return true;
        }
    }
    return false;
}

bool SerialLink::receivePacket(Packet& packet) {
    for (std::uint8_t* field : packet.headerFields())
        *field = NotArrived;
    if (!port_ || !port_->waitForBytes(2, timeouts_.replyWaitMs))
        return false;
    std::uint8_t lead = 0;
    if (!readField(lead))
        return false;
    // Once a byte fails to come the rest of the packet is given up: reading
    // on would only take the next packet's bytes for this one's.
    for (std::uint8_t* field : packet.headerFields())
        if (!readField(*field))
            return false;
    if (!packet.carriesData())
        return true;
    for (std::uint8_t& byte : packet.Data)
        if (!readField(byte))
            return false;
    return true;
}

void SerialLink::dropStaleInput() {
    if (port_)
        port_->purge();
}

bool SerialLink::answers(const Packet& reply, const Packet& sent) {
    // The handheld numbers its answers 1, as every command packet; an answer
    // that carries another number than that or the one sent belongs to some
    // other packet.
    return reply.PacketNumber == 1 || reply.PacketNumber == sent.PacketNumber;
}

bool SerialLink::sendWithRetry(const Packet& packet) {
    for (int attempt = 0; attempt < SendAttempts && !cancelled(); ++attempt) {
        // Whatever waits unread now came too late for an earlier packet (or
        // is noise); read after this packet, it would pass for its reply.
        dropStaleInput();
        sendPacket(packet);
        // A reply cut short is no reply, whatever part of it came.
        if (!receivePacket(reply_))
            continue;
        if (!answers(reply_, packet))
            continue;
        if (reply_.Command == PacketCommand::Refuse)
            return false;
        if (reply_.Command == PacketCommand::Ack || reply_.Command == PacketCommand::Accepted)
            return true;
    }
    return false;
}

void SerialLink::answer(std::uint8_t command) {
    // The handheld sends its next packet only after this answer, so anything
    // still unread belongs to the packet just answered (its damaged tail).
    dropStaleInput();
    reply_.prepareCommand(command);
    sendPacket(reply_);
}

bool SerialLink::receiveWithAck(Packet& packet) {
    for (int attempt = 0; attempt < ReceiveAttempts && !cancelled(); ++attempt) {
        if (receivePacket(packet) && packet.checksumMatches()) {
            answer(PacketCommand::Ack);
            return true;
        }
        packet.Data.fill(0);
        if (cancelled())
            break; // asking again would only start another packet
        answer(PacketCommand::Nak);
    }
    return false;
}

void SerialLink::log(const QString& line) {
    if (log_)
        log_(line);
}

void SerialLink::logPacket(const Packet& packet, const QString& header) {
    if (packetSink_)
        packetSink_(packet, header);
    for (const QString& line : PacketLog::lines(packet, header))
        log(line);
}

bool SerialLink::sendAndLog(const Packet& packet) {
    logPacket(packet, PacketLog::SentHeader);
    const bool sent = sendWithRetry(packet);
    if (!sent && reply_.Command != PacketCommand::Refuse && !cancelled())
        log(PacketLog::WriteError);
    logPacket(reply_, PacketLog::ReplyHeader);
    return sent;
}

bool SerialLink::receiveAndLog(Packet& packet) {
    if (timeouts_.receivePauseMs > 0)
        QThread::msleep(static_cast<unsigned long>(timeouts_.receivePauseMs));
    const bool received = receiveWithAck(packet);
    if (!received && !cancelled())
        log(PacketLog::ReadError);
    logPacket(packet, PacketLog::ReceivedHeader);
    return received;
}
