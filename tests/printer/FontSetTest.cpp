#include "FontTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Font 1 exists for two models under different names; font 7 only for the
// first model.
class FontSet : public ::testing::Test {
protected:
    FontSet() {
        h.append({{2, 1, "Standard", 7, 21},
                  {2, 2, "Standard", 9, 22},
                  {2, 3, "Bold", 9, 23},
                  {4, 1, "Large", 24, 41},
                  {4, 2, "Large", 32, 42},
                  {4, 5, "Standard", 7, 45},
                  {1, 7, "Bold", 12, 17}});
        h.selectModel(2);
    }
    std::string boxesFor(int fontNumber) {
        FontBox names;
        FontBox sizes;
        h.fonts.FillFontBoxes(names, sizes, fontNumber);
        return shown(names) + " / " + shown(sizes);
    }
    int current() const { return h.fonts.CurrentFont() ? h.fonts.CurrentFont()->DownloadCode : -1; }

    FontSetHarness h;
};

} // namespace

TEST_F(FontSet, LookupsFollowTheSelectedModel) {
    EXPECT_EQ(h.fonts.FindFont(2)->DownloadCode, 22);
    EXPECT_EQ(h.fonts.DownloadCodeOf(1), 21);
    EXPECT_EQ(h.fonts.FontNameOf(-1), "Standard");
    EXPECT_EQ(h.fonts.FontNameOf(7), "Bold"); // only another model has it
    EXPECT_EQ(h.fonts.FontNameOf(99), "");

    h.selectModel(4);
    EXPECT_EQ(h.fonts.FindFont(1)->DownloadCode, 41);
    EXPECT_EQ(h.fonts.DownloadCodeOf(1), 41);
    EXPECT_EQ(h.fonts.FontNameOf(1), "Large");
    // Another model's or no font: drawn with the first font, downloaded as 0.
    EXPECT_EQ(h.fonts.FindFont(7)->DownloadCode, 41);
    EXPECT_EQ(h.fonts.DownloadCodeOf(7), 0);
}

TEST_F(FontSet, ModelWithoutFontsFindsNoneAndShowsEmptyBoxes) {
    FontSetHarness other;
    other.append({{2, 1, "Standard", 7, 21}});
    other.selectModel(1);
    EXPECT_EQ(other.fonts.FindFont(1), nullptr);
    FontBox names;
    FontBox sizes;
    other.fonts.FillFontBoxes(names, sizes, -1);
    EXPECT_EQ(shown(names) + shown(sizes), "[-1]=[-1]=");
}

TEST_F(FontSet, SelectFontFallsBackToTheModelsFirstFont) {
    h.fonts.SelectFont("Bold", "9");
    EXPECT_EQ(current(), 23);
    for (const auto& [name, size] : {std::pair{"Missing", "9"}, {"Bold", "nine"}, {"bold", "9"}}) {
        h.fonts.SelectFont(name, size);
        EXPECT_EQ(current(), 21) << name << " " << size;
    }
    h.selectModel(4);
    h.fonts.SelectFont("Standard", "7");
    EXPECT_EQ(h.fonts.CurrentFontNumber(), 5);
}

TEST_F(FontSet, FontBoxesListEachNameOnceAndTheSizesOfTheFontsName) {
    EXPECT_EQ(boxesFor(2), "Standard,Bold[0]=Standard / 7,9[1]=9");
    EXPECT_EQ(boxesFor(3), "Standard,Bold[1]=Bold / 9[0]=9");
    EXPECT_EQ(boxesFor(-1), "Standard,Bold[0]=Standard / 7,9[0]=7");
    EXPECT_EQ(boxesFor(99), "Standard,Bold[0]=Standard / 7,9[0]=7");
    // Font 7 is the first model's "Bold": not "Standard" with the sizes of "Bold".
    EXPECT_EQ(boxesFor(7), "Standard,Bold[0]=Standard / 7,9[0]=7");
    h.selectModel(4);
    EXPECT_EQ(boxesFor(2), "Large,Standard[0]=Large / 24,32[1]=32");
}

TEST_F(FontSet, InterleavedNamesSelectTheFontsOwnName) {
    FontSetHarness mixed;
    mixed.append({{2, 1, "A", 7}, {2, 2, "B", 7}, {2, 3, "A", 9}});
    mixed.selectModel(2);
    FontBox names;
    FontBox sizes;
    mixed.fonts.FillFontBoxes(names, sizes, 3);
    EXPECT_EQ(shown(names) + " / " + shown(sizes), "A,B[0]=A / 7,9[1]=9");
}

TEST_F(FontSet, CurrentFontFollowsTheBoxesOnlyAfterAModelChange) {
    EXPECT_EQ(h.fonts.CurrentModelCode(), -1);
    boxesFor(3);
    EXPECT_EQ(current(), 23);
    boxesFor(1);
    EXPECT_EQ(current(), 23);
    h.selectModel(4);
    boxesFor(2);
    EXPECT_EQ(current(), 42);
    EXPECT_EQ(h.fonts.CurrentModelCode(), 4);
}

TEST_F(FontSet, SizeBoxListsTheSizesOfTheNameBoxText) {
    FontBox sizes{{"stale"}, 0, "stale"};
    h.fonts.FillSizeBox({{}, -1, "Standard"}, sizes);
    EXPECT_EQ(shown(sizes), "7,9[0]=7");
    h.fonts.FillSizeBox({{}, -1, "standard"}, sizes);
    EXPECT_EQ(shown(sizes), "[-1]=");
}
