// What the picture shows, read from the pixels of the display's bitmap.
#include "RenderHarness.h"
#include "document/ItemTypeNames.h"

#include <gtest/gtest.h>

// With the anchor at 150: the capitals end on row 149 (rotation 0) or column
// 149 (rotation 1), just before the anchor; upside down (2) they start on row
// 150 and at 270° (3) on column 150, the anchor's own line. The item is
// turned in place, so each rotation must be measured afresh.
TEST(Rendering, CapitalsMeetTheAnchorInEveryRotationAndZoom) {
    RenderHarness h;
    auto item = textItemAt(SerifFont, 150, 150);
    for (const int zoom : {1, 2}) {
        h.zoom(float(zoom));
        for (int rotation = 0; rotation < 4; ++rotation) {
            item->Rotation = uint8_t(rotation);
            const QRect ink = inkBounds(h.render(*item));
            const int edges[] = {ink.bottom(), ink.right(), ink.top(), ink.left()};
            EXPECT_EQ(edges[rotation], 150 * zoom - (rotation < 2 ? 1 : 0))
                << "rotation " << rotation << " zoom " << zoom;
            ItemMetrics fresh{rotation, SerifFont, 0, item->Metrics.PointSize, 0, 0};
            EXPECT_EQ(item->Metrics, h.display.measureCapitals(fresh));
        }
    }
}

TEST(Rendering, ZoomAndAnotherFontAreMeasuredAgain) {
    RenderHarness h;
    auto item = textItemAt(SansFont, 150, 150);
    h.render(*item);
    const ItemMetrics atOne = item->Metrics;
    h.zoom(2.0f);
    h.render(*item);
    EXPECT_NEAR(item->Metrics.PointSize, 2 * atOne.PointSize, 1);
    EXPECT_NEAR(double(item->Metrics.CellHeight) / atOne.CellHeight, 2.0, 0.2);

    item->FontNumber = SerifFont;
    EXPECT_EQ(inkBounds(h.render(*item)).bottom(), 299);
    EXPECT_EQ(item->Metrics.FontNumber, SerifFont);
}

TEST(Rendering, EveryPixelIsBlackOrWhiteHighlightsIncluded) {
    RenderHarness h;
    ItemList items;
    items.append(textItemAt(SansFont, 60, 150, 0, "Anti-aliasing? Never."));
    items.append(textItemAt(BoldFont, 300, 250, 1, "Bold 90"));
    items.append(textItemAt(SerifFont, 700, 80, 2, "Serif \xC9t\xE9"));
    for (const float zoom : {0.5f, 1.5f}) {
        h.zoom(zoom);
        h.render(items);
        CanvasPainter painter(h.display);
        items.at(2)->drawHighlight(h.display);
        items.at(3)->drawOutline(h.display);
        EXPECT_TRUE(blackAndWhiteOnly(h.display.bitmap())) << zoom;
    }
}

// Item texts are Windows-1252 bytes: 0x80 is the euro sign, on the canvas
// and in the item list alike.
TEST(Rendering, TheEuroByteDrawsAndListsAsTheEuroSign) {
    RenderHarness h;
    ItemList items;
    items.append(textItemAt(SansFont, 60, 150, 0, "\x80"));
    EXPECT_FALSE(inkBounds(h.render(items)).isNull());
    EXPECT_EQ(items.listViewRows(ItemTypeNames())[0].value, QString::fromUtf8("€"));
}
