#include "comms/SerialLink.h"

#include "app/Messages.h"
#include "app/SettingsFile.h"
#include "comms/CommsPort.h"
#include "comms/IRPackets.h"
#include "comms/QtSerialBytePort.h"
#include "platform/Prompter.h"

#include <QThread>

#include <algorithm>

namespace {

constexpr std::uint8_t NotArrived = '0';

void showOpenFailure(Prompter& prompter) {
    prompter.message(Messages::program().CouldNotOpenPortError, QString(), Prompter::Icon::Stop,
                     Prompter::Buttons::Ok);
}

} // namespace

SerialLink::SerialLink(IRPacket& replyPacket, LinkTimeouts timeouts)
    : reply_(replyPacket), timeouts_(timeouts) {}

SerialLink::~SerialLink() {
    ClosePort();
}

bool SerialLink::OpenPort(const QString& portName, Prompter& prompter) {
    const int index = CommsPort::indexOfName(portName);
    if (index < 0) {
        ClosePort();
        showOpenFailure(prompter);
        return false;
    }
    const auto settings = SettingsFile::open(&prompter);
    return OpenDevice(CommsPort::devicePath(settings.get(), index), prompter);
}

bool SerialLink::OpenCommsPort(int index, Prompter& prompter) {
    if (!CommsPort::isValid(index)) {
        ClosePort();
        prompter.message(Messages::program().InvalidCommsPortNoError, QString(),
                         Prompter::Icon::Stop, Prompter::Buttons::Ok);
        return false;
    }
    return OpenPort(CommsPort::portName(index), prompter);
}

bool SerialLink::OpenDevice(const QString& devicePath, Prompter& prompter) {
    ClosePort();
    port_ = QtSerialBytePort::open(devicePath, timeouts_.byteWriteMs);
    if (!port_)
        showOpenFailure(prompter);
    return port_ != nullptr;
}

void SerialLink::attach(std::unique_ptr<BytePort> port) {
    ClosePort();
    port_ = std::move(port);
}

void SerialLink::ClosePort() {
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

void SerialLink::SendPacket(const IRPacket& packet) {
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

bool SerialLink::ReceivePacket(IRPacket& packet) {
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

bool SerialLink::SendWithRetry(const IRPacket& packet) {
    for (int attempt = 0; attempt < SendAttempts; ++attempt) {
        SendPacket(packet);
        // A reply cut short is no reply, whatever part of it came.
        if (!ReceivePacket(reply_))
            continue;
        if (reply_.Command == PacketCommand::Refuse)
            return false;
        if (reply_.Command == PacketCommand::Ack || reply_.Command == PacketCommand::Accepted)
            return true;
    }
    return false;
}

void SerialLink::answer(std::uint8_t command) {
    reply_.PrepareCommand(command);
    SendPacket(reply_);
}

bool SerialLink::ReceiveWithAck(IRPacket& packet) {
    for (int attempt = 0; attempt < ReceiveAttempts; ++attempt) {
        if (ReceivePacket(packet) && packet.ChecksumMatches()) {
            answer(PacketCommand::Ack);
            return true;
        }
        packet.Data.fill(0);
        answer(PacketCommand::Nak);
    }
    return false;
}

void SerialLink::log(const QString& line) {
    if (log_)
        log_(line);
}

void SerialLink::LogPacket(const IRPacket& packet, const QString& header) {
    for (const QString& line : PacketLog::lines(packet, header))
        log(line);
}

bool SerialLink::SendAndLog(const IRPacket& packet) {
    LogPacket(packet, PacketLog::SentHeader);
    const bool sent = SendWithRetry(packet);
    if (!sent && reply_.Command != PacketCommand::Refuse)
        log(PacketLog::WriteError);
    LogPacket(reply_, PacketLog::ReplyHeader);
    return sent;
}

bool SerialLink::ReceiveAndLog(IRPacket& packet) {
    QThread::msleep(static_cast<unsigned long>(std::max(0, timeouts_.receivePauseMs)));
    const bool received = ReceiveWithAck(packet);
    if (!received)
        log(PacketLog::ReadError);
    LogPacket(packet, PacketLog::ReceivedHeader);
    return received;
}
