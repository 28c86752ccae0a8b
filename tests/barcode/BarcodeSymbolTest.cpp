#include "barcode/BarcodeSymbol.h"
#include "barcode/BarcodeData.h"
#include "barcode/Code128Symbol.h"
#include "barcode/Code39Symbol.h"
#include "barcode/EanUpcSymbol.h"
#include "barcode/ItfSymbol.h"
#include "barcode/SymbolBitmap.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

bool black(const QImage& image, int x, int y) {
    return image.pixelIndex(x, y) == 1;
}

// ---------------------------------------------------------------- EAN/UPC modules

struct EanUpcCase {
    const char* source;
    Symbology kind;
    std::string digits;  // with the check digit
    std::string modules; // spaces between the digits and guards, for reading
};

class EanUpcModules : public testing::TestWithParam<EanUpcCase> {};

TEST_P(EanUpcModules, FollowTheNumberSetsWithTheGuardBarsMarkedLonger) {
    const EanUpcCase& c = GetParam();
    std::string expected = c.modules;
    expected.erase(std::remove(expected.begin(), expected.end(), ' '), expected.end());
    EXPECT_EQ(EanUpcSymbol::modules(c.kind, c.digits), expected) << c.source;
}

// Each group is one digit's published seven modules (A = odd, B = even,
// C = right-hand set) or a guard, whose bars (2) reach below the others.
INSTANTIATE_TEST_SUITE_P(
    Table, EanUpcModules,
    testing::Values(EanUpcCase{"EAN-8 default 0123456 + 5: digits 1-4 in A, the rest in C",
                               Symbology::Ean8, "01234565",
                               "202 0001101 0011001 0010011 0111101 02020 "
                               "1011100 1001110 1010000 1001110 202"},
                    EanUpcCase{"EAN-13 4006381333931: first digit 4 gives ABAABB", Symbology::Ean13,
                               "4006381333931",
                               "202 0001101 0100111 0101111 0111101 0001001 0110011 02020 "
                               "1000010 1000010 1000010 1110100 1000010 1100110 202"},
                    EanUpcCase{"UPC-A 012345678905: left half in A, right half in C",
                               Symbology::UpcA, "012345678905",
                               "202 0001101 0011001 0010011 0111101 0100011 0110001 02020 "
                               "1010000 1000100 1001000 1110100 1110010 1001110 202"},
                    EanUpcCase{"UPC-E 04252614: check digit 4 gives BABBAA, end guard of six",
                               Symbology::UpcE, "4252614",
                               "202 0011101 0010011 0111001 0011011 0101111 0011001 020202"}));

TEST(EanUpcSymbol, Ean8AtModule3Is243DotsWideWith95DotGuards) {
    auto data = BarcodeData::create(Symbology::Ean8, 300);
    const QImage image = renderSymbol(*data);
    ASSERT_EQ(image.format(), QImage::Format_Mono);
    EXPECT_EQ(image.width(), 21 + 201 + 21);
    EXPECT_EQ(image.height(), 80 + 3 + SymbolBitmap::textHeight());
    const int startGuard = 21;
    EXPECT_TRUE(black(image, startGuard, 94));
    EXPECT_FALSE(black(image, startGuard, 95));
    const int firstDataBar = 21 + 3 * 3 + 3 * 3; // digit 0 in A: 0001101
    EXPECT_TRUE(black(image, firstDataBar, 79));
    EXPECT_FALSE(black(image, firstDataBar, 80));
    EXPECT_EQ(image.color(0), qRgb(255, 255, 255));
    EXPECT_EQ(image.color(1), qRgb(0, 0, 0));
}

// ---------------------------------------------------------------- Code 128

struct Code128Case {
    const char* source;
    std::string text;
    std::vector<int> characters;
};

class Code128Characters : public testing::TestWithParam<Code128Case> {};

TEST_P(Code128Characters, AreTheShortestEncoding) {
    const Code128Case& c = GetParam();
    EXPECT_EQ(Code128Symbol::symbolCharacters(c.text), c.characters) << c.source;
}

