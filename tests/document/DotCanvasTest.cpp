#include "RenderHarness.h"

#include <gtest/gtest.h>

TEST(DotCanvas, CheckFitsNamesTheSideThatIsTooLargeAndSkipsNegativeSizes) {
    RenderHarness h(1); // 4000 × 128 dots
    EXPECT_EQ(h.display.checkFits(-1, 5000), 2);
    EXPECT_EQ(h.display.checkFits(5000, 5000), 1);
    EXPECT_EQ(h.display.checkFits(4000, 128), 0);
    EXPECT_EQ(h.display.checkFits(-1, -1), 0);
}

TEST(DotCanvas, ScreenPositionsAndFontSizesRoundHalvesToEven) {
    RenderHarness h;
    h.display.setScaleY(1.5f);
    h.display.setScaleX(0.5f);
    h.display.setScaleX(0.0f); // nothing can be divided by it
    EXPECT_EQ(h.display.dotsToScreen(1, 1), QPoint(0, 2));
    EXPECT_EQ(h.display.dotsToScreen(3, 3), QPoint(2, 4));
    EXPECT_EQ(FontRealizer::canvasPoints(3, 48, 1.0f), 2);               // 1.5
    EXPECT_EQ(FontRealizer::canvasPoints(5, 48, 1.0f), 2);               // 2.5
    EXPECT_LE(FontRealizer::canvasPoints(2000000000, 2000, 2.0f), 1500); // damaged font map
}

TEST(DotCanvas, MeasuresCapitalsOnlyWhenTheCellHeightChangedOrNothingIsKnown) {
    RenderHarness h;
    ItemMetrics request;
    request.FontNumber = SansFont;
    const ItemMetrics measured = h.display.measureCapitals(request);
    EXPECT_GT(measured.InkTop, 0);
    EXPECT_GT(measured.InkBottom, measured.InkTop);
    EXPECT_LT(measured.InkBottom, measured.CellHeight);

    ItemMetrics stale = measured;
    stale.InkTop = 1;
    EXPECT_EQ(h.display.measureCapitals(stale), stale);
    stale.InkBottom = 0;
    EXPECT_EQ(h.display.measureCapitals(stale), measured);
    request.FontNumber = 99; // not a font of the model: its first font
    EXPECT_EQ(h.display.measureCapitals(request).InkBottom, measured.InkBottom);
}
