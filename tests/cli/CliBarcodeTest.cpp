#include "cli/CliBarcode.h"
#include "CliRunner.h"
#include "barcode/BarcodeData.h"
#include "barcode/BarcodeSymbol.h"
#include "platform/TolvError.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The symbol as the barcode item draws it, inside ten white modules.
QImage expectedPicture(const BarcodeData& data) {
    const QImage symbol = renderSymbol(data);
    const int margin = 10 * data.ModuleWidth;
    QImage picture(symbol.width() + 2 * margin, symbol.height() + 2 * margin, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < symbol.height(); ++y)
        for (int x = 0; x < symbol.width(); ++x)
            if (symbol.pixelIndex(x, y) == 1)
                picture.setPixel(x + margin, y + margin, qRgb(0, 0, 0));
    return picture;
}

struct PictureCase {
    const char* source;
    QStringList args;
    std::function<std::unique_ptr<BarcodeData>()> make;
};

class CliBarcodePicture : public testing::TestWithParam<PictureCase> {};

TEST_P(CliBarcodePicture, IsTheItemsSymbolInItsQuietZone) {
    const CliRunner cli;
    const QString out = cli.path(QStringLiteral("out.png"));
    const CliRunner::Result r = cli.run(QStringList{QStringLiteral("barcode")} + GetParam().args +
                                        QStringList{QStringLiteral("-o"), out});
    ASSERT_EQ(r.status, 0) << r.err.constData();
    EXPECT_TRUE(r.out.isEmpty());
    const QImage written(out);
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), expectedPicture(*GetParam().make()))
        << GetParam().source;
}

std::unique_ptr<BarcodeData> ean13() {
    return BarcodeData::create(Symbology::Ean13, 300);
}

std::unique_ptr<BarcodeData> turnedCode39() {
    auto data = std::make_unique<Code39Data>();
    data->Text = "Tolvane 1";
    data->ModuleWidth = 2;
    data->BarHeight = 40;
    data->Ratio = 100;
    data->Rotation = 2;
    return data;
}

std::unique_ptr<BarcodeData> gs1() {
    auto data = std::make_unique<Gs1_128Data>();
    data->addElement({true, "01", "09501101530003"});
    data->addElement({true, "17", "261231"});
    return data;
}

QStringList args(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* a : list)
        result << QString::fromUtf8(a);
    return result;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliBarcodePicture,
    testing::Values(
        PictureCase{"EAN-13 with the defaults of a new item",
                    args({"--kind", "ean13", "--text", "012345678901"}), ean13},
        PictureCase{"Code 39 Full ASCII, turned, every option",
                    args({"--kind", "code39", "--text", "Tolvane 1", "--module-width", "2",
                          "--bar-height", "40", "--ratio", "3", "--rotation", "2"}),
                    turnedCode39},
        PictureCase{"GS1-128 written with its identifiers in brackets",
                    args({"--kind", "gs1-128", "--text", "(01)09501101530003(17)261231"}), gs1}));

struct RefusalCase {
    QStringList args;
    QStringList named; // what the one line on standard error says
};

class CliBarcodeRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(CliBarcodeRefusal, ExitsWithTheReason) {
    const CliRunner cli;
    const QString out = cli.path(QStringLiteral("out.png"));
    const CliRunner::Result r = cli.run(QStringList{QStringLiteral("barcode")} + GetParam().args +
                                        QStringList{QStringLiteral("-o"), out});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(isOneLineNaming(r.err, GetParam().named)) << r.err.constData();
    EXPECT_FALSE(QFile::exists(out));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliBarcodeRefusal,
    testing::Values(
        RefusalCase{args({"--kind", "ean8", "--text", "12x4567"}),
                    args({"Only digits can be encoded", "\"x\""})},
        RefusalCase{args({"--kind", "upca", "--text", "123"}),
                    args({"The value must have exactly 11 digits"})},
        RefusalCase{args({"--kind", "code128", "--text", ""}), args({"Enter a value to encode"})},
        RefusalCase{args({"--kind", "qr", "--text", "1"}), args({"--kind", "ean8", "code39"})},
        RefusalCase{args({"--kind", "itf", "--text", "12", "--rotation", "1"}),
                    args({"--rotation must be 0 or 2"})},
        RefusalCase{args({"--kind", "ean8", "--text", "1234567", "--module-width", "7"}),
                    args({"--module-width", "2 to 6"})},
        RefusalCase{args({"--kind", "ean8", "--text", "1234567", "--ratio", "2.5"}),
                    args({"--ratio is for itf and code39"})},
        RefusalCase{args({"--kind", "gs1-128", "--text", "(01)123"}),
                    args({"(01)", "14 characters"})},
        RefusalCase{args({"--kind", "gs1-128", "--text", "01123"}), args({"(AI)value"})}));

struct Gs1Case {
    std::string text;
    std::vector<Gs1Element> elements;
};

class CliGs1Text : public testing::TestWithParam<Gs1Case> {};

TEST_P(CliGs1Text, SplitsIntoElements) {
    EXPECT_EQ(CliBarcode::parseGs1(GetParam().text), GetParam().elements) << GetParam().text;
}

// Fixed lengths from the predefined-length table of the GS1 general
// specifications (first two digits of the identifier).
INSTANTIATE_TEST_SUITE_P(
    Table, CliGs1Text,
    testing::Values(Gs1Case{"(01)09501101530003(17)261231",
                            {{true, "01", "09501101530003"}, {true, "17", "261231"}}},
                    Gs1Case{"(10)AB-12(3103)000500(21)x",
                            {{false, "10", "AB-12"}, {true, "3103", "000500"}, {false, "21", "x"}}},
                    Gs1Case{"(00)123456789012345675", {{true, "00", "123456789012345675"}}},
                    Gs1Case{"(415)5412345678908", {{true, "415", "5412345678908"}}},
                    Gs1Case{"(23)1", {{false, "23", "1"}}}, Gs1Case{"", {}}));

TEST(CliGs1Text, RefusesOtherShapes) {
    for (const char* bad : {"01123", "(1)2", "(12345)6", "(0A)1", "(01", "(01)123"})
        EXPECT_THROW(CliBarcode::parseGs1(bad), TolvError) << bad;
}

} // namespace
