// Every symbol drawn here is read back by an independent decoder (zxing-cpp)
// at every module width and both rotations, and must give the value it was
// drawn from.
#define ZX_USE_UTF8 1
#include "barcode/BarcodeData.h"
#include "barcode/BarcodeSymbol.h"

#include <ZXing/Content.h>
#include <ZXing/ReadBarcode.h>

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

ZXing::BarcodeFormat formatOf(Symbology kind) {
    using F = ZXing::BarcodeFormat;
    constexpr F Formats[SymbologyCount] = {F::EAN8,    F::EAN13,   F::UPCA, F::UPCE,
                                           F::Code128, F::Code128, F::ITF,  F::Code39};
    return Formats[int(kind)];
}

// What a reader passes on of a GS1-128 symbol, in its human-readable form:
// "(01)09501101530003(17)261231".
std::string gs1Hri(const Gs1_128Data& data) {
    std::string hri;
    for (const Gs1Element& e : data.Elements)
        hri += "(" + e.AppId + ")" + e.Value;
    return hri;
}

// The value a reader should report for data.
std::string expectedValue(const BarcodeData& data) {
    switch (data.Kind) {
    case Symbology::UpcE:
        return "0" + data.encodedText(); // with its number system
    case Symbology::Gs1_128:
        return gs1Hri(static_cast<const Gs1_128Data&>(data));
    case Symbology::Itf:
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::UpcA:
        return data.encodedText();
    default:
        return data.Text;
    }
}

struct Decoded {
    bool found = false;
    std::string value;
    std::string symbologyIdentifier;
};

