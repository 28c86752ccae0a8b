#include "RenderHarness.h"

#include <gtest/gtest.h>

TEST(Display, GeometryOfANewImageAndOfALoadedOne) {
    RenderHarness h;
    NebraDisplay& d = h.display;
    d.ResetGeometry(50, 185, 256, 4000, 0, 0);
    EXPECT_EQ(d.AreaRect(), (DotRect{0, 0, 4100, 356}));
    EXPECT_EQ(std::make_pair(d.AreaWidth(), d.AreaHeight()), std::make_pair(4000, 256));
    EXPECT_EQ(std::make_pair(d.DisplayWidth(), d.DisplayHeight()), std::make_pair(4100, 356));
    d.SetScaleX(2.0f);
    d.SetScaleX(0.0f); // nothing can be divided by it
    EXPECT_EQ(d.ScaleX(), 2.0f);
    d.SetGeometry(202, 10, 20, 500, 600);
    EXPECT_EQ(std::make_pair(d.AreaWidth(), d.AreaHeight()), std::make_pair(390, 480));
    EXPECT_EQ(d.ScaleX(), 1.0f);
}

TEST(Display, CheckFitsNamesTheSideThatIsTooLargeAndSkipsNegativeSizes) {
    RenderHarness h(1); // 4000 × 128 dots
    EXPECT_EQ(h.display.CheckFits(-1, 5000), 2);
    EXPECT_EQ(h.display.CheckFits(5000, 5000), 1);
    EXPECT_EQ(h.display.CheckFits(4000, 128), 0);
    EXPECT_EQ(h.display.CheckFits(-1, -1), 0);
}

TEST(Display, ScreenPositionsAndFontSizesRoundHalvesToEven) {
    RenderHarness h;
    h.display.SetScaleX(0.5f);
    h.display.SetScaleY(1.5f);
    EXPECT_EQ(h.display.DotsToScreen(1, 1), QPoint(0, 2));
    EXPECT_EQ(h.display.DotsToScreen(3, 3), QPoint(2, 4));
    EXPECT_EQ(h.display.DotsToScreen(5, 5), QPoint(2, 8));
    EXPECT_EQ(FontRealizer::CanvasPoints(3, 48, 1.0f), 2); // 1.5
    EXPECT_EQ(FontRealizer::CanvasPoints(5, 48, 1.0f), 2); // 2.5
    EXPECT_EQ(FontRealizer::CanvasPoints(12, 185, 2.0f), 46);
    EXPECT_LE(FontRealizer::CanvasPoints(2000000000, 2000, 2.0f), 1500); // damaged font map
}

TEST(Display, MeasuresCapitalsOnlyWhenTheCellHeightChangedOrNothingIsKnown) {
    RenderHarness h;
    ItemMetrics request;
    request.FontNumber = SansFont;
    const ItemMetrics measured = h.display.MeasureCapitals(request);
    EXPECT_GT(measured.InkTop, 0);
    EXPECT_GT(measured.InkBottom, measured.InkTop);
    EXPECT_LT(measured.InkBottom, measured.CellHeight);

    ItemMetrics stale = measured;
    stale.InkTop = 1;
    EXPECT_EQ(h.display.MeasureCapitals(stale), stale);
    stale.InkBottom = 0;
    EXPECT_EQ(h.display.MeasureCapitals(stale), measured);
    request.FontNumber = 99; // not a font of the model: its first font
    EXPECT_EQ(h.display.MeasureCapitals(request).InkBottom, measured.InkBottom);
}
