#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How the simulated handheld behaves, from its command line.
struct SimOptions {
    std::uint8_t status = 0;          // status bits answered to a status request
    bool silent = false;              // never answer
    int corruptEvery = 0;             // spoil the checksum of every Nth packet sent; 0 = never
    int hangAfter = -1;               // stop answering after this many packets; -1 = never
    bool refuseSend = false;          // answer data packets with a refusal
    bool listOnce = false;            // refuse every list request after the first
    int lateReply = 0;                // answer the Nth packet received late; 0 = never
    int lateMs = 1000;                // how late that answer comes
    std::vector<std::string> preload; // names of the images stored at start
    std::string storeDir;             // where stored images are written out; empty = nowhere
    bool help = false;                // print the usage and exit
    bool version = false;             // print the version and exit
};

// Parses the arguments after the program name; nothing (with a message in
// *error) when they make no sense.
std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args, std::string* error);

extern const char* const simUsage;
