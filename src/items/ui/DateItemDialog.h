#pragma once

#include "items/ui/ItemPropertiesDialog.h"

#include <QDate>

#include <array>
#include <string>

class DateItem;
class ItemCalendar;
class Messages;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class RadioGroup;

// The date item's property dialog, settings section "DIPropEdForm": the
// common properties plus the overall type, the parts of a normal date, the
// separator, month language, Arabic and lead zeros, the offset, the week
// count and the day code. Only the groups of the chosen type can be edited.
//
// The example panel shows what the handheld prints today, on the day the
// view's calendar gives, and below it today's date without the offset when
// that differs; both follow every change at once.
class DateItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("DIPropEdForm");

    DateItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts, const Messages& messages,
                   QWidget* parent = nullptr);

    int editItem(ImageItem& item, DotCanvas& view, int itemNumber) override;

protected:
    void showOwnFields() override;

private:
    void buildControls();
    QGroupBox* buildPartsBox();
    QGroupBox* buildTextBox();
    QGroupBox* buildOffsetBox();
    QGroupBox* buildWeekBox();
    QGroupBox* buildDayCodeBox();
    void connectControls();
    void readTexts(const IniFile* settings);
    DateItem* dateItem() const;
    QDate today() const;

    void fillLanguageBox();
    void enableForType();
    void showParts();
    void overallTypeChosen(int index);
    void partChosen();
    void arabicClicked(bool checked);
    void separatorEdited();
    void offsetAmountEdited();
    void weekNumberEdited();
    void followBoxes();
    void showExample();

    const Messages& messages_;
    const ItemCalendar* calendar_ = nullptr;
    // Controls are being filled from the item, not changed by the user.
    bool showing_ = false;

    QWidget* page_;
    QGroupBox* formatGroupBox_;
    RadioGroup* overallTypeRG_;
    QCheckBox* operatorRequestCheckBox_;
    QGroupBox* fieldGroupBox_;
    std::array<QComboBox*, 3> fieldComboBoxes_{};
    QGroupBox* textGroupBox_;
    QLabel* languageLabel_;
    QComboBox* languageComboBox_;
    QLabel* separatorLabel_;
    QLineEdit* separatorEdit_;
    QCheckBox* arabicCheckBox_;
    QCheckBox* leadZerosCheckBox_;
    QGroupBox* offsetGroupBox_;
    QLineEdit* offsetAmountEdit_;
    QComboBox* offsetTypeComboBox_;
    QGroupBox* weekNoGroupBox_;
    QLineEdit* currentWeekNumberEdit_;
    QGroupBox* dayCodeGroupBox_;
    QLabel* firstDayLabel_;
    QComboBox* firstDayComboBox_;
    QLabel* firstIndexLabel_;
    QComboBox* firstIndexComboBox_;
    QLabel* examplePanel_;
    QString exampleCaption_;
    QString withoutOffsetCaption_;
    QString foreignCharacterError_;
};
