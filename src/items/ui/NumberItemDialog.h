#pragma once

#include "items/ui/ItemPropertiesDialog.h"

class IniFile;
class NumberItem;
class QCheckBox;
class QGroupBox;
class QLabel;

// The number item's property dialog, settings section "NIPropEdForm": the
// common properties plus the counter's settings.
//
// Every box keeps a valid integer as it is typed, so that drawing and
// downloading never meet a text from here that does not convert: a number,
// step or restart value that is not one becomes "0"; the count before each
// step drops every character that is not a digit, with a beep for each; a
// digit count that is not a number of at least 1 becomes "001". A new
// number sets the digit count to its own length.
class NumberItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("NIPropEdForm");

    NumberItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                     QWidget* parent = nullptr);

protected:
    void showOwnFields() override;

private:
    class NumberBox;

    void buildControls();
    void readTexts(const IniFile* settings);
    NumberItem* numberItem() const;

    void numberChanged();
    void incrementChanged();
    void restartChanged();
    void countBeforeChanged();
    void maxLengthChanged();
    // Replaces a text that is no integer by "0"; false when it did.
    bool keepsInteger(NumberBox& box);

    QGroupBox* group_ = nullptr;
    QLabel* numberLabel_ = nullptr;
    NumberBox* numberEdit_ = nullptr;
    QLabel* incrementLabel_ = nullptr;
    NumberBox* incrementEdit_ = nullptr;
    QLabel* restartLabel_ = nullptr;
    NumberBox* restartEdit_ = nullptr;
    QLabel* maxLengthLabel_ = nullptr;
    NumberBox* maxLengthEdit_ = nullptr;
    QLabel* countBeforeLabel_ = nullptr;
    NumberBox* countBeforeIncEdit_ = nullptr;
    QCheckBox* leadingZeroCheckBox_ = nullptr;
    QCheckBox* reverseCountCheckBox_ = nullptr;
};
