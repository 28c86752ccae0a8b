#include "HandheldDevice.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::uint8_t LeadByte = 0x00;

std::string describe(std::uint8_t command, std::uint8_t number, std::uint8_t control1,
                     std::uint8_t control2, int count) {
    char text[96];
    const bool printable = command >= 0x20 && command < 0x7F;
    std::snprintf(text, sizeof text, "%c number=%d control1=%d control2=%d count=%d",
                  printable ? command : '?', number, control1, control2, count);
    return text;
}

} // namespace

std::string StoredImage::listedName() const {
    return names.substr(0, names.find('\0'));
}

std::uint8_t HandheldDevice::Packet::checksum() const {
    unsigned sum = header[6] + header[7] + header[8];
    for (int i = 0; i < std::min(count(), DataSize); ++i)
        sum += data[i];
    return static_cast<std::uint8_t>((256 - sum % 256) % 256);
}

bool HandheldDevice::Packet::intact() const {
    return count() <= DataSize && checksum() == header[5];
}

HandheldDevice::HandheldDevice(SimOptions options, Output output, Trace trace)
    : options_(std::move(options)), output_(std::move(output)), trace_(std::move(trace)) {
    for (const std::string& name : options_.preload)
        images_.push_back({name, {}});
}

void HandheldDevice::receive(std::uint8_t byte) {
    incoming_.push_back(byte);
    if (incoming_.size() < HeaderSize)
        return;
    const bool withData = incoming_[2] == 'S';
    if (incoming_.size() < HeaderSize + (withData ? DataSize : 0u))
        return;
    Packet packet;
    std::copy_n(incoming_.begin(), HeaderSize, packet.header.begin());
    if (withData)
        std::copy_n(incoming_.begin() + HeaderSize, DataSize, packet.data.begin());
    incoming_.clear();
    handle(packet);
}

void HandheldDevice::lineIdle() {
    if (!incoming_.empty())
        trace_("dropped " + std::to_string(incoming_.size()) + " bytes of an unfinished packet");
    incoming_.clear();
}

void HandheldDevice::handle(const Packet& in) {
    ++received_;
    const bool hung = options_.hangAfter >= 0 && received_ > options_.hangAfter;
    trace_("<- " + describe(in.command(), in.number(), in.control1(), in.header[7], in.count()) +
           (in.intact() ? " ok" : " bad") + (options_.silent || hung ? " unanswered" : ""));
    if (options_.silent || hung)
        return;
    if (!in.intact())
        return answer('N');
    // Anything but the packets of a transfer ends a transfer left unfinished.
    if (std::string_view("SEAN").find(static_cast<char>(in.command())) == std::string_view::npos)
        download_.reset();
    dispatch(in);
}

void HandheldDevice::dispatch(const Packet& in) {
    switch (in.command()) {
    case 'P':
        listing_.clear();
        return answer('A', options_.status);
    case 'T':
        return handleList();
    case 'Z':
        listing_.clear();
        images_.clear();
        trace_("erased");
        if (imagesChanged)
            imagesChanged();
        return answer('A');
    case 'S':
        return handleData(in);
    case 'E':
        return handleEnd();
    case 'A':
        return handleAck();
    case 'N':
        if (!listing_.empty())
            return transmit(listing_.front());
        if (lastSent_)
            return transmit(*lastSent_);
        return;
    default:
        return answer('B');
    }
}

void HandheldDevice::handleData(const Packet& in) {
    if (options_.refuseSend)
        return answer('B');
    const auto bytes = in.data.begin();
    if (!download_) {
        download_ = Download{};
        download_->image.names.assign(bytes, bytes + in.count());
        download_->slot = in.control1();
    } else if (in.number() != download_->lastNumber) {
        download_->image.bytes.insert(download_->image.bytes.end(), bytes, bytes + in.count());
    }
    // A packet sent again because its acknowledgement went astray is not stored twice.
    download_->lastNumber = in.number();
    answer('A');
}

void HandheldDevice::handleEnd() {
    if (download_) {
        store(std::move(download_->image), download_->slot);
        download_.reset();
    }
    answer('A');
}

void HandheldDevice::store(StoredImage image, int slot) {
    const bool replaces = slot >= 1 && slot <= static_cast<int>(images_.size());
    trace_("stored " + std::string(replaces ? "over " : "as new ") + image.listedName() + ", " +
           std::to_string(image.bytes.size()) + " bytes");
    if (replaces)
        images_[slot - 1] = std::move(image);
    else
        images_.push_back(std::move(image));
    if (imagesChanged)
        imagesChanged();
}

void HandheldDevice::handleList() {
    listing_.clear();
    if (images_.empty() || (options_.listOnce && ++listRequests_ > 1))
        return answer('B');
    answer('A');
    int number = 0;
    for (const StoredImage& image : images_)
        listing_.push_back(makePacket('S', 0, image.listedName(), ++number));
    listing_.push_back(makePacket('E', 0, {}, 1));
    transmit(listing_.front());
}

void HandheldDevice::handleAck() {
    if (listing_.empty())
        return;
    listing_.pop_front();
    if (!listing_.empty())
        transmit(listing_.front());
}

void HandheldDevice::answer(std::uint8_t command, std::uint8_t status) {
    transmit(makePacket(command, status, {}, 1));
}

HandheldDevice::Packet HandheldDevice::makePacket(std::uint8_t command, std::uint8_t status,
                                                  const std::string& data, int number) {
    Packet packet;
    const auto count = std::min<std::size_t>(data.size(), DataSize);
    std::copy_n(data.begin(), count, packet.data.begin());
    packet.header = {'M', 'H', command, static_cast<std::uint8_t>(count), 0,
                     0,   0,   status,  static_cast<std::uint8_t>(number)};
    packet.header[5] = packet.checksum();
    return packet;
}

void HandheldDevice::transmit(Packet out) {
    lastSent_ = out;
    ++sent_;
    const bool corrupt = options_.corruptEvery > 0 && sent_ % options_.corruptEvery == 0;
    if (corrupt)
        out.header[5] ^= 0xFF;
    trace_("-> " +
           describe(out.command(), out.number(), out.control1(), out.header[7], out.count()) +
           (corrupt ? " corrupted" : ""));
    std::vector<std::uint8_t> wire(1 + out.header.size() +
                                   (out.command() == 'S' ? out.data.size() : 0));
    wire[0] = LeadByte;
    const auto afterHeader = std::copy(out.header.begin(), out.header.end(), wire.begin() + 1);
    if (out.command() == 'S')
        std::copy(out.data.begin(), out.data.end(), afterHeader);
    output_(wire);
}
