#pragma once

#include "persist/ByteStream.h"

#include <vector>

// A stream over bytes held in memory; it grows as it is written. Writing past
// the end (after a seek beyond it) fills the gap with zero bytes.
class MemoryStream : public ByteStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    int32_t read(void* buffer, int32_t count) override;
    int32_t write(const void* buffer, int32_t count) override;
    int32_t seek(int32_t offset, int origin) override;

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    int32_t position_ = 0;
};
