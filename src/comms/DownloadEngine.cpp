#include "comms/DownloadEngine.h"

#include "comms/SerialLink.h"

namespace {

constexpr std::size_t PacketBytes = Packet::DataSize;

// The short name, a space, the long name and a closing 0. Names longer than
// one packet holds are cut, so that the packet can be built at all.
std::string namesData(const std::string& shortName, const std::string& longName) {
    std::string names = shortName + ' ' + longName;
    names.resize(std::min(names.size(), PacketBytes - 1));
    return names + '\0';
}

} // namespace

DownloadEngine::DownloadEngine(SerialLink& link, std::vector<std::uint8_t> image,
                               const std::string& shortName, const std::string& longName,
                               DownloadPacing pacing)
    : link_(link), image_(std::move(image)), names_(namesData(shortName, longName)),
      pacing_(pacing), lister_(link) {}

int DownloadEngine::packetCountFor(std::size_t imageLength) {
    return int(1 + (imageLength + PacketBytes - 1) / PacketBytes);
}

Packet DownloadEngine::packet(int sequence) const {
    Packet p;
    if (sequence <= 1) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(names_.data());
        p.prepareData({bytes, names_.size()}, 1);
        p.setControlByte1(std::uint8_t(replaceSlot_));
        return p;
    }
    const std::size_t start = std::size_t(sequence - 2) * PacketBytes;
    const std::size_t count = std::min(PacketBytes, image_.size() - std::min(start, image_.size()));
    p.prepareData({image_.data() + start, count}, sequence);
    return p;
}

QString DownloadEngine::failureText(Failure failure, const DownloadTexts& texts) {
    switch (failure) {
    case Failure::StatusComms:
        return texts.spacedError(texts.CommsError);
    case Failure::Comms:
        return texts.error(texts.CommsError);
    case Failure::LowBattery:
        return texts.spacedError(texts.LowBattError);
    case Failure::SramFault:
        return texts.spacedError(texts.SRAMError);
    case Failure::None:
        break;
    }
    return {};
}

void DownloadEngine::enter(Phase phase) {
    phase_ = phase;
    if (observer_.phaseChanged)
        observer_.phaseChanged(phase);
}

// Nothing is sent after a failure, so the port is let go at once.
int DownloadEngine::fail(Failure failure) {
    if (link_.cancelled()) {
        cancel();
        return -1;
    }
    link_.closePort();
    failure_ = failure;
    enter(Phase::Failed);
    return -1;
}

int DownloadEngine::start() {
    if (phase_ != Phase::Ready)
        return -1;
    failure_ = Failure::None;
    enter(Phase::Status);
    return 0;
}

// A step cut short by a cancel ends the download there, whatever the
// exchange's outcome would have led to.
int DownloadEngine::step() {
    const int delay = stepPhase();
    if (link_.cancelled() && !over()) {
        cancel();
        return -1;
    }
    return delay;
}

int DownloadEngine::stepPhase() {
    if (link_.cancelled())
        return -1;
    switch (phase_) {
    case Phase::Status:
        return checkStatus();
    case Phase::Listing:
    case Phase::ListingForReplace:
    case Phase::FinalListing:
        return listStep();
    case Phase::Erasing:
        return eraseStep();
    case Phase::Settling:
        return beginTransfer(0);
    case Phase::Transfer:
        return sendStep();
    case Phase::Ending:
        return endStep();
    default:
        return -1;
    }
}

// Low battery outranks an SRAM fault, and both outrank a full memory.
int DownloadEngine::checkStatus() {
    if (!link_.sendAndLog(Packet::request(PacketCommand::Status)))
        return fail(Failure::StatusComms);
    const Packet& reply = link_.replyPacket();
    if (reply.ControlByte2 & PacketStatus::LowBattery)
        return fail(Failure::LowBattery);
    if (reply.ControlByte2 & PacketStatus::SramFault)
        return fail(Failure::SramFault);
    if (reply.Command != PacketCommand::Ack) {
        enter(Phase::Ready); // accepted without saying yes: the user may try again
        return -1;
    }
    if (reply.ControlByte2 & PacketStatus::MemoryFull) {
        enter(Phase::Full);
        return -1;
    }
    return startListing(Phase::Listing);
}

