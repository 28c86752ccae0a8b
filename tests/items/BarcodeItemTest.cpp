#include "items/BarcodeItem.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "barcode/BarcodeSymbol.h"
#include "document/ItemTypeNames.h"
#include "items/ItemClasses.h"
#include "persist/ClassRegistry.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "printer/FontRealizer.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr Symbology AllSymbologies[] = {Symbology::Ean8, Symbology::Ean13,   Symbology::UpcA,
                                        Symbology::UpcE, Symbology::Code128, Symbology::Gs1_128,
                                        Symbology::Itf,  Symbology::Code39};

std::unique_ptr<BarcodeItem> barcodeOf(Symbology kind, int32_t x = 0, int32_t y = 0) {
    auto item = ImageItem::createNew<BarcodeItem>(0);
    item->takeData(BarcodeData::create(kind, 300));
    item->setPosition({ImageItem::Margin + x, ImageItem::Margin + y});
    return item;
}

Bytes storedData(const BarcodeData& data) {
    MemoryStream s;
    data.store(s);
    return s.bytes();
}

class BarcodeRecord : public ::testing::TestWithParam<Symbology> {};

// The header: type code, 0, X and Y without the margin, rotation,
// symbology; the symbology's own part follows it unchanged.
TEST_P(BarcodeRecord, StartsWithTheHeaderAtThreeHundredTwenty) {
    RenderHarness h;
    const auto item = barcodeOf(GetParam(), 300, 20);
    item->setRotation(2);
    EXPECT_EQ(item->data().X, 300);
    EXPECT_EQ(item->data().Y, 20);
    for (int model = 0; model <= 2; ++model) {
        const Bytes record = compiledRecord(*item, h.fonts, model);
        ASSERT_GE(record.size(), 8u);
        EXPECT_EQ(Bytes(record.begin(), record.begin() + 8),
                  (Bytes{0x40, 0x00, 0x2C, 0x01, 0x14, 0x00, 2, uint8_t(GetParam())}));
        const Bytes own = symbologyRecord(item->data());
        EXPECT_EQ(Bytes(record.begin() + 8, record.end()), own);
    }
}

// The image file holds the class name and the data's bytes, nothing of the
// item's own; the justification set on the item goes into them.
TEST_P(BarcodeRecord, StoresTheClassNameAndTheDataOnlyAndLoadsBackBySymbology) {
    const auto item = barcodeOf(GetParam(), 12, 34);
    item->Justification = 3;
    item->editData().Text = GetParam() == Symbology::Itf ? "1234" : item->data().Text;
    MemoryStream s;
    item->store(s, imageFileRegistry());
    MemoryStream want;
    writeString(want, "BarcodeItem");
    std::unique_ptr<BarcodeData> placed = item->data().clone();
    placed->Justification = 3;
    const Bytes data = storedData(*placed);
    writeExactly(want, data.data(), int32_t(data.size()));
    EXPECT_EQ(s.bytes(), want.bytes());

    MemoryStream in(s.bytes());
    const std::unique_ptr<PersistentObject> loaded = imageFileRegistry().loadRecord(in);
    const auto* barcode = dynamic_cast<const BarcodeItem*>(loaded.get());
    ASSERT_NE(barcode, nullptr);
    EXPECT_EQ(barcode->data().Kind, GetParam());
    EXPECT_EQ(barcode->Justification, 3);
    EXPECT_EQ(barcode->AllowedRotations, BarcodeData::BothWays);
    EXPECT_FALSE(barcode->FontBased);
    EXPECT_EQ(barcode->getPosition(), QPoint(ImageItem::Margin + 12, ImageItem::Margin + 34));
    EXPECT_TRUE(barcode->isEqual(*item));
}

std::string symbologyName(const ::testing::TestParamInfo<Symbology>& info) {
    constexpr const char* Names[] = {"Ean8",    "Ean13",  "UpcA", "UpcE",
                                     "Code128", "Gs1128", "Itf",  "Code39"};
    return Names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Symbologies, BarcodeRecord, ::testing::ValuesIn(AllSymbologies),
                         &symbologyName);

struct PositionCase {
    int32_t set; // with the margin
    int32_t stored;
};

// A position below 1 without the margin stores 0.
TEST(BarcodeItem, APositionBelowOneStoresZero) {
    for (const PositionCase c : {PositionCase{ImageItem::Margin - 5, 0},
                                 {ImageItem::Margin, 0},
                                 {ImageItem::Margin + 1, 1},
                                 {ImageItem::Margin + 300, 300},
                                 {-100, 0}}) {
        auto item = barcodeOf(Symbology::Ean13);
        item->setX(c.set);
        item->setY(c.set);
        EXPECT_EQ(item->data().X, c.stored) << c.set;
        EXPECT_EQ(item->data().Y, c.stored) << c.set;
        EXPECT_EQ(item->getPosition(), QPoint(c.stored, c.stored) + QPoint(50, 50));
    }
}

// Another kind at the same place is another item, either way round.
TEST(BarcodeItem, EqualsNoItemOfAnotherKind) {
    const auto item = barcodeOf(Symbology::Code128);
    const std::unique_ptr<ImageItem> text = textItemAt(0, 50, 50);
    EXPECT_FALSE(item->isEqual(*text));
    EXPECT_FALSE(text->isEqual(*item));
}

TEST(BarcodeItem, TheListShowsTheValueAndGs1ElementsInBrackets) {
    auto code = barcodeOf(Symbology::Code39);
    code->editData().Text = "LOT 7";
    EXPECT_EQ(code->getDataText(), "LOT 7");
    EXPECT_EQ(code->getKindName(ItemTypeNames()), "Code 39");
    auto gs1 = barcodeOf(Symbology::Gs1_128);
    auto& data = static_cast<Gs1_128Data&>(gs1->editData());
    data.addElement({true, "01", "09501101530003"});
    data.addElement({false, "10", "AB12"});
    data.ShowAppIds = false;
    EXPECT_EQ(gs1->getDataText(), "(01) 09501101530003 (10) AB12");
    EXPECT_EQ(gs1->getKindName(ItemTypeNames()), "EAN128");
}

// Width and height are the symbol's, whatever it is on this build.
TEST(BarcodeItem, TheScreenRectangleIsTheSymbolAtTheAnchor) {
    RenderHarness h;
    const auto item = barcodeOf(Symbology::Ean13, 100, 10);
    const QSize symbol = renderSymbol(item->data()).size();
    EXPECT_EQ(item->getWidth(), symbol.width());
    EXPECT_EQ(item->getHeight(), symbol.height());
    const EdgeRect rect = item->getScreenRect(h.display);
    const double sx = h.display.scaleX();
    EXPECT_EQ(rect.Left, roundHalfEven(150 * sx));
    EXPECT_EQ(rect.Right - rect.Left + 1, roundHalfEven(symbol.width() * sx));
}

TEST(BarcodeItem, AValueTheSymbologyCannotEncodeIsUnprintable) {
    auto item = barcodeOf(Symbology::Ean8);
    EXPECT_FALSE(item->holdsUnprintableValue());
    item->editData().Text = "12";
    EXPECT_TRUE(item->holdsUnprintableValue());
    EXPECT_EQ(item->unprintableValueProblem(Messages()), "The value must have exactly 7 digits");
}

} // namespace
