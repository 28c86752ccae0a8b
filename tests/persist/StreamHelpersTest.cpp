#include "persist/StreamHelpers.h"
#include "PersistTestSupport.h"
#include "persist/BufferedStream.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

TEST(StreamHelpersTest, ValuesHaveTheirLittleEndianByteLayout) {
    MemoryStream s;
    writeString(s, "abc");
    writeString(s, "");
    writeLong(s, 2); // a one-byte field stored zero-extended
    writeLong(s, -2);
    writeWord32(s, 0x01020304);
    writeFlag(s, true);
    writeReal(s, 1.5);
    writeString(s, std::string("\0\xE9", 2));
    EXPECT_EQ(s.bytes(), bytesOf({3, 0, 0,    0,    'a',  'b',  'c', 0, 0, 0, 0, 2,   0,
                                  0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 4,   3, 2, 1, 1, 0,   0,
                                  0, 0, 0,    0,    0xF8, 0x3F, 2,   0, 0, 0, 0, 0xE9}));
    s.setPosition(0);
    EXPECT_EQ(readString(s) + readString(s), "abc");
    EXPECT_EQ(readLong(s), 2);
    EXPECT_EQ(readLong(s), -2);
    EXPECT_EQ(readWord32(s), 0x01020304u);
    EXPECT_TRUE(readFlag(s));
    EXPECT_EQ(readReal(s), 1.5);
    EXPECT_EQ(readString(s), std::string("\0\xE9", 2));
}

TEST(StreamHelpersTest, ValueCutShortByTheEndOfDataIsAnError) {
    const std::vector<std::pair<std::vector<uint8_t>, std::function<void(ByteStream&)>>> cases = {
        {bytesOf({1, 2, 3}), [](ByteStream& s) { readLong(s); }},
        {{}, [](ByteStream& s) { readFlag(s); }},
        {bytesOf({0, 0, 0, 0, 0, 0, 0}), [](ByteStream& s) { readReal(s); }},
        {bytesOf({5, 0, 0, 0, 'a', 'b'}), [](ByteStream& s) { readString(s); }},
        // a length that lies must not be allocated before the bytes are there
        {bytesOf({0xFF, 0xFF, 0xFF, 0x7F, 'a'}), [](ByteStream& s) { readString(s); }},
    };
    for (const auto& [bytes, read] : cases) {
        MemoryStream memory(bytes);
        BufferedStream buffered(memory);
        EXPECT_EQ(errorOf([&] { read(buffered); }), "Unexpected end of file");
    }
    MemoryStream negative(bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 'a'}));
    EXPECT_EQ(errorOf([&] { readString(negative); }), "Invalid text length -1 in file");
}

} // namespace
