#pragma once

#include "SimOptions.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// An image as the simulated handheld keeps it: the names packet's bytes as
// they arrived and the image bytes.
struct StoredImage {
    std::string names;
    std::vector<std::uint8_t> bytes;

    // The name shown in a listing: the names up to their closing 0 byte.
    std::string listedName() const;
};

// The handheld's side of the packet protocol. Bytes from the designer go in
// one at a time; whole packets for the line (each with its lead byte) come
// out through the output callback, and a line per packet through the trace.
class HandheldDevice {
public:
    using Output = std::function<void(const std::vector<std::uint8_t>& bytes)>;
    using Trace = std::function<void(const std::string& line)>;

    HandheldDevice(SimOptions options, Output output, Trace trace);

    void receive(std::uint8_t byte);
    // The line has been quiet for a while: a packet begun and not finished
    // is given up, so the next byte starts a new one.
    void lineIdle();

    const std::vector<StoredImage>& images() const { return images_; }
    // Whether what is sent now answers the packet chosen to be answered late.
    bool answeringLate() const { return options_.lateReply > 0 && received_ == options_.lateReply; }
    std::function<void()> imagesChanged;

private:
    static constexpr int HeaderSize = 9;
    static constexpr int DataSize = 128;

    struct Packet {
        std::array<std::uint8_t, HeaderSize> header{};
        std::array<std::uint8_t, DataSize> data{};
        std::uint8_t command() const { return header[2]; }
        int count() const { return header[3]; }
        std::uint8_t control1() const { return header[6]; }
        std::uint8_t number() const { return header[8]; }
        std::uint8_t checksum() const;
        bool intact() const;
    };
    struct Download {
        StoredImage image;
        int slot = 0;
        int lastNumber = -1;
    };

    void handle(const Packet& in);
    void dispatch(const Packet& in);
    void handleData(const Packet& in);
    void handleEnd();
    void handleList();
    void handleAck();
    void answer(std::uint8_t command, std::uint8_t status = 0);
    void transmit(Packet out);
    void store(StoredImage image, int slot);
    static Packet makePacket(std::uint8_t command, std::uint8_t status, const std::string& data,
                             int number);

    SimOptions options_;
    Output output_;
    Trace trace_;
    std::vector<std::uint8_t> incoming_;
    std::vector<StoredImage> images_;
    std::optional<Download> download_;
    std::deque<Packet> listing_; // names and the end packet still to be acknowledged
    std::optional<Packet> lastSent_;
    int received_ = 0;
    int sent_ = 0;
    int listRequests_ = 0;
};
