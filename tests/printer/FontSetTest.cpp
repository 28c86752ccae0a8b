#include "FontTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Font 1 exists for two models under different names; font 7 only for the
// first model.
class FontSetLookup : public ::testing::Test {
protected:
    FontSetLookup() {
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
        h.fonts.fillFontBoxes(names, sizes, fontNumber);
        return shown(names) + " / " + shown(sizes);
    }
    FontSetHarness h;
};

} // namespace

TEST_F(FontSetLookup, LookupsFollowTheSelectedModel) {
    EXPECT_EQ(h.fonts.findFont(2)->DownloadCode, 22);
    EXPECT_EQ(h.fonts.downloadCodeOf(1), 21);
    EXPECT_EQ(h.fonts.fontNameOf(7), "Bold"); // only another model has it
    EXPECT_EQ(h.fonts.fontNameOf(99), "");

    h.selectModel(4);
    EXPECT_EQ(h.fonts.downloadCodeOf(1), 41);
    EXPECT_EQ(h.fonts.fontNameOf(1), "Large");
    // Another model's or no font: drawn with the first font, downloaded as 0.
    EXPECT_EQ(h.fonts.findFont(7)->DownloadCode, 41);
    EXPECT_EQ(h.fonts.downloadCodeOf(7), 0);
    FontSetHarness bare; // a model without fonts
    bare.selectModel(2);
    EXPECT_EQ(bare.fonts.findFont(1), nullptr);
}

TEST_F(FontSetLookup, FontBoxesListEachNameOnceAndTheSizesOfTheFontsName) {
    EXPECT_EQ(boxesFor(2), "Standard,Bold[0]=Standard / 7,9[1]=9");
    EXPECT_EQ(boxesFor(3), "Standard,Bold[1]=Bold / 9[0]=9");
    EXPECT_EQ(boxesFor(99), "Standard,Bold[0]=Standard / 7,9[0]=7");
    // Font 7 is the first model's "Bold": not "Standard" with the sizes of "Bold".
    EXPECT_EQ(boxesFor(7), "Standard,Bold[0]=Standard / 7,9[0]=7");

    FontBox sizes{{"stale"}, 0, "stale"};
    h.fonts.fillSizeBox({{}, -1, "standard"}, sizes);
    EXPECT_EQ(shown(sizes), "[-1]=");

    FontSetHarness mixed; // interleaved names: the font's own name is selected
    mixed.append({{2, 1, "A", 7}, {2, 2, "B", 7}, {2, 3, "A", 9}});
    mixed.selectModel(2);
    FontBox names;
    mixed.fonts.fillFontBoxes(names, sizes, 3);
    EXPECT_EQ(shown(names) + " / " + shown(sizes), "A,B[0]=A / 7,9[1]=9");
}