// Values from the published character table; check = (start + sum of
// position x value) mod 103.
INSTANTIATE_TEST_SUITE_P(
    Table, Code128Characters,
    testing::Values(Code128Case{"1234: four digits start in C; 105+12+2x34 = 185, mod 103 = 82",
                                "1234",
                                {105, 12, 34, 82, 106}},
                    Code128Case{"12A starts in B; 104+17+2x18+3x33 = 256, mod 103 = 50",
                                "12A",
                                {104, 17, 18, 33, 50, 106}},
                    Code128Case{"control before a lower-case letter starts in A, shift for the a",
                                "\x01"
                                "a",
                                {103, 65, 98, 65, 44, 106}},
                    Code128Case{"lower-case letter first starts in B, shift for the control",
                                "a\x01",
                                {104, 65, 98, 65, 45, 106}},
                    Code128Case{"two digits alone: C is one character shorter than B",
                                "12",
                                {105, 12, 14, 106}},
                    Code128Case{"a run of six digits inside goes to C and back",
                                "AB123456CD",
                                {104, 33, 34, 99, 12, 34, 56, 100, 35, 36, 94, 106}},
                    Code128Case{"an odd run of digits leaves its first digit in B",
                                "A12345",
                                {104, 33, 17, 99, 23, 45, 64, 106}},
                    Code128Case{"GS1 (01)09501101530003(17)261231: FNC1 first, all in C",
                                "\xCA"
                                "0109501101530003"
                                "17261231",
                                {105, 102, 1, 9, 50, 11, 1, 53, 0, 3, 17, 26, 12, 31, 44, 106}},
                    Code128Case{"empty text: no symbol", "", {}}));

struct StartCase {
    std::string text;
    Code128Symbol::Subset start;
};

class Code128Start : public testing::TestWithParam<StartCase> {};

TEST_P(Code128Start, FollowsTheLeadingCharacters) {
    EXPECT_EQ(Code128Symbol::startSubset(GetParam().text), GetParam().start) << GetParam().text;
}

using S = Code128Symbol::Subset;
INSTANTIATE_TEST_SUITE_P(Table, Code128Start,
                         testing::Values(StartCase{"12345678", S::C}, StartCase{"123A", S::B},
                                         StartCase{"\xCA"
                                                   "12",
                                                   S::C},
                                         StartCase{"\xCA\xCA", S::C},
                                         StartCase{"1\xCA"
                                                   "23",
                                                   S::B},
                                         StartCase{"AB\tc", S::A}, StartCase{"ABc\t", S::B},
                                         StartCase{"", S::B}));

TEST(Code128Symbol, ElementsAreTheCharactersPatterns) {
    // Start B 211214, "A" (33) 111323, check 34 = 131123, stop 2331112.
    EXPECT_EQ(Code128Symbol::elements(Code128Symbol::symbolCharacters("A")), "211214"
                                                                             "111323"
                                                                             "131123"
                                                                             "2331112");
}

TEST(Code128Symbol, DrawsBarsFromRow3AndWidensForALongLine) {
    Code128Data data;
    data.Text = "12";
    const QImage image = renderSymbol(data);
    // Start C, 12, check, stop: 11 + 11 + 11 + 13 modules of 3 dots.
    EXPECT_EQ(image.width(), 46 * 3 + 60);
    EXPECT_EQ(image.height(), 80 + 1 + SymbolBitmap::textHeight());
    EXPECT_FALSE(black(image, 30, 2));
    EXPECT_TRUE(black(image, 30, 3));
    EXPECT_TRUE(black(image, 30, 82));

    Gs1_128Data gs1;
    gs1.ModuleWidth = 2;
    gs1.addElement({true, "01", "09501101530003"});
    gs1.addElement({true, "17", "261231"});
    // Start, FNC1, twelve digit pairs, check: 15 characters of 11 modules, stop of 13.
    const int symbol = 2 * (15 * 11 + 13) + 40;
    const int line = 20 + SymbolBitmap::textWidth(gs1.humanReadableText());
    ASSERT_GT(line, symbol);
    EXPECT_EQ(renderSymbol(gs1).width(), line);
}

// ---------------------------------------------------------------- ITF and Code 39

