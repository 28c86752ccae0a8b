#include "comms/HandheldLister.h"

#include "comms/Packet.h"
#include "comms/SerialLink.h"
#include "platform/Windows1252.h"

void HandheldLister::restart() {
    names_.clear();
    requested_ = false;
    packets_ = 0;
}

HandheldLister::Step HandheldLister::next() {
    return requested_ ? receive() : request();
}

HandheldLister::Step HandheldLister::request() {
    requested_ = true;
    if (link_.sendAndLog(Packet::request(PacketCommand::List)))
        return Step::Receiving;
    return link_.replyPacket().Command == PacketCommand::Refuse ? Step::Empty : Step::RequestFailed;
}

HandheldLister::Step HandheldLister::receive() {
    Packet packet;
    if (++packets_ > MaxPackets || !link_.receiveAndLog(packet))
        return Step::ReceiveFailed;
    if (packet.Command == PacketCommand::End)
        return Step::Ended;
    if (packet.Command == PacketCommand::Data) {
        names_ << Windows1252::decode(packet.dataText());
        return Step::Name;
    }
    return Step::Receiving; // not part of the list; wait for the next
}