// Reads the one symbol of image, with a white margin around it.
Decoded decode(const QImage& symbol, const BarcodeData& data) {
    QImage image(symbol.width() + 80, symbol.height() + 80, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawImage(40, 40, symbol);
    }
    ZXing::DecodeHints hints;
    hints.setFormats(formatOf(data.Kind));
    hints.setTryHarder(true);
    hints.setTryRotate(false);
    if (const auto* code39 = dynamic_cast<const Code39Data*>(&data)) {
        const std::string& text = code39->Text;
        hints.setTryCode39ExtendedMode(std::any_of(text.begin(), text.end(), [](char c) {
            return Code39Data::characterValue(c) == 43; // written as a Full ASCII pair
        }));
        hints.setValidateCode39CheckSum(code39->CheckCharacter);
    }
    const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                ZXing::ImageFormat::Lum, int(image.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    Decoded decoded;
    decoded.found = result.isValid();
    decoded.symbologyIdentifier = result.symbologyIdentifier();
    const ZXing::ByteArray& bytes = result.bytes();
    if (data.Kind == Symbology::Gs1_128) {
        ZXing::ByteArray copy(bytes);
        decoded.value =
            ZXing::Content(std::move(copy), {'C', '1'}, "GS1").text(ZXing::TextMode::HRI);
    } else {
        decoded.value.assign(bytes.begin(), bytes.end());
    }
    return decoded;
}

// Draws data at module widths 2 to 6, upright and turned, and reads each.
void expectReadBack(BarcodeData& data, const std::string& source) {
    for (int m = 2; m <= 6; ++m) {
        for (const uint8_t rotation : {0, 2}) {
            data.ModuleWidth = m;
            data.Rotation = rotation;
            const QImage symbol = renderSymbol(data);
            ASSERT_FALSE(symbol.isNull()) << source;
            const Decoded read = decode(symbol, data);
            EXPECT_TRUE(read.found)
                << source << " at module " << m << ", rotation " << int(rotation);
            EXPECT_EQ(read.value, expectedValue(data))
                << source << " at module " << m << ", rotation " << int(rotation);
            if (data.Kind == Symbology::Gs1_128) {
                EXPECT_EQ(read.symbologyIdentifier, "]C1") << source;
            }
        }
    }
}

struct DecodeCase {
    const char* source;
    std::function<std::unique_ptr<BarcodeData>()> make;
};

class SymbolReadBack : public testing::TestWithParam<DecodeCase> {};

TEST_P(SymbolReadBack, AtEveryModuleWidthAndRotation) {
    auto data = GetParam().make();
    ASSERT_FALSE(checkBarcode(*data)) << GetParam().source;
    expectReadBack(*data, GetParam().source);
}

template <class Setup>
std::function<std::unique_ptr<BarcodeData>()> make(Symbology kind, Setup setup) {
    return [kind, setup] {
        auto data = BarcodeData::create(kind, 300);
        setup(*data);
        return data;
    };
}

auto withText(Symbology kind, std::string text) {
    return make(kind, [text](BarcodeData& d) { d.Text = text; });
}

auto itf(std::string text, bool check, uint8_t bearers, uint8_t ratio) {
    return make(Symbology::Itf, [=](BarcodeData& d) {
        auto& itf = static_cast<ItfData&>(d);
        itf.Text = text;
        itf.CheckDigit = check;
        itf.BearerType = bearers;
        itf.BearerWidth = 2 * 3;
        itf.Ratio = ratio;
        itf.BarHeight = 80;
    });
}

auto code39(std::string text, bool check, uint8_t ratio) {
    return make(Symbology::Code39, [=](BarcodeData& d) {
        auto& c = static_cast<Code39Data&>(d);
        c.Text = text;
        c.CheckCharacter = check;
        c.Ratio = ratio;
    });
}

auto gs1(std::vector<Gs1Element> elements) {
    return make(Symbology::Gs1_128, [elements](BarcodeData& d) {
        for (const Gs1Element& e : elements)
            static_cast<Gs1_128Data&>(d).addElement(e);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Table, SymbolReadBack,
    testing::Values(
        DecodeCase{"EAN-8 default", withText(Symbology::Ean8, "0123456")},
        DecodeCase{"EAN-8 96385074, a published example", withText(Symbology::Ean8, "9638507")},
        DecodeCase{"EAN-13 default", withText(Symbology::Ean13, "012345678901")},
        DecodeCase{"EAN-13 4006381333931 from a retail pack",
                   withText(Symbology::Ean13, "400638133393")},
        DecodeCase{"UPC-A default", withText(Symbology::UpcA, "01234567890")},
        DecodeCase{"UPC-A 036000291452, a published example",
                   withText(Symbology::UpcA, "03600029145")},
        DecodeCase{"UPC-E default", withText(Symbology::UpcE, "012345")},
        DecodeCase{"UPC-E 04252614 (UPC-A 042100005264)", withText(Symbology::UpcE, "425261")},
        DecodeCase{"UPC-E ending in 3", withText(Symbology::UpcE, "123453")},
        DecodeCase{"UPC-E ending in 4", withText(Symbology::UpcE, "123404")},
        DecodeCase{"Code 128 digits", withText(Symbology::Code128, "1234")},
        DecodeCase{"Code 128 12A", withText(Symbology::Code128, "12A")},
        DecodeCase{"Code 128 mixed with a run of digits",
                   withText(Symbology::Code128, "Lot 7: AB123456cd")},
        DecodeCase{"Code 128 controls and lower case", withText(Symbology::Code128, "\x01"
                                                                                    "a\tb\x1F~")},
        DecodeCase{"GS1-128 (01)(17), fixed lengths, no separator",
                   gs1({{true, "01", "09501101530003"}, {true, "17", "261231"}})},
        DecodeCase{"GS1-128 (10) variable then (17): FNC1 between",
                   gs1({{false, "10", "ABC123"}, {true, "17", "261231"}, {false, "21", "x-7"}})},
        DecodeCase{"ITF 12345 with check digit", itf("12345", true, ItfData::NoBearers, 50)},
        DecodeCase{"ITF 1234567890 with bearer bars",
                   itf("1234567890", false, ItfData::BearerBars, 0)},
        DecodeCase{"ITF odd count, bearer box, ratio 3",
                   itf("9876543", false, ItfData::BearerBox, 100)},
        DecodeCase{"Code 39 CODE39 with check W", code39("CODE39", true, 50)},
        DecodeCase{"Code 39 all 43 characters",
                   code39("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%", false, 20)},
        DecodeCase{"Code 39 Full ASCII with check over the pairs",
                   code39("code 39 \x01!", true, 100)}));

// ---------------------------------------------------------------- random values

std::string randomString(std::mt19937& random, const std::string& alphabet, size_t minLength,
                         size_t maxLength) {
    std::uniform_int_distribution<size_t> length(minLength, maxLength);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::string text(length(random), ' ');
    for (char& c : text)
        c = alphabet[pick(random)];
    return text;
}

std::string range(int first, int last) {
    std::string text;
    for (int c = first; c <= last; ++c)
        text += char(c);
    return text;
}

// A random valid value for a symbology.
void randomValue(std::mt19937& random, BarcodeData& data) {
    const std::string digits = "0123456789";
    switch (data.Kind) {
    case Symbology::Ean8:
    case Symbology::Ean13:
    case Symbology::UpcA:
    case Symbology::UpcE:
        data.Text = randomString(random, digits, size_t(data.DigitCount), size_t(data.DigitCount));
        break;
    case Symbology::Code128:
        // Digit runs make the subset changes interesting.
        data.Text =
            randomString(random, range(1, 127) + "0123456789012345678901234567890123456789", 1, 24);
        break;
    case Symbology::Gs1_128: {
        auto& gs1 = static_cast<Gs1_128Data&>(data);
        const std::string printable = range(33, 126);
        std::string safe; // GS1 values: no brackets, which the readable form uses
        for (char c : printable)
            if (c != '(' && c != ')')
                safe += c;
        const int count = std::uniform_int_distribution<int>(1, 3)(random);
        for (int i = 0; i < count; ++i) {
            switch (std::uniform_int_distribution<int>(0, 3)(random)) {
            case 0:
                gs1.addElement({true, "01", randomString(random, digits, 14, 14)});
                break;
            case 1:
                gs1.addElement({true, "17", randomString(random, digits, 6, 6)});
                break;
            case 2:
                gs1.addElement({false, "10", randomString(random, safe, 1, 20)});
                break;
            default:
                gs1.addElement({false, "30", randomString(random, digits, 1, 8)});
                break;
            }
        }
        break;
    }
    case Symbology::Itf: {
        auto& itf = static_cast<ItfData&>(data);
        itf.Text = randomString(random, digits, 6, 20);
        itf.CheckDigit = random() % 2 == 0;
        itf.BearerType = std::array<uint8_t, 3>{0, 1, 3}[random() % 3];
        itf.BearerWidth = 6;
        itf.BarHeight = 80;
        itf.Ratio = uint8_t(random() % 101);
        break;
    }
    case Symbology::Code39: {
        auto& code39 = static_cast<Code39Data&>(data);
        const bool fullAscii = random() % 3 == 0;
        code39.Text = fullAscii
                          ? randomString(random, range(1, 127), 1, 12)
                          : randomString(random, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. ", 1, 16);
        code39.CheckCharacter = random() % 2 == 0;
        code39.Ratio = uint8_t(random() % 101);
        break;
    }
    }
}

TEST(SymbolReadBack, RandomValuesOfEverySymbology) {
    constexpr int ValuesPerSymbology = 300;
    std::mt19937 random(20261207);
    for (int kind = 0; kind < SymbologyCount; ++kind) {
        int failures = 0;
        for (int i = 0; i < ValuesPerSymbology && failures < 5; ++i) {
            auto data = BarcodeData::create(Symbology(kind), 300);
            randomValue(random, *data);
            ASSERT_FALSE(checkBarcode(*data));
            data->ModuleWidth = std::uniform_int_distribution<int>(2, 6)(random);
            data->Rotation = random() % 2 == 0 ? 0 : 2;
            const Decoded read = decode(renderSymbol(*data), *data);
            if (!read.found || read.value != expectedValue(*data)) {
                ++failures;
                ADD_FAILURE() << "symbology " << kind << ", module " << data->ModuleWidth
                              << ", rotation " << int(data->Rotation) << ": \"" << data->Text
                              << "\" read as \"" << read.value << "\"";
            }
        }
    }
}

} // namespace
