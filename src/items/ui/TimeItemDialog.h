#pragma once

#include "items/ui/ItemPropertiesDialog.h"

class IniFile;
class Messages;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TimeItem;

// The time item's property dialog, settings section "TIPropEdForm": the
// common properties plus the clock (24 hours or 12 with a suffix style) and
// the separator between hours and minutes.
//
// The suffix styles are the settings file's time formats. A separator the
// printer has no character for is refused as it is typed.
class TimeItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("TIPropEdForm");

    TimeItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts, const Messages& messages,
                   QWidget* parent = nullptr);

protected:
    void showOwnFields() override;

private:
    void buildControls();
    void readTexts(const IniFile* settings);
    TimeItem* timeItem() const;
    void fillSuffixes();

    void format24HrClicked();
    void suffixChosen(int index);
    void separatorEdited();
    void showSeparator(uint8_t separator);

    QGroupBox* formatGroupBox_;
    QCheckBox* format24HrCheckBox_;
    QComboBox* suffixComboBox_;
    QLabel* separatorLabel_;
    QLineEdit* separatorEdit_;
    QString foreignCharacterError_;
};
