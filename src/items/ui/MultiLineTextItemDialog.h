#pragma once

#include "items/ui/ItemPropertiesDialog.h"

class IniFile;
class Messages;
class MultiLineTextItem;
class QCheckBox;
class QPlainTextEdit;

// The multiple-line text item's property dialog, settings section
// "RTxtIPropEdForm": the common properties, the lines in a memo, the text
// window's size (shown, never typed: it follows the text), the gap between
// lines and whether the window is outlined.
//
// Every change that moves the text — the lines, the gap, the font, the
// rotation — sizes the window again, so that OK checks the window the item
// will have. OK refuses a window wider or taller than the restricted area,
// and keeps the dialog open. Emptying the memo keeps the text the item had;
// a block that never had text is not placed (OK then acts as Cancel).
class MultiLineTextItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("RTxtIPropEdForm");

    MultiLineTextItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                            const Messages& messages, QWidget* parent = nullptr);

protected:
    void showOwnFields() override;
    void accept() override;

private:
    void buildControls();
    QWidget* buildWindowBox();
    void readTexts(const IniFile* settings);
    MultiLineTextItem* blockItem() const;

    void memoChanged();
    void gapEdited();
    void sizeWindow();
    void showWindowSize();
    bool refusesWindowSize();

    const Messages& messages_;
    QWidget* page_;
    QPlainTextEdit* textEdit_;
    QGroupBox* windowGroupBox_;
    QLabel* widthLabel_;
    LengthEdit* widthEdit_;
    QLabel* heightLabel_;
    LengthEdit* heightEdit_;
    QLabel* lineGapLabel_;
    LengthEdit* lineGapEdit_;
    QCheckBox* showOutlineCheckBox_;
    QCheckBox* autoSizeCheckBox_;
    QString foreignCharacterError_;
};
