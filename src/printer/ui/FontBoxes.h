#pragma once

#include "printer/FontSet.h"

class QComboBox;

// The font name and size boxes of the tool bar and the property dialogs are
// combo boxes; the font set fills plain FontBox values that these copy in and
// out. Filling never emits the box's change signals, so showing a font is not
// taken for the user choosing one.
void showFontBox(const FontBox& box, QComboBox& combo);
FontBox fromComboBox(const QComboBox& combo);

// The font set's two filling operations, straight onto a pair of combo boxes.
void fillFontCombos(FontSet& fonts, QComboBox& nameCombo, QComboBox& sizeCombo, int fontNumber);
void fillSizeCombo(const FontSet& fonts, const QComboBox& nameCombo, QComboBox& sizeCombo);
