#pragma once

#include "persist/MemoryStream.h"
#include "platform/TolvError.h"

#include <string>
#include <vector>

// The message of the TolvError that action raises, or "(no error)".
template <typename Action> std::string errorOf(Action&& action) {
    try {
        action();
    } catch (const TolvError& e) {
        return e.what();
    }
    return "(no error)";
}

// A medium that refuses every byte written to it, like a full disk.
class RefusingStream : public MemoryStream {
public:
    int32_t write(const void*, int32_t) override { return 0; }
};

inline std::vector<uint8_t> bytesOf(std::initializer_list<int> values) {
    std::vector<uint8_t> bytes;
    for (const int v : values)
        bytes.push_back(static_cast<uint8_t>(v));
    return bytes;
}
