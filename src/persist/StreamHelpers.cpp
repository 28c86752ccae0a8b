#include "persist/StreamHelpers.h"

#include "platform/TolvError.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

// Strings are read in slices of this size, so a lying length costs no more
// memory than the data that is really there.
constexpr int32_t StringSlice = 65536;

template <typename Word> void writeLittleEndian(ByteStream& s, Word value) {
    std::array<uint8_t, sizeof(Word)> bytes{};
    for (auto& b : bytes) {
        b = static_cast<uint8_t>(value & 0xFF);
        value = static_cast<Word>(value >> 8);
    }
    writeExactly(s, bytes.data(), static_cast<int32_t>(bytes.size()));
}

template <typename Word> Word readLittleEndian(ByteStream& s) {
    std::array<uint8_t, sizeof(Word)> bytes{};
    readExactly(s, bytes.data(), static_cast<int32_t>(bytes.size()));
    Word value = 0;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it)
        value = static_cast<Word>((value << 8) | *it);
    return value;
}

} // namespace

void readExactly(ByteStream& s, void* buffer, int32_t count) {
    if (count > 0 && s.read(buffer, count) != count)
        throw TolvError("Unexpected end of file");
}

void writeExactly(ByteStream& s, const void* buffer, int32_t count) {
    if (count > 0 && s.write(buffer, count) != count)
        throw TolvError("Write error");
}

void writeLong(ByteStream& s, int32_t value) {
    writeWord32(s, static_cast<uint32_t>(value));
}
int32_t readLong(ByteStream& s) {
    return static_cast<int32_t>(readWord32(s));
}

void writeWord32(ByteStream& s, uint32_t value) {
    writeLittleEndian(s, value);
}
uint32_t readWord32(ByteStream& s) {
    return readLittleEndian<uint32_t>(s);
}

void writeByteValue(ByteStream& s, uint8_t value) {
    writeExactly(s, &value, 1);
}

uint8_t readByteValue(ByteStream& s) {
    uint8_t value = 0;
    readExactly(s, &value, 1);
    return value;
}

void writeFlag(ByteStream& s, bool value) {
    writeByteValue(s, value ? 1 : 0);
}
bool readFlag(ByteStream& s) {
    return readByteValue(s) != 0;
}

void writeReal(ByteStream& s, double value) {
    writeLittleEndian(s, std::bit_cast<uint64_t>(value));
}
double readReal(ByteStream& s) {
    return std::bit_cast<double>(readLittleEndian<uint64_t>(s));
}

void writeString(ByteStream& s, const std::string& text) {
    if (text.size() > static_cast<size_t>(INT32_MAX))
        throw TolvError("Text too long to store");
    const auto length = static_cast<int32_t>(text.size());
    writeLong(s, length);
    writeExactly(s, text.data(), length);
}

std::string readString(ByteStream& s) {
    const int32_t length = readLong(s);
    if (length < 0)
        throw TolvError("Invalid text length " + std::to_string(length) + " in file");
    std::string text;
    while (static_cast<int32_t>(text.size()) < length) {
        const auto done = static_cast<int32_t>(text.size());
        const int32_t slice = std::min(StringSlice, length - done);
        text.resize(static_cast<size_t>(done + slice));
        readExactly(s, text.data() + done, slice);
    }
    return text;
}
