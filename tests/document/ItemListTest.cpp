#include "RenderHarness.h"
#include "ScriptedPrompter.h"
#include "document/ItemTypeNames.h"
#include "persist/DownloadBuffer.h"
#include "persist/NamedObject.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

namespace {

// Stands for the graphic kind: the list counts graphics by their type code.
class FakeGraphic : public Persistent<FakeGraphic, ImageItem> {
public:
    static constexpr auto RecordName = "FakeGraphic";
    uint8_t getTypeCode() const override { return GraphicTypeCode; }
};

} // namespace

TEST(ItemList, RefusesWhatIsNotAnItemWithAStopMessage) {
    ScriptedPrompter prompter;
    const Messages messages;
    ItemList list(prompter, messages);
    ASSERT_TRUE(list.append(textItemAt(SansFont, 60, 60)));
    ImageItem* first = list.at(1);
    EXPECT_FALSE(list.append(std::make_unique<NamedObject>()));
    EXPECT_FALSE(list.insertFirst(std::make_unique<PersistentObject>()));
    EXPECT_EQ(list.put(1, std::make_unique<PersistentList>()), nullptr);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.at(1), first);
    EXPECT_EQ(prompter.texts(),
              QStringList(3, "Error - attempt to add wrong object to image list"));
}

// Rectangles of items anchored at Y = 150 and 156 share rows 127 to 156; row
// 153 is as far from both anchors.
TEST(ItemList, NearestHitPrefersTheNearestAnchorAndTheEarlierItemOnATie) {
    RenderHarness h;
    ItemList list;
    list.append(textItemAt(SansFont, 100, 150));
    list.append(textItemAt(SansFont, 100, 156));
    ImageItem* first = list.at(1);
    ImageItem* second = list.at(2);
    ASSERT_TRUE(first->hitTest(h.display, 120, 153) && second->hitTest(h.display, 120, 153));
    EXPECT_EQ(list.findNearestHit(h.display, 120, 153), first);
    EXPECT_EQ(list.findNearestHit(h.display, 120, 155), second);
    EXPECT_EQ(list.findNearestHit(h.display, 3000, 153), nullptr);
    list.insertFirst(list.extract(2));
    EXPECT_EQ(list.findNearestHit(h.display, 120, 153), second);
}

TEST(ItemList, CompilesCountsAndListsItsItemsInOrder) {
    RenderHarness h(1);
    ItemList list;
    list.append(textItemAt(SansFont, 50, 60, 0, "A"));
    list.append(std::make_unique<FakeGraphic>());
    EXPECT_EQ(list.countGraphics(), 1);
    EXPECT_EQ(list.typeIndex(2), 5);
    DownloadBuffer buffer;
    list.compileAll(buffer, {h.fonts, 1});
    EXPECT_EQ(std::vector<uint8_t>(buffer.Bytes.begin(), buffer.Bytes.begin() + buffer.Size),
              (std::vector<uint8_t>{1,    21, 0,    0,    10,   0,    0, 'A', 0, 0, 0, 0, 0, //
                                    0x20, 0,  0xCE, 0xFF, 0xCE, 0xFF, 0}));

    EXPECT_EQ(list.listViewRows(ItemTypeNames())[0], (ListViewRow{"1", "Text", "A"}));
    QStringList lines;
    list.structureListing(std::bitset<16>().set(0).set(5), lines);
    EXPECT_EQ(lines, (QStringList{"1  1 1 XPOS 0 YPOS 10", "32  2 32 XPOS -50 YPOS -50"}));
}
