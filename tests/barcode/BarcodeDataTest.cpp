#include "barcode/BarcodeData.h"

#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> storedBytes(const BarcodeData& data) {
    MemoryStream s;
    data.store(s);
    return s.bytes();
}

std::unique_ptr<BarcodeData> reloaded(const std::vector<uint8_t>& bytes) {
    MemoryStream s(bytes);
    return BarcodeData::read(s);
}

// ---------------------------------------------------------------- check characters

struct CheckCase {
    const char* source; // where the expected value comes from
    Symbology kind;
    std::string text;
    std::string encoded;
};

class EncodedText : public testing::TestWithParam<CheckCase> {};

TEST_P(EncodedText, AppendsTheCheckCharacter) {
    const CheckCase& c = GetParam();
    auto data = BarcodeData::create(c.kind, 300);
    data->Text = c.text;
    if (auto* itf = dynamic_cast<ItfData*>(data.get()))
        itf->CheckDigit = true;
    if (auto* code39 = dynamic_cast<Code39Data*>(data.get()))
        code39->CheckCharacter = true;
    EXPECT_EQ(data->encodedText(), c.encoded) << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodedText,
    testing::Values(
        CheckCase{"EAN-13 default value", Symbology::Ean13, "012345678901", "0123456789012"},
        CheckCase{"EAN-8 default value", Symbology::Ean8, "0123456", "01234565"},
        CheckCase{"UPC-A default value", Symbology::UpcA, "01234567890", "012345678905"},
        CheckCase{"UPC-E default value: over its UPC-A form 00123400005", Symbology::UpcE, "012345",
                  "0123457"},
        CheckCase{"UPC-E 04252614, the short form of UPC-A 042100005264", Symbology::UpcE, "425261",
                  "4252614"},
        CheckCase{"UPC-E ending in 3: over its UPC-A form 01230000045", Symbology::UpcE, "123453",
                  "1234531"},
        CheckCase{"EAN-13 printed on a retail pack", Symbology::Ean13, "400638133393",
                  "4006381333931"},
        CheckCase{"ITF, odd count: 1x3+2+3x3+4+5x3 = 33", Symbology::Itf, "12345", "123457"},
        CheckCase{"ITF, even count: over 01234", Symbology::Itf, "1234", "012348"},
        CheckCase{"Code 39: 12+24+13+14+3+9 = 75, 75 mod 43 = 32", Symbology::Code39, "CODE39",
                  "CODE39W"},
        CheckCase{"Code 39 Full ASCII, over the pairs: 4x41+12+24+13+14 = 227, mod 43 = 12",
                  Symbology::Code39, "code", "+C+O+D+EC"}));

TEST(BarcodeData, ItfWithoutCheckDigitPadsOddCounts) {
    ItfData itf(300);
    itf.Text = "1234";
    EXPECT_EQ(itf.encodedText(), "1234");
    itf.Text = "123";
    EXPECT_EQ(itf.encodedText(), "0123");
    EXPECT_EQ(itf.humanReadableText(), "123");
    itf.LeadingZero = true;
    EXPECT_EQ(itf.humanReadableText(), "0123");
    itf.CheckDigit = true; // 1236: even, nothing to add in front
    EXPECT_EQ(itf.humanReadableText(), "1236");
}

TEST(BarcodeData, Code39EncodesDirectlyOnlyWithinItsCharacterSet) {
    Code39Data data;
    data.Text = "A-1 $/+%";
    EXPECT_EQ(data.encodedText(), "A-1 $/+%");
    data.Text = "A$b";
    EXPECT_EQ(data.encodedText(), "A/D+B");
    data.Text = std::string("\t\x7F");
    EXPECT_EQ(data.encodedText(), "$I%T");
    EXPECT_EQ(Code39Data::characterValue('*'), 43);
}

// ---------------------------------------------------------------- defaults and rules

// The interleaved 2 of 5 sizes are lengths, in dots of the model.
TEST(BarcodeData, ItfSizesFollowTheResolution) {
    ItfData itf(300); // 1.016 mm and 31.8 mm at 300 dpi
    EXPECT_EQ(itf.ModuleWidth, 12);
    EXPECT_EQ(itf.BearerWidth, 24);
    EXPECT_EQ(itf.BarHeight, 376);
    EXPECT_EQ(itf.MaxModuleWidth, 29);
    EXPECT_EQ(itf.Text, "00");
}

TEST(BarcodeData, SetDigitsTakesOnlyTheExactCountOfDigits) {
    auto data = BarcodeData::create(Symbology::Ean8, 300);
    EXPECT_FALSE(data->setDigits("123456"));
    EXPECT_FALSE(data->setDigits("12345678"));
    EXPECT_FALSE(data->setDigits("123456a"));
    EXPECT_EQ(data->Text, "0123456");
    EXPECT_TRUE(data->setDigits("7654321"));
    EXPECT_EQ(data->Text, "7654321");
    data->resetText();
    EXPECT_EQ(data->Text, "0123456");
}

TEST(BarcodeData, SmallRatiosNeedAWideModule) {
    Code39Data data; // module 3 dots; at 300 dpi 20 thousandths are 6 dots
    data.setRatio(10, 300);
    EXPECT_EQ(data.Ratio, 50);
    data.Ratio = 15;
    data.setRatio(10, 300);
    EXPECT_EQ(data.Ratio, 20);
    data.setRatio(35, 300);
    EXPECT_EQ(data.Ratio, 35);
    data.ModuleWidth = 7;
    data.setRatio(10, 300);
    EXPECT_EQ(data.Ratio, 10);
    EXPECT_DOUBLE_EQ(data.ratio(), 2.1);
    data.ModuleWidth = 3;
    data.Ratio = 50;
    EXPECT_EQ(data.wideWidth(), 8); // 7.5 rounds up
}