TEST(ItfSymbol, InterleavesBarsAndSpaces) {
    // 1 = wnnnw in the bars, 2 = nwnnw in the spaces; 3 = wwnnn, 4 = nnwnw.
    EXPECT_EQ(ItfSymbol::elements("1234"), "tttt"
                                           "TttTttttTT"
                                           "TtTttTtttT"
                                           "Ttt");
    EXPECT_EQ(ItfSymbol::elements("34"), "tttt"
                                         "TtTttTtttT"
                                         "Ttt");
    EXPECT_EQ(ItfSymbol::elements("5"), ItfSymbol::elements("05"));
}

TEST(ItfSymbol, BearerBoxAndTextPositionShapeTheBitmap) {
    ItfData itf(300); // module 12, bearers 24, bars 376
    itf.Text = "123456";
    itf.BearerType = ItfData::BearerBox;
    const int th = SymbolBitmap::textHeight();
    const QImage below = renderSymbol(itf);
    const int elements = 4 * 12 + 3 * (4 * 30 + 6 * 12) + (30 + 2 * 12); // start, pairs, stop
    EXPECT_EQ(below.width(), 2 * 24 + 20 * 12 + elements);
    EXPECT_EQ(below.height(), 376 + 2 * 24 + 12 + th);
    EXPECT_TRUE(black(below, 0, 200));   // vertical bearer
    EXPECT_TRUE(black(below, 100, 10));  // upper bearer over the quiet zone
    EXPECT_FALSE(black(below, 100, 30)); // quiet zone inside the box
    itf.TextPosition = 1;
    const QImage above = renderSymbol(itf);
    EXPECT_FALSE(black(above, 100, 10));
    EXPECT_TRUE(black(above, 100, th + 12 + 10));
}

TEST(Code39Symbol, ElementsFollowThePublishedPatterns) {
    // * = nwnnwnwnn, A = wnnnnwnnw, with a narrow gap between characters.
    EXPECT_EQ(Code39Symbol::elements("A"), "nwnnwnwnn"
                                           "n"
                                           "wnnnnwnnw"
                                           "n"
                                           "nwnnwnwnn");
    EXPECT_EQ(Code39Symbol::elements(""), "");
}

TEST(Code39Symbol, EmptyTextIsTheQuietZonesAlone) {
    for (int m = 2; m <= 6; ++m) {
        Code39Data data;
        data.ModuleWidth = m;
        data.CheckCharacter = true;
        const QImage image = renderSymbol(data);
        EXPECT_EQ(image.width(), 20 * m);
        EXPECT_EQ(image.height(), 90 + SymbolBitmap::textHeight() + 1);
    }
}

TEST(Code39Symbol, WideElementsFollowTheRatio) {
    Code39Data data;
    data.Text = "1";
    data.Ratio = 0; // 2.0: wide 6 dots at module 3
    const int narrow = renderSymbol(data).width();
    data.Ratio = 100; // 3.0: 9 dots; 3 + 3 + 3 wide elements
    EXPECT_EQ(renderSymbol(data).width() - narrow, 9 * 3);
}

// ---------------------------------------------------------------- all symbologies

TEST(BarcodeSymbol, RotationTwoTurnsTheBitmap) {
    for (int kind = 0; kind < SymbologyCount; ++kind) {
        auto data = BarcodeData::create(Symbology(kind), 300);
        if (data->Text.empty())
            data->Text = "AB12";
        if (auto* gs1 = dynamic_cast<Gs1_128Data*>(data.get()))
            gs1->addElement({true, "17", "261231"});
        const QImage upright = renderSymbol(*data);
        data->Rotation = 2;
        const QImage turned = renderSymbol(*data);
        data->Rotation = 3; // treated as 2
        EXPECT_EQ(renderSymbol(*data), turned);
        data->Rotation = 1; // treated as 0
        EXPECT_EQ(renderSymbol(*data), upright);
        ASSERT_FALSE(upright.isNull());
        EXPECT_EQ(turned, upright.mirrored(true, true)) << kind;
    }
}

