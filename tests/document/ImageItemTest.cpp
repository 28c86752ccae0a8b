#include "RenderHarness.h"
#include "persist/ClassRegistry.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

ClassRegistry documentRegistry() {
    ClassRegistry registry;
    registerDocumentClasses(registry);
    return registry;
}

// "ImageItem", then the seven words of a base record.
Bytes baseRecord(std::initializer_list<int32_t> words) {
    MemoryStream s;
    writeString(s, "ImageItem");
    for (const int32_t w : words)
        writeLong(s, w);
    return s.bytes();
}

std::unique_ptr<ImageItem> placed(int x, int y, int rotation, int justification) {
    auto item = std::make_unique<ImageItem>();
    item->setPosition({x, y});
    item->Rotation = uint8_t(rotation);
    item->Justification = uint8_t(justification);
    return item;
}

Bytes stored(const ImageItem& item) {
    MemoryStream s;
    item.store(s, documentRegistry());
    return s.bytes();
}

std::unique_ptr<PersistentObject> loaded(const Bytes& bytes) {
    MemoryStream s(bytes);
    return documentRegistry().loadRecord(s);
}

std::string loadError(const Bytes& bytes) {
    try {
        loaded(bytes);
    } catch (const TolvError& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(ImageItem, FilesHoldPositionsWithoutTheMargin) {
    auto item = placed(60, 70, 3, 2);
    item->FontNumber = 5;
    item->setWidth(3);
    EXPECT_EQ(stored(*item), baseRecord({5, 10, 20, 3, 0, 3, 2})); // ends 03 00 00 00 02 00 00 00

    item->setPosition({50, 50});
    EXPECT_EQ(stored(*item), baseRecord({5, 0, 0, 3, 0, 3, 2}));
    const auto back = loaded(stored(*item));
    const auto* backItem = dynamic_cast<const ImageItem*>(back.get());
    ASSERT_NE(backItem, nullptr);
    EXPECT_EQ(backItem->getPosition(), QPoint(50, 50));
    EXPECT_TRUE(backItem->isEqual(*item));
}

TEST(ImageItem, RecordsWithImpossibleValuesAreRefused) {
    EXPECT_EQ(loadError(baseRecord({0, 0, 0, 0, 0, 0x103, 0})),
              "Invalid rotation 259 in item record");
    EXPECT_EQ(loadError(baseRecord({0, 0, 0, 0, 0, 0, -1})),
              "Invalid justification -1 in item record");
    EXPECT_EQ(loadError(baseRecord({0, 2147483647, 0, 0, 0, 0, 0})),
              "Invalid item position 2147483647 in item record");
}

TEST(ImageItem, CompiledHeaderHasTheModelsFontCodeOnlyForKnownModels) {
    RenderHarness h(0);
    auto item = placed(40, 50 + 0x1234, 2, 0);
    item->FontNumber = BoldFont;
    EXPECT_EQ(compiledRecord(*item, h.fonts, 0), (Bytes{0x00, 12, 0xF6, 0xFF, 0x34, 0x12, 2}));
    item->FontNumber = 77;
    EXPECT_EQ(compiledRecord(*item, h.fonts, 0)[1], 0);
    EXPECT_TRUE(compiledRecord(*item, h.fonts, 3).empty());
}

TEST(ImageItem, HitTestIncludesTheRectangleEdges) {
    RenderHarness h; // zoom 1: a dot is a pixel
    auto item = textItemAt(SansFont, 150, 150);
    const EdgeRect r = item->getScreenRect(h.display);
    EXPECT_TRUE(item->hitTest(h.display, r.Left, r.Top));
    EXPECT_TRUE(item->hitTest(h.display, r.Right, r.Bottom));
    EXPECT_FALSE(item->hitTest(h.display, r.Left - 1, r.Top));
    EXPECT_FALSE(item->hitTest(h.display, r.Right, r.Bottom + 1));
}

// One cell of the justification tables: where an item of a model, rotation
// and justification is put along the axis its model justifies on, from the
// area (L, T, R, B), the capitals' bottom a and top c, and the text's cell
// w × h, all in dots.
struct JustifyCell {
    int model;
    int rotation;
    int justification;
    int (*expected)(const DotRect& r, int a, int c, int w, int h);
};

constexpr int M = 50; // the display's margin
// Across the image on the first model, down it on the others.
constexpr JustifyCell JustifyCells[] = {
    {0, 0, 1, [](const DotRect& r, int, int, int, int) { return r.Left + M; }},
    {0, 0, 2,
     [](const DotRect& r, int, int, int w, int) { return r.Left + (r.Right - r.Left - w) / 2; }},
    {0, 0, 3, [](const DotRect& r, int, int, int w, int) { return r.Right - w - M; }},
    {0, 1, 1, [](const DotRect& r, int a, int, int, int) { return r.Left + M + a; }},
    {0, 1, 2,
     [](const DotRect& r, int a, int, int, int h) {
         return r.Left + (r.Right - r.Left - h) / 2 + a;
     }},
    {0, 1, 3, [](const DotRect& r, int a, int, int, int h) { return r.Right - h - M + a; }},
    {0, 2, 1, [](const DotRect& r, int, int, int w, int) { return r.Left + w + M; }},
    {0, 2, 2,
     [](const DotRect& r, int, int, int w, int) {
         return r.Left + (r.Right - r.Left - w) / 2 + w;
     }},
    {0, 2, 3, [](const DotRect& r, int, int, int, int) { return r.Right - M; }},
    {0, 3, 1, [](const DotRect& r, int a, int, int, int h) { return r.Left + h + M - a; }},
    {0, 3, 2,
     [](const DotRect& r, int a, int, int, int h) {
         return r.Left + (r.Right - r.Left + h) / 2 - a;
     }},
    {0, 3, 3, [](const DotRect& r, int a, int, int, int) { return r.Right - M - a; }},
    {2, 0, 1, [](const DotRect& r, int a, int c, int, int) { return r.Top + M + (a - c); }},
    {2, 0, 2,
     [](const DotRect& r, int a, int c, int, int) {
         return r.Top + (r.Bottom - r.Top) / 2 + (a - c) / 2;
     }},
    {2, 0, 3, [](const DotRect& r, int, int, int, int) { return r.Bottom - M; }},
    {2, 1, 1, [](const DotRect& r, int, int, int w, int) { return r.Top + M + w; }},
    {2, 1, 2,
     [](const DotRect& r, int, int, int w, int) { return r.Top + (r.Bottom - r.Top) / 2 + w / 2; }},
    {2, 1, 3, [](const DotRect& r, int, int, int, int) { return r.Bottom - M; }},
    {2, 2, 1, [](const DotRect& r, int, int, int, int) { return r.Top + M; }},
    {2, 2, 2,
     [](const DotRect& r, int a, int c, int, int) {
         return r.Top + (r.Bottom - r.Top) / 2 - (a - c) / 2;
     }},
    {2, 2, 3, [](const DotRect& r, int a, int c, int, int) { return r.Bottom - M - (a - c); }},
    {2, 3, 1, [](const DotRect& r, int, int, int, int) { return r.Top + M; }},
    {2, 3, 2,
     [](const DotRect& r, int, int, int w, int) { return r.Top + (r.Bottom - r.Top) / 2 - w / 2; }},
    {2, 3, 3, [](const DotRect& r, int, int, int w, int) { return r.Bottom - M - w; }},
};

class JustifyTable : public ::testing::TestWithParam<JustifyCell> {};

// A restricted area away from the image's corner, so that each cell shows
// whether it counts from the area or from the image.
TEST_P(JustifyTable, MovesTheItemAlongItsModelsAxisOnly) {
    const JustifyCell& cell = GetParam();
    RenderHarness h(cell.model);
    const DotRect area = cell.model == 0 ? DotRect{30, 40, 451, 1500} : DotRect{610, 11, 1310, 218};
    h.display.setAreaRect(area);
    const std::string text = "HEH";
    auto item = textItemAt(SansFont, 900, 700, cell.rotation, text.c_str());
    item->Justification = uint8_t(cell.justification);
    item->justify(h.display, text);
    const QFontMetrics metrics(h.display.itemFont(SansFont, 1.0f).font);
    const int w = metrics.horizontalAdvance(QString::fromStdString(text));
    const int expected =
        cell.expected(area, item->Metrics.InkBottom, item->Metrics.InkTop, w, metrics.height());
    EXPECT_GT(item->Metrics.InkBottom, item->Metrics.InkTop); // measured, not blank
    if (cell.model == 0)
        EXPECT_EQ(item->getPosition(), QPoint(expected, 700));
    else
        EXPECT_EQ(item->getPosition(), QPoint(900, expected));
}

INSTANTIATE_TEST_SUITE_P(EveryCell, JustifyTable, ::testing::ValuesIn(JustifyCells),
                         [](const ::testing::TestParamInfo<JustifyCell>& info) {
                             const JustifyCell& c = info.param;
                             return "Model" + std::to_string(c.model) + "Rotation" +
                                    std::to_string(c.rotation) + "Justification" +
                                    std::to_string(c.justification);
                         });

TEST(ImageItem, CentreJustificationTruncatesTowardZero) {
    RenderHarness h(0); // justifies across an area 384 + 100 dots wide
    const QFontMetrics metrics(h.display.itemFont(SansFont, 1.0f).font);
    for (const int length : {4, 5, 30, 31}) { // the longer ones overflow the area
        const std::string text(size_t(length), 'W');
        auto item = textItemAt(SansFont, 70, 300, 0, text.c_str());
        item->Justification = 2;
        item->justify(h.display, text);
        const int w = metrics.horizontalAdvance(QString::fromStdString(text));
        EXPECT_EQ(item->getPosition(), QPoint((484 - w) / 2, 300)) << length;
    }
}
