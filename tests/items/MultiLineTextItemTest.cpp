#include "items/MultiLineTextItem.h"
#include "ImageBytes.h"
#include "RenderHarness.h"
#include "document/ItemTypeNames.h"
#include "persist/MemoryStream.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <limits>

namespace {

using Bytes = std::vector<uint8_t>;

std::unique_ptr<MultiLineTextItem> block(const char* text, int rotation = 0, int gap = 0) {
    auto item = ImageItem::createNew<MultiLineTextItem>(SansFont);
    item->setPosition({50 + 300, 50 + 60});
    item->Rotation = uint8_t(rotation);
    item->LineGap = gap;
    item->Text = text;
    return item;
}

Bytes ownPart(const Bytes& record) {
    return record.size() < 7 ? Bytes() : Bytes(record.begin() + 7, record.end());
}

// The height of the text cell at zoom 1, in dots.
int cellDots(RenderHarness& h) {
    auto one = block("E");
    one->computeWindowSize(h.display);
    return one->Metrics.CellHeight;
}

} // namespace

TEST(MultiLineTextItem, DownloadRecordFollowsTheHeader) {
    RenderHarness h(1);
    auto item = block("AB\r\nC");
    item->WindowWidth = 20;
    item->WindowHeight = 30;
    item->LineGap = 2;
    const Bytes record = compiledRecord(*item, h.fonts, 1);
    EXPECT_EQ(Bytes(record.begin(), record.begin() + 7), (Bytes{0x80, 21, 0x2C, 1, 60, 0, 0}));
    EXPECT_EQ(ownPart(record),
              (Bytes{0x14, 0x00, 0x1E, 0x00, 0x02, 0x41, 0x42, 0x0D, 0x0A, 0x43, 0x00}));
    // Two bytes of each size, the gap's low byte only.
    item->WindowWidth = 300;
    item->LineGap = -2;
    const Bytes wider = ownPart(compiledRecord(*item, h.fonts, 1));
    EXPECT_EQ(Bytes(wider.begin(), wider.begin() + 5), (Bytes{0x2C, 0x01, 0x1E, 0x00, 0xFE}));
}

TEST(MultiLineTextItem, ListsOneRowPerLine) {
    std::vector<ListViewRow> rows;
    block("AB\r\n\r\nC")->addToListView(3, rows, ItemTypeNames());
    EXPECT_EQ(rows, (std::vector<ListViewRow>{{"3.1", "Multiline", "AB"},
                                              {"3.2", "Multiline", ""},
                                              {"3.3", "Multiline", "C"}}));
}

// The window is the widest line across, the lines with their scaled gaps
// down, and comes back to dots at every zoom.
TEST(MultiLineTextItem, WindowHoldsTheWidestLineAndTheLinesWithTheirGaps) {
    for (const float zoom : {1.0f, 2.0f, 0.5f}) {
        RenderHarness h(1);
        h.zoom(zoom);
        auto item = block("AB\r\nWWWW\r\nC", 0, 3);
        item->computeWindowSize(h.display);
        const int widest =
            QFontMetrics(h.display.itemFont(SansFont, zoom).font).horizontalAdvance("WWWW");
        const int gap = roundHalfEven(3 * zoom);
        EXPECT_EQ(item->WindowWidth, roundHalfEven(widest / zoom)) << zoom;
        EXPECT_EQ(item->WindowHeight,
                  roundHalfEven((3 * item->Metrics.CellHeight + 2 * gap) / zoom))
            << zoom;
    }
}

// However far the gap takes back, the next line starts no higher than the
// one before it: three lines are no shorter than one, at every zoom.
TEST(MultiLineTextItem, ANegativeGapTakesBackAtMostOneLine) {
    RenderHarness h(1);
    const int cell = cellDots(h);
    for (const float zoom : {1.0f, 2.0f, 3.0f}) {
        h.zoom(zoom);
        auto one = block("E");
        one->computeWindowSize(h.display);
        for (const int gap :
             {-cell, -cell * 3 / 2, -cell * 3, -100000, std::numeric_limits<int32_t>::min()}) {
            auto three = block("E\r\nE\r\nE", 0, gap);
            three->computeWindowSize(h.display);
            EXPECT_EQ(three->WindowHeight, one->WindowHeight) << zoom << " " << gap;
        }
    }
}

