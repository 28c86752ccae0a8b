#include "items/NumberItem.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "document/ImageFile.h"
#include "persist/MemoryStream.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<NumberItem> newNumberItem() {
    auto item = ImageItem::createNew<NumberItem>(SansFont);
    item->setPosition({50 + 3, 50 + 0x105});
    return item;
}

// The record after the common 7-byte header.
Bytes ownPart(const Bytes& record) {
    return record.size() < 7 ? Bytes() : Bytes(record.begin() + 7, record.end());
}

Bytes toBytes(const QByteArray& bytes) {
    return Bytes(bytes.begin(), bytes.end());
}

// A file of the version whose items are a number item, with the settings
// of its full record when full, and a text item "T" after it.
QByteArray imageWithNumberItem(ImageFileVersion version, bool full) {
    ImageBytes b;
    b.str(ImageFile::versionText(version)).str("L").str("S");
    if (version != ImageFileVersion::V1_0X008)
        b.i32(2);
    b.area(0, 0, 484, 2100).str("").str("").emptyShifts(25);
    b.str("ImagePList").i32(2);
    b.str("NumberItem").i32(1).i32(5).i32(6).i32(0).i32(0).i32(0).i32(0).str("7").str("41");
    if (full)
        b.str("500").str("4").str("2").u8(1).u8(0);
    return b.textItem(1, 5, 6, "T").bytes;
}

} // namespace

TEST(NumberItem, IntegersAreDecimalWithAnOptionalSignWithin32Bits) {
    const struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"0", 0},
        {"000042", 42},
        {"-5", -5},
        {"+7", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {" 5", std::nullopt},
        {"5 ", std::nullopt},
        {"12a3", std::nullopt},
        {"$FF", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberItem::integerOf(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberItem, DownloadRecordIsSixteenBigEndianBytes) {
    RenderHarness h(1);
    const Bytes fresh = compiledRecord(*newNumberItem(), h.fonts, 1);
    EXPECT_EQ(Bytes(fresh.begin(), fresh.begin() + 7), (Bytes{0x04, 21, 3, 0, 5, 1, 0}));
    EXPECT_EQ(ownPart(fresh),
              (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x03, 0xE8, 0x0A, 0x01, 0x01, 0x00}));

    auto item = newNumberItem();
    item->Increment = "-5";
    item->Number = "000042";
    item->Restart = "2147483647";
    item->MaxLength = "9";
    item->CountBeforeInc = "17";
    item->LeadingZero = false;
    item->ReverseCount = true;
    EXPECT_EQ(ownPart(compiledRecord(*item, h.fonts, 1)),
              (Bytes{0xFF, 0xFF, 0xFF, 0xFB, 0, 0, 0, 0x2A, 0x7F, 0xFF, 0xFF, 0xFF, 9, 17, 0, 1}));
    // More than a byte holds is sent as the most it holds, not as its low byte.
    item->MaxLength = "300";
    item->CountBeforeInc = "256";
    const Bytes clamped = ownPart(compiledRecord(*item, h.fonts, 1));
    EXPECT_EQ(Bytes(clamped.begin() + 12, clamped.begin() + 14), (Bytes{0xFF, 0xFF}));
}

// Only an edited file can hold such texts; the download refuses them.
TEST(NumberItem, EverySettingSentAsANumberMustBeAnInteger) {
    std::string NumberItem::*const settings[] = {&NumberItem::Increment, &NumberItem::Number,
                                                 &NumberItem::Restart, &NumberItem::MaxLength,
                                                 &NumberItem::CountBeforeInc};
    EXPECT_FALSE(newNumberItem()->holdsInvalidInteger());
    for (const auto setting : settings) {
        auto item = newNumberItem();
        item.get()->*setting = "12x";
        EXPECT_TRUE(item->holdsInvalidInteger()) << item.get()->*setting;
    }
}

// Drawing writes the number as the printer shows it and keeps that form.
TEST(NumberItem, DrawingShowsAndKeepsTheNormalisedNumber) {
    const struct {
        const char* number;
        bool leadingZero;
        const char* maxLength;
        const char* shown;
    } cases[] = {
        {"42", true, "6", "000042"},
        {"000042", false, "6", "42"},
        {"-42", true, "6", "-000042"},
        {"+7", false, "1", "7"},
        {"1234567", true, "3", "1234567"},
        {"0", true, "10", "0000000000"},
        {"5", true, "0", "5"},     // at least one digit
        {"12a", true, "6", "12a"}, // from an edited file: kept as it is
        {"", false, "6", ""},
        {"42", true, "", "42"},
    };
    RenderHarness h(1);
    for (const auto& c : cases) {
        auto item = ImageItem::createNew<NumberItem>(SansFont);
        item->setPosition({60, 90});
        item->Number = c.number;
        item->LeadingZero = c.leadingZero;
        item->MaxLength = c.maxLength;
        const QImage drawn = h.render(*item);
        EXPECT_EQ(item->Number, c.shown) << c.number;
        EXPECT_EQ(inkBounds(drawn).isNull(), *c.shown == '\0') << c.number;
        EXPECT_TRUE(drawn == h.render(*textItemAt(SansFont, 60, 90, 0, c.shown))) << c.number;
    }
}

// Files before "nebra V2.0X001" hold only the step and the start value;
// every version is written back as it was read.
TEST(NumberItem, OlderFilesHoldOnlyIncrementAndNumber) {
    for (int v = 0; v <= int(ImageFileVersion::V3_1X000); ++v) {
        const auto version = ImageFileVersion(v);
        const bool full = version >= ImageFileVersion::V2_0X001;
        SCOPED_TRACE(ImageFile::versionText(version));
        const QByteArray file = imageWithNumberItem(version, full);
        MemoryStream in(toBytes(file));
        const ImageFileContents c = ImageFile::read(in, imageFileRegistry(), Messages());
        ASSERT_EQ(c.Items->count(), 2);
        const auto* number = dynamic_cast<const NumberItem*>(c.Items->at(1));
        ASSERT_NE(number, nullptr);
        EXPECT_TRUE(number->FontBased);
        EXPECT_EQ(number->Increment, "7");
        EXPECT_EQ(number->Number, "41");
        EXPECT_EQ(number->Restart, full ? "500" : "1000");
        EXPECT_EQ(number->MaxLength, full ? "4" : "10");
        EXPECT_EQ(number->CountBeforeInc, full ? "2" : "1");
        EXPECT_EQ(number->ReverseCount, full);
        EXPECT_EQ(number->LeadingZero, !full);
        EXPECT_EQ(c.Items->at(2)->getDataText(), "T");

        MemoryStream out;
        ImageFile::write(out, c.Header, *c.Items, imageFileRegistry());
        EXPECT_EQ(out.bytes(), toBytes(file));
    }
}
