#include "items/TextItem.h"
#include "RenderHarness.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<TextItem> textItem(const std::string& text, bool request, const std::string& prompt,
                                   int maxChars) {
    auto item = std::make_unique<TextItem>();
    item->setPosition({50 + 3, 50 + 0x105});
    item->FontNumber = SerifFont;
    item->Rotation = 1;
    item->Text = text;
    item->OperatorRequest = request;
    item->Prompt = prompt;
    item->MaxChars = maxChars;
    return item;
}

// The record after the common 7-byte header.
Bytes ownPart(const Bytes& record) {
    return record.size() < 7 ? Bytes() : Bytes(record.begin() + 7, record.end());
}

} // namespace

TEST(TextItem, DownloadRecordFollowsTheHeader) {
    RenderHarness h(1);
    const Bytes plain = compiledRecord(*textItem("AB", false, "", 2), h.fonts, 1);
    EXPECT_EQ(Bytes(plain.begin(), plain.begin() + 7), (Bytes{0x01, 23, 3, 0, 5, 1, 1}));
    EXPECT_EQ(ownPart(plain), (Bytes{0x41, 0x42, 0x00, 0x00, 0x00, 0x00, 0x02}));
    EXPECT_EQ(ownPart(compiledRecord(*textItem("AB", true, "Lot", 10), h.fonts, 1)),
              (Bytes{0x41, 0x42, 0x00, 0x01, 0x20, 0x4C, 0x6F, 0x74, 0x00, 0x0A}));
    // More than the byte holds is sent as the most it holds, not as its low byte.
    for (const int maxChars : {255, 256, 300})
        EXPECT_EQ(ownPart(compiledRecord(*textItem("", false, "", maxChars), h.fonts, 1)).back(),
                  0xFF)
            << maxChars;
}

TEST(TextItem, EqualityIsTextAndRequestBesidesThePlacement) {
    const auto a = textItem("AB", false, "one", 2);
    const auto b = textItem("AB", false, "two", 9);
    b->FontNumber = BoldFont;
    EXPECT_TRUE(a->isEqual(*b)); // prompt, length and font do not count
    b->OperatorRequest = true;
    EXPECT_FALSE(a->isEqual(*b));
}

TEST(TextItem, OrderHoldsOnlyWhenEveryComparedFieldIsOrdered) {
    const auto a = textItem("A", false, "", 2);
    const auto b = textItem("B", true, "", 2);
    b->setPosition(a->getPosition() + QPoint(1, 1));
    b->Rotation = 2;
    b->Justification = 1;
    EXPECT_TRUE(a->isLess(*b));
    EXPECT_TRUE(b->isGreater(*a));
    EXPECT_FALSE(a->isLess(*a));
    b->OperatorRequest = false; // one field not ordered
    EXPECT_FALSE(a->isLess(*b));
    // A bare item compares by placement only; a text item wants a text item.
    ImageItem bare;
    bare.setPosition(a->getPosition());
    bare.Rotation = a->Rotation;
    EXPECT_TRUE(bare.isEqual(*a));
    EXPECT_FALSE(a->isEqual(bare));
}
