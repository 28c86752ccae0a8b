#include "printer/ui/FontBoxes.h"
#include "FontTestSupport.h"

#include <QComboBox>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(FontBoxes, CombosShowTheBoxesSilentlyAndGiveTheChoiceBack) {
    FontSetHarness h;
    h.append({{2, 1, "Standard", 7}, {2, 2, "Standard", 9}, {2, 3, "Bold", 12}});
    h.selectModel(2);
    QComboBox names;
    QComboBox sizes;
    sizes.addItem("old");
    QSignalSpy changes(&sizes, &QComboBox::currentTextChanged);
    fillFontCombos(h.fonts, names, sizes, 2);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(shown(fromComboBox(names)) + shown(fromComboBox(sizes)),
              "Standard,Bold[0]=Standard7,9[1]=9");

    names.setCurrentIndex(1);
    fillSizeCombo(h.fonts, names, sizes);
    EXPECT_EQ(shown(fromComboBox(sizes)), "12[0]=12");

    QComboBox editable;
    editable.setEditable(true);
    showFontBox({{"7", "9"}, -1, "8"}, editable);
    EXPECT_EQ(shown(fromComboBox(editable)), "7,9[-1]=8");
}
