#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Windows1252, EveryByteDecodesAndEncodesBackUnchanged) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(char(b));
    const QString text = Windows1252::decode(all);
    EXPECT_TRUE(Windows1252::firstUnencodable(text).isEmpty());
    EXPECT_EQ(Windows1252::encode(text), all);
}

TEST(Windows1252, TheHighRangeHoldsTheEuroQuotesAndDashes) {
    EXPECT_EQ(Windows1252::encode(QString::fromUtf8("€ “x” – … É")),
              std::string("\x80 \x93x\x94 \x96 \x85 \xC9"));
    EXPECT_EQ(Windows1252::decode("\x80\x99\xFF"), QString::fromUtf8("€™ÿ"));
}

TEST(Windows1252, NamesTheFirstCharacterWithoutAByte) {
    EXPECT_EQ(Windows1252::firstUnencodable(QString::fromUtf8("ab€cЖd😀")), QString::fromUtf8("Ж"));
    EXPECT_EQ(Windows1252::firstUnencodable(QString::fromUtf8("a😀")), QString::fromUtf8("😀"));
    EXPECT_EQ(Windows1252::encode(QString::fromUtf8("aЖ")), "a?");
}

} // namespace