// Each further line goes one cell and the gap further the way the letters'
// bottoms point; the block is framed by its window, which a quarter turn
// turns from wide to tall.
TEST(MultiLineTextItem, LinesFollowOneAnotherInTheTurnOfTheText) {
    QSize frame[4];
    for (int rotation = 0; rotation < 4; ++rotation) {
        RenderHarness h(1);
        auto one = block("E", rotation);
        auto two = block("E\r\nE", rotation, 4);
        one->ShowOutline = two->ShowOutline = false;
        const QRect a = inkBounds(h.render(*one));
        const QRect b = inkBounds(h.render(*two));
        const int step = two->Metrics.CellHeight + 4;
        const QRect expected[4] = {a.adjusted(0, 0, 0, step), a.adjusted(0, 0, step, 0),
                                   a.adjusted(0, -step, 0, 0), a.adjusted(-step, 0, 0, 0)};
        EXPECT_EQ(b, expected[rotation]) << rotation;
        EXPECT_TRUE(two->getScreenRect(h.display).toQRect().contains(b)) << rotation;

        two->ShowOutline = true;
        EXPECT_EQ(inkBounds(h.render(*two)), two->getScreenRect(h.display).toQRect()) << rotation;
        frame[rotation] = two->getScreenRect(h.display).toQRect().size();
    }
    EXPECT_NE(frame[0].width(), frame[0].height());
    for (const int rotation : {1, 2, 3})
        EXPECT_EQ(frame[rotation], rotation == 2 ? frame[0] : frame[0].transposed()) << rotation;
}

// A window smaller than its text shows only what lies inside it.
TEST(MultiLineTextItem, AFixedWindowCutsItsLines) {
    RenderHarness h(1);
    const int cell = cellDots(h);
    auto item = block("WWWW\r\nWWWW\r\nWWWW");
    item->AutoSize = false;
    item->ShowOutline = false;
    item->WindowWidth = 15;
    item->WindowHeight = cell;
    const QRect ink = inkBounds(h.render(*item));
    const QRect window = item->getScreenRect(h.display).toQRect();
    EXPECT_EQ(window.size(), QSize(15, cell));
    EXPECT_FALSE(ink.isNull());
    EXPECT_TRUE(window.contains(ink));
}

// A loaded block starts from a blank object, but is sized to its text and
// framed as the block that was saved, and is not font based either.
TEST(MultiLineTextItem, ALoadedBlockIsSizedAndFramedAsANewOne) {
    RenderHarness h(1);
    auto saved = block("AB\r\nC");
    const QImage before = h.render(*saved);
    MemoryStream s;
    auto stale = block("AB\r\nC");
    stale->WindowWidth = 3;
    stale->WindowHeight = 3;
    stale->store(s, imageFileRegistry());
    s.setPosition(0);
    auto loaded = imageFileRegistry().loadRecord(s);
    auto& item = dynamic_cast<MultiLineTextItem&>(*loaded);
    EXPECT_FALSE(item.FontBased); // the window must lie in the area, not the capitals
    EXPECT_EQ(h.render(item), before);
    EXPECT_EQ(item.WindowWidth, saved->WindowWidth);
    EXPECT_EQ(item.WindowHeight, saved->WindowHeight);
}

// The window, not a band of capitals, goes to the justified edge, in every
// turn: across the image on the first model, down it on the others.
TEST(MultiLineTextItem, JustificationPutsTheWindowAtTheEdge) {
    for (const int model : {0, 1}) {
        RenderHarness h(model);
        const DotRect area = h.display.areaRect();
        for (int rotation = 0; rotation < 4; ++rotation) {
            for (const int justification : {1, 2, 3}) {
                auto item = block("AB\r\nWWWW", rotation, 1);
                item->Justification = uint8_t(justification);
                h.render(*item);
                const EdgeRect r = item->getScreenRect(h.display);
                const int start = model == 0 ? r.Left : r.Top;
                const int end = (model == 0 ? r.Right : r.Bottom) + 1;
                const int areaStart = model == 0 ? area.Left : area.Top;
                const int areaEnd = model == 0 ? area.Right : area.Bottom;
                const auto where = ::testing::Message()
                                   << "model " << model << " rotation " << rotation
                                   << " justification " << justification;
                if (justification == 1)
                    EXPECT_EQ(start, areaStart + 50) << where;
                else if (justification == 3)
                    EXPECT_EQ(end, areaEnd - 50) << where;
                else
                    EXPECT_LE(std::abs((start - areaStart) - (areaEnd - end)), 1) << where;
            }
        }
    }
}
