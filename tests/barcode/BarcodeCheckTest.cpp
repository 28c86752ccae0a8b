#include "barcode/BarcodeData.h"
#include "barcode/BarcodeSymbol.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    Symbology kind;
    std::string text;
    BarcodeProblem::Code code;
    std::string characters;
    int expectedLength;
};

class BarcodeValue : public testing::TestWithParam<ValueCase> {};

TEST_P(BarcodeValue, IsCheckedAgainstItsSymbology) {
    const ValueCase& c = GetParam();
    auto data = BarcodeData::create(c.kind, 300);
    data->Text = c.text;
    const BarcodeProblem found = checkBarcode(*data);
    EXPECT_EQ(found.code, c.code) << c.text;
    EXPECT_EQ(found.characters, c.characters);
    EXPECT_EQ(found.expectedLength, c.expectedLength);
}

using P = BarcodeProblem;
INSTANTIATE_TEST_SUITE_P(
    Table, BarcodeValue,
    testing::Values(ValueCase{Symbology::Ean13, "012345678901", P::None, "", 0},
                    ValueCase{Symbology::Ean13, "01234567890", P::WrongLength, "", 12},
                    ValueCase{Symbology::Ean8, "01A3B5A", P::NotDigits, "AB", 0},
                    ValueCase{Symbology::UpcE, "", P::WrongLength, "", 6},
                    ValueCase{Symbology::Itf, "", P::Empty, "", 0},
                    ValueCase{Symbology::Itf, "12-4", P::NotDigits, "-", 0},
                    ValueCase{Symbology::Itf, "123", P::None, "", 0},
                    ValueCase{Symbology::Code128, "", P::Empty, "", 0},
                    ValueCase{Symbology::Code128, "Lot\t7~", P::None, "", 0},
                    ValueCase{Symbology::Code128, "caf\xE9\xE9 \x80", P::UnencodableChars,
                              "\xE9\x80", 0},
                    ValueCase{Symbology::Code39, "code 39 \x01", P::None, "", 0},
                    ValueCase{Symbology::Code39, std::string("A\0B", 3), P::UnencodableChars,
                              std::string(1, '\0'), 0}));

TEST(BarcodeCheck, Gs1ElementsNeedDigitIdentifiersAndPrintableValues) {
    Gs1_128Data data;
    EXPECT_EQ(checkBarcode(data).code, P::Empty);
    data.addElement({false, "10", "LOT 7"});
    data.addElement({true, "1A", "261231"});
    const BarcodeProblem found = checkBarcode(data);
    EXPECT_EQ(found.code, P::UnencodableChars);
    EXPECT_EQ(found.characters, " A");
    data.replaceElement(0, {false, "10", "LOT7"});
    data.replaceElement(1, {true, "17", "261231"});
    EXPECT_FALSE(checkBarcode(data));
}

TEST(BarcodeCheck, SizesOutsideTheirRangesComeFirst) {
    auto data = BarcodeData::create(Symbology::Code39, 300);
    data->ModuleWidth = 7;
    EXPECT_EQ(checkBarcode(*data).code, P::ModuleWidthRange);
    data->ModuleWidth = 2;
    data->BarHeight = 0;
    EXPECT_EQ(checkBarcode(*data).code, P::BarHeightRange);
    data->BarHeight = 0x10000;
    EXPECT_EQ(checkBarcode(*data).code, P::BarHeightRange);
}

TEST(BarcodeCheck, DescriptionsSayWhatToChange) {
    const Messages messages;
    auto data = BarcodeData::create(Symbology::Ean8, 300);
    data->Text = "12345";
    EXPECT_EQ(describeBarcodeProblem(checkBarcode(*data), messages),
              "The value must have exactly 7 digits");
    data->Text = "12x4\t67";
    EXPECT_EQ(describeBarcodeProblem(checkBarcode(*data), messages),
              "Only digits can be encoded, not \"x\", <9>");
    auto code39 = BarcodeData::create(Symbology::Code39, 300);
    code39->Text = "\xE9t\xE9";
    EXPECT_EQ(describeBarcodeProblem(checkBarcode(*code39), messages),
              QString::fromUtf8("These characters cannot be encoded: \"é\""));
    EXPECT_TRUE(describeBarcodeProblem(BarcodeProblem{}, messages).isEmpty());
}

} // namespace
