#include "RenderHarness.h"
#include "persist/ClassRegistry.h"
#include "persist/StreamHelpers.h"
#include "persist/TMemoryStream.h"
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
    TMemoryStream s;
    WriteString(s, "ImageItem");
    for (const int32_t w : words)
        WriteLong(s, w);
    return s.bytes();
}

std::unique_ptr<ImageItem> placed(int x, int y, int rotation, int justification) {
    auto item = std::make_unique<ImageItem>();
    item->SetPosition({x, y});
    item->Rotation = uint8_t(rotation);
    item->Justification = uint8_t(justification);
    return item;
}

Bytes stored(const ImageItem& item) {
    TMemoryStream s;
    item.Store(s, documentRegistry());
    return s.bytes();
}

std::unique_ptr<PObject> loaded(const Bytes& bytes) {
    TMemoryStream s(bytes);
    return documentRegistry().LoadRecord(s);
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
    item->SetWidth(3);
    EXPECT_EQ(stored(*item), baseRecord({5, 10, 20, 3, 0, 3, 2})); // ends 03 00 00 00 02 00 00 00

    item->SetPosition({50, 50});
    EXPECT_EQ(stored(*item), baseRecord({5, 0, 0, 3, 0, 3, 2}));
    const auto back = loaded(stored(*item));
    const auto* backItem = dynamic_cast<const ImageItem*>(back.get());
    ASSERT_NE(backItem, nullptr);
    EXPECT_EQ(backItem->GetPosition(), QPoint(50, 50));
    EXPECT_TRUE(backItem->IsEqual(*item));
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
    const EdgeRect r = item->GetScreenRect(h.display);
    EXPECT_TRUE(item->HitTest(h.display, r.Left, r.Top));
    EXPECT_TRUE(item->HitTest(h.display, r.Right, r.Bottom));
    EXPECT_FALSE(item->HitTest(h.display, r.Left - 1, r.Top));
    EXPECT_FALSE(item->HitTest(h.display, r.Right, r.Bottom + 1));
}

TEST(ImageItem, CentreJustificationTruncatesTowardZero) {
    RenderHarness h(0); // justifies across an area 384 + 100 dots wide
    const QFontMetrics metrics(h.display.ItemFont(SansFont, 1.0f).font);
    for (const int length : {4, 5, 30, 31}) { // the longer ones overflow the area
        const std::string text(size_t(length), 'W');
        auto item = textItemAt(SansFont, 70, 300, 0, text.c_str());
        item->Justification = 2;
        item->Justify(h.display, text);
        const int w = metrics.horizontalAdvance(QString::fromStdString(text));
        EXPECT_EQ(item->GetPosition(), QPoint((484 - w) / 2, 300)) << length;
    }
}