TEST(BarcodeData, Gs1TextFollowsTheElements) {
    Gs1_128Data data;
    data.addElement({true, "01", "09501101530003"});
    data.addElement({false, "10", "AB12"});
    data.addElement({true, "17", "261231"});
    EXPECT_EQ(data.Text, std::string("\xCA") + "0109501101530003" + "10AB12" + "\xCA" + "17261231");
    EXPECT_EQ(data.humanReadableText(), "(01) 09501101530003 (10) AB12 (17) 261231 ");
    data.ShowAppIds = false;
    EXPECT_EQ(data.humanReadableText(), "09501101530003 AB12 261231 ");
    EXPECT_EQ(data.elementValue(1), "AB12");
    EXPECT_EQ(data.elementValue(3), "");

    data.replaceElement(1, {true, "11", "261130"});
    data.removeElement(0);
    EXPECT_EQ(data.Text, std::string("\xCA") + "11261130" + "17261231");

    const std::vector<uint8_t> download = data.downloadString();
    const std::vector<uint8_t> expected{0,   2,   1,   '1', '1', 0,   0,   0,   '2', '6',
                                        '1', '1', '3', '0', 0,   1,   '1', '7', 0,   0,
                                        0,   '2', '6', '1', '2', '3', '1', 0};
    EXPECT_EQ(download, expected);
}

// ---------------------------------------------------------------- the stored record

TEST(BarcodeData, StoresTheCommonPartThenTheSymbologysFields) {
    ItfData itf(300);
    itf.X = 300;
    itf.Y = 20;
    itf.Rotation = 2;
    itf.BearerType = ItfData::BearerBox;
    itf.LeadingZero = true;
    itf.Text = "123";
    const std::vector<uint8_t> bytes = storedBytes(itf);
    const std::vector<uint8_t> common{0, 0, 0, 0, 0x2C, 1, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0,
                                      0, 0, 0, 0, 2,    0, 0, 0, 0,  0, 0, 0, 6, 0, 0, 0};
    ASSERT_EQ(bytes.size(), common.size() + 1 + 12 + 2 + 4 + 4 + 3);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 32), common);
    EXPECT_EQ(bytes[32], 0);    // text position
    EXPECT_EQ(bytes[46], 0x83); // bearer box with the leading zero bit
    EXPECT_EQ(bytes[47], 50);   // ratio
    EXPECT_EQ(bytes.back(), '3');
}

TEST(BarcodeData, EverySymbologySurvivesStoreAndLoad) {
    for (int k = 0; k < SymbologyCount; ++k) {
        auto data = BarcodeData::create(Symbology(k), 600);
        data->X = 12;
        data->Y = 34;
        data->Rotation = 2;
        data->Justification = 3;
        data->ModuleWidth = 5;
        data->BarHeight = 111;
        if (data->DigitCount == 0)
            data->Text = "AB12";
        if (auto* gs1 = dynamic_cast<Gs1_128Data*>(data.get())) {
            gs1->addElement({false, "10", "LOT7"});
            gs1->addElement({true, "17", "261231"});
        }
        if (auto* ratio = dynamic_cast<RatioData*>(data.get()))
            ratio->Ratio = 77;
        if (auto* itf = dynamic_cast<ItfData*>(data.get())) {
            itf->TextPosition = 1;
            itf->BearerWidth = 9;
            itf->CheckDigit = true;
            itf->BearerType = ItfData::BearerBars;
        }
        if (auto* code39 = dynamic_cast<Code39Data*>(data.get()))
            code39->CheckCharacter = true;

        const std::vector<uint8_t> bytes = storedBytes(*data);
        MemoryStream s(bytes);
        EXPECT_EQ(BarcodeData::peekKind(s), Symbology(k));
        EXPECT_EQ(s.position(), 0);
        auto loaded = BarcodeData::read(s);
        EXPECT_EQ(s.position(), int32_t(bytes.size())) << k;
        EXPECT_TRUE(*loaded == *data) << k;
        EXPECT_EQ(storedBytes(*loaded), bytes) << k;
        auto copy = loaded->clone();
        EXPECT_TRUE(*copy == *data) << k;
    }
}

TEST(BarcodeData, DamagedRecordsRaiseErrorsInsteadOfLoading) {
    Code39Data code39;
    code39.Text = "ABC";
    const std::vector<uint8_t> good = storedBytes(code39);

    auto with = [&](size_t at, uint8_t value) {
        std::vector<uint8_t> bytes = good;
        bytes[at] = value;
        return bytes;
    };
    EXPECT_THROW(reloaded(with(20, 4)), TolvError);                // rotation
    EXPECT_THROW(reloaded(with(24, 7)), TolvError);                // justification
    EXPECT_THROW(reloaded(with(28, 8)), TolvError);                // symbology
    EXPECT_THROW(reloaded(with(good.size() - 4, 101)), TolvError); // ratio
    EXPECT_THROW(reloaded(with(41, 0xFF)), TolvError);             // bar height beyond 16 bits
    for (size_t cut = 0; cut < good.size(); ++cut) {
        const std::vector<uint8_t> truncated(good.begin(), good.begin() + cut);
        EXPECT_THROW(reloaded(truncated), TolvError) << cut;
    }

    Gs1_128Data gs1; // an element count far beyond the bytes that follow
    std::vector<uint8_t> bytes = storedBytes(gs1);
    bytes[32] = 0xFF;
    bytes[33] = 0xFF;
    bytes[34] = 0xFF;
    bytes[35] = 0x7F;
    EXPECT_THROW(reloaded(bytes), TolvError);
}

} // namespace