TEST(BarcodeSymbol, SizesOutOfRangeDrawNothing) {
    for (int kind = 0; kind < SymbologyCount; ++kind) {
        auto data = BarcodeData::create(Symbology(kind), 300);
        data->ModuleWidth = 1000;
        EXPECT_TRUE(renderSymbol(*data).isNull());
        data->ModuleWidth = data->MinModuleWidth;
        data->BarHeight = 0x7FFFFFFF;
        EXPECT_TRUE(renderSymbol(*data).isNull());
    }
    ItfData itf(300); // module 12, bars 376
    itf.BearerType = ItfData::BearerBars;
    itf.BearerWidth = 0x7FFFFFFF; // no record carries more than 16 bits
    EXPECT_EQ(renderSymbol(itf).height(), 376 + 2 * 0xFFFF + 12 + SymbolBitmap::textHeight());
}

// ---------------------------------------------------------------- download records

struct RecordCase {
    const char* source;
    std::function<std::unique_ptr<BarcodeData>()> make;
    std::vector<uint8_t> bytes;
};

class SymbologyRecord : public testing::TestWithParam<RecordCase> {};

TEST_P(SymbologyRecord, IsByteForByte) {
    EXPECT_EQ(symbologyRecord(*GetParam().make()), GetParam().bytes) << GetParam().source;
}

std::unique_ptr<BarcodeData> itfExample() {
    auto itf = std::make_unique<ItfData>(300); // module 12, bearers 24, bars 376
    itf->Text = "12345";
    itf->CheckDigit = true;
    itf->BearerType = ItfData::BearerBox;
    itf->LeadingZero = true;
    return itf;
}

std::unique_ptr<BarcodeData> code39Example() {
    auto code39 = std::make_unique<Code39Data>();
    code39->Text = "CODE39";
    code39->CheckCharacter = true;
    return code39;
}

std::unique_ptr<BarcodeData> gs1Example() {
    auto gs1 = std::make_unique<Gs1_128Data>();
    gs1->addElement({false, "10", "A1"});
    return gs1;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SymbologyRecord,
    testing::Values(
        RecordCase{"EAN-13 default: twelve digits, check 2, 0, patterns from the last digit, 1",
                   [] { return BarcodeData::create(Symbology::Ean13, 300); },
                   {3,    80,   0,    98,   0,    33,   21,   25,   '0',  '1',  '2',  '3',
                    '4',  '5',  '6',  '7',  '8',  '9',  '0',  '1',  '2',  0,    0x6C, 0x66,
                    0x72, 0x74, 0x48, 0x44, 0x2F, 0x31, 0x23, 0x3D, 0x13, 0x19, 0,    1}},
        RecordCase{"EAN-8 default: eight patterns, C then A, padded to 13",
                   [] { return BarcodeData::create(Symbology::Ean8, 300); },
                   {3,    80,   0,    95,  0,   21, 21,   25,   '0',  '1',  '2',
                    '3',  '4',  '5',  '6', '5', 0,  0x4E, 0x50, 0x4E, 0x5C, 0x3D,
                    0x13, 0x19, 0x0D, 0,   0,   0,  0,    0,    1}},
        RecordCase{"Code 128 empty: 10 bytes after the header",
                   [] { return BarcodeData::create(Symbology::Code128, 300); },
                   {3, 80, 0, 0, 1, 1, 0, 0, 0, 0}},
        RecordCase{"GS1-128: module, bar height, then the download string",
                   gs1Example,
                   {3, 80, 0, 1, 1, 0, '1', '0', 0, 0, 0, 'A', '1', 0}},
        RecordCase{"ITF 12345 with check digit, box, leading zero at 300 dpi",
                   itfExample,
                   {1, 0, 0x83, 24, 0, 30, 0, 12, 0, 0x78, 0x01, 5, '1', '2', '3', '4', '5', 0}},
        RecordCase{"Code 39 CODE39 with check character, ratio 2.5 at module 3",
                   code39Example,
                   {3, 0, 8, 0, 90, 0, 1, 0, 0, 0, 0, 6, 'C', 'O', 'D', 'E', '3', '9', 0}}));

} // namespace
