#include "persist/StreamHelpers.h"
#include "PersistTestSupport.h"
#include "persist/TBufferStreams.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

TEST(StreamHelpersTest, ValuesHaveTheirLittleEndianByteLayout) {
    TMemoryStream s;
    WriteString(s, "abc");
    WriteString(s, "");
    WriteLong(s, 2); // a one-byte field stored zero-extended
    WriteLong(s, -2);
    WriteWord32(s, 0x01020304);
    WriteFlag(s, true);
    WriteReal(s, 1.5);
    WriteString(s, std::string("\0\xE9", 2));
    EXPECT_EQ(s.bytes(), bytesOf({3, 0, 0,    0,    'a',  'b',  'c', 0, 0, 0, 0, 2,   0,
                                  0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 4,   3, 2, 1, 1, 0,   0,
                                  0, 0, 0,    0,    0xF8, 0x3F, 2,   0, 0, 0, 0, 0xE9}));
    s.SetPosition(0);
    EXPECT_EQ(ReadString(s) + ReadString(s), "abc");
    EXPECT_EQ(ReadLong(s), 2);
    EXPECT_EQ(ReadLong(s), -2);
    EXPECT_EQ(ReadWord32(s), 0x01020304u);
    EXPECT_TRUE(ReadFlag(s));
    EXPECT_EQ(ReadReal(s), 1.5);
    EXPECT_EQ(ReadString(s), std::string("\0\xE9", 2));
}

TEST(StreamHelpersTest, ValueCutShortByTheEndOfDataIsAnError) {
    const std::vector<std::pair<std::vector<uint8_t>, std::function<void(TStream&)>>> cases = {
        {bytesOf({1, 2, 3}), [](TStream& s) { ReadLong(s); }},
        {{}, [](TStream& s) { ReadFlag(s); }},
        {bytesOf({0, 0, 0, 0, 0, 0, 0}), [](TStream& s) { ReadReal(s); }},
        {bytesOf({5, 0, 0, 0, 'a', 'b'}), [](TStream& s) { ReadString(s); }},
        // a length that lies must not be allocated before the bytes are there
        {bytesOf({0xFF, 0xFF, 0xFF, 0x7F, 'a'}), [](TStream& s) { ReadString(s); }},
    };
    for (const auto& [bytes, read] : cases) {
        TMemoryStream memory(bytes);
        TBufferStream buffered(memory);
        EXPECT_EQ(errorOf([&] { read(buffered); }), "Unexpected end of file");
    }
    TMemoryStream negative(bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 'a'}));
    EXPECT_EQ(errorOf([&] { ReadString(negative); }), "Invalid text length -1 in file");
}

} // namespace
