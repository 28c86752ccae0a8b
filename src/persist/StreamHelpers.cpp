#include "persist/StreamHelpers.h"

#include "platform/TolvError.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

// Strings are read in slices of this size, so a lying length costs no more
// memory than the data that is really there.
constexpr int32_t StringSlice = 65536;

template <typename Word> void writeLittleEndian(TStream& s, Word value) {
    std::array<uint8_t, sizeof(Word)> bytes{};
    for (auto& b : bytes) {
        b = static_cast<uint8_t>(value & 0xFF);
        value = static_cast<Word>(value >> 8);
    }
    WriteExactly(s, bytes.data(), static_cast<int32_t>(bytes.size()));
}

template <typename Word> Word readLittleEndian(TStream& s) {
    std::array<uint8_t, sizeof(Word)> bytes{};
    ReadExactly(s, bytes.data(), static_cast<int32_t>(bytes.size()));
    Word value = 0;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it)
        value = static_cast<Word>((value << 8) | *it);
    return value;
}

} // namespace

void ReadExactly(TStream& s, void* buffer, int32_t count) {
    if (count > 0 && s.Read(buffer, count) != count)
        throw TolvError("Unexpected end of file");
}

void WriteExactly(TStream& s, const void* buffer, int32_t count) {
    if (count > 0 && s.Write(buffer, count) != count)
        throw TolvError("Write error");
}

void WriteLong(TStream& s, int32_t value) {
    WriteWord32(s, static_cast<uint32_t>(value));
}
int32_t ReadLong(TStream& s) {
    return static_cast<int32_t>(ReadWord32(s));
}

void WriteWord32(TStream& s, uint32_t value) {
    writeLittleEndian(s, value);
}
uint32_t ReadWord32(TStream& s) {
    return readLittleEndian<uint32_t>(s);
}

void WriteByteValue(TStream& s, uint8_t value) {
    WriteExactly(s, &value, 1);
}

uint8_t ReadByteValue(TStream& s) {
    uint8_t value = 0;
    ReadExactly(s, &value, 1);
    return value;
}

void WriteFlag(TStream& s, bool value) {
    WriteByteValue(s, value ? 1 : 0);
}
bool ReadFlag(TStream& s) {
    return ReadByteValue(s) != 0;
}

void WriteReal(TStream& s, double value) {
    writeLittleEndian(s, std::bit_cast<uint64_t>(value));
}
double ReadReal(TStream& s) {
    return std::bit_cast<double>(readLittleEndian<uint64_t>(s));
}

void WriteString(TStream& s, const std::string& text) {
    if (text.size() > static_cast<size_t>(INT32_MAX))
        throw TolvError("Text too long to store");
    const auto length = static_cast<int32_t>(text.size());
    WriteLong(s, length);
    WriteExactly(s, text.data(), length);
}

std::string ReadString(TStream& s) {
    const int32_t length = ReadLong(s);
    if (length < 0)
        throw TolvError("Invalid text length " + std::to_string(length) + " in file");
    std::string text;
    while (static_cast<int32_t>(text.size()) < length) {
        const auto done = static_cast<int32_t>(text.size());
        const int32_t slice = std::min(StringSlice, length - done);
        text.resize(static_cast<size_t>(done + slice));
        ReadExactly(s, text.data() + done, slice);
    }
    return text;
}