int DownloadEngine::startListing(Phase phase) {
    lister_.restart();
    enter(phase);
    return 0;
}

int DownloadEngine::listStep() {
    const HandheldLister::Step step = lister_.next();
    switch (step) {
    case HandheldLister::Step::Receiving:
        return 0;
    case HandheldLister::Step::Name:
        if (observer_.imageListed)
            observer_.imageListed(lister_.names().back());
        return 0;
    case HandheldLister::Step::Ended:
        return listEnded();
    case HandheldLister::Step::ReceiveFailed:
        if (phase_ == Phase::FinalListing)
            return finishWithoutList();
        return fail(Failure::Comms);
    default:
        return listRefused(step);
    }
}

int DownloadEngine::listEnded() {
    if (phase_ == Phase::Listing)
        return beginTransfer(0);
    finalListRead_ = phase_ == Phase::FinalListing;
    enter(phase_ == Phase::ListingForReplace ? Phase::ChoosingReplace : Phase::Finished);
    return -1;
}

// The handheld acknowledged the end packet, so the image is stored: a list
// that cannot be read afterwards is no reason to tell the user otherwise,
// who would only download it again and store it twice.
int DownloadEngine::finishWithoutList() {
    link_.closePort();
    finalListRead_ = false;
    enter(Phase::Finished);
    return -1;
}

// Before the transfer a refused list means an empty handheld, to be erased,
// and an unanswered one is no reason not to try; when an image to overwrite
// is to be chosen the list is needed and its absence is a failure.
int DownloadEngine::listRefused(HandheldLister::Step step) {
    if (phase_ == Phase::FinalListing)
        return finishWithoutList();
    if (phase_ != Phase::Listing)
        return fail(Failure::Comms);
    if (step == HandheldLister::Step::Empty) {
        enter(Phase::Erasing);
        return 0;
    }
    return beginTransfer(0);
}

int DownloadEngine::eraseStep() {
    link_.sendAndLog(Packet::request(PacketCommand::Erase));
    enter(Phase::Settling);
    return pacing_.eraseWaitMs;
}

int DownloadEngine::beginTransfer(int slot) {
    replaceSlot_ = slot;
    sequence_ = 1;
    enter(Phase::Transfer);
    if (observer_.progressed)
        observer_.progressed(sequence_);
    return pacing_.packetIntervalMs;
}

int DownloadEngine::sendStep() {
    if (!link_.sendAndLog(packet(sequence_)))
        return fail(Failure::Comms);
    if (++sequence_ > packetCount()) {
        enter(Phase::Ending);
        return 0;
    }
    if (observer_.progressed)
        observer_.progressed(sequence_);
    return pacing_.packetIntervalMs;
}

// Without the acknowledgement of the end packet the handheld may not have
// stored the image, so this is a failure like any other.
int DownloadEngine::endStep() {
    if (!link_.sendAndLog(Packet::request(PacketCommand::End)))
        return fail(Failure::Comms);
    enter(Phase::Sent);
    return -1;
}

int DownloadEngine::overwrite() {
    return phase_ == Phase::Full ? startListing(Phase::ListingForReplace) : -1;
}

int DownloadEngine::replace(int slot) {
    if (phase_ != Phase::ChoosingReplace)
        return -1;
    const bool listed = slot >= 0 && slot <= std::min<qsizetype>(lister_.names().size(), 255);
    return beginTransfer(listed ? slot : 0);
}

int DownloadEngine::finish() {
    return phase_ == Phase::Sent ? startListing(Phase::FinalListing) : -1;
}

void DownloadEngine::decline() {
    link_.closePort();
    enter(Phase::Closed);
}

bool DownloadEngine::over() const {
    return phase_ == Phase::Finished || phase_ == Phase::Failed || phase_ == Phase::Closed ||
           phase_ == Phase::Cancelled;
}

void DownloadEngine::cancel() {
    if (over())
        return;
    if (phase_ == Phase::Sent || phase_ == Phase::FinalListing) {
        finishWithoutList();
        return;
    }
    link_.closePort();
    enter(Phase::Cancelled);
}
