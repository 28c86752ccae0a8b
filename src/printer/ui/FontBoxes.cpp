#include "printer/ui/FontBoxes.h"

#include <QComboBox>
#include <QSignalBlocker>

void showFontBox(const FontBox& box, QComboBox& combo) {
    const QSignalBlocker blocker(combo);
    combo.clear();
    combo.addItems(box.items);
    combo.setCurrentIndex(box.itemIndex);
    if (combo.isEditable())
        combo.setEditText(box.text);
}

FontBox fromComboBox(const QComboBox& combo) {
    FontBox box;
    for (int i = 0; i < combo.count(); ++i)
        box.items.append(combo.itemText(i));
    box.itemIndex = combo.currentIndex();
    box.text = combo.currentText();
    return box;
}

void fillFontCombos(FontSet& fonts, QComboBox& nameCombo, QComboBox& sizeCombo, int fontNumber) {
    FontBox nameBox;
    FontBox sizeBox;
    fonts.fillFontBoxes(nameBox, sizeBox, fontNumber);
    showFontBox(nameBox, nameCombo);
    showFontBox(sizeBox, sizeCombo);
}

void fillSizeCombo(const FontSet& fonts, const QComboBox& nameCombo, QComboBox& sizeCombo) {
    FontBox sizeBox;
    fonts.fillSizeBox(fromComboBox(nameCombo), sizeBox);
    showFontBox(sizeBox, sizeCombo);
}
