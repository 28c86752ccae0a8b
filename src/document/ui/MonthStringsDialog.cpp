#include "document/ui/MonthStringsDialog.h"

#include "document/DataStore.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "widgets/DialogButtons.h"
#include "widgets/DialogSupport.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct MonthNames {
    const char* edit;
    const char* label;
    const char* caption;
};

constexpr std::array<MonthNames, MonthStringsDialog::MonthCount> Months{{
    {"JanEdit", "JanLabel", "January"},
    {"FebEdit", "FebLabel", "February"},
    {"MarEdit", "MarLabel", "March"},
    {"AprEdit", "AprLabel", "April"},
    {"MayEdit", "MayLabel", "May"},
    {"JunEdit", "JunLabel", "June"},
    {"JulEdit", "JulLabel", "July"},
    {"AugEdit", "AugLabel", "August"},
    {"SepEdit", "SepLabel", "September"},
    {"OctEdit", "OctLabel", "October"},
    {"NovEdit", "NovLabel", "November"},
    {"DecEdit", "DecLabel", "December"},
}};

} // namespace

MonthStringsDialog::MonthStringsDialog(const IniFile* settings, QWidget* parent)
    : QDialog(parent), nameLabel_(namedWidget<QLabel>(this, "NameLabel")),
      nameEdit_(namedWidget<QLineEdit>(this, "NameEdit")) {
    setObjectName(SettingsSection);
    nameLabel_->setBuddy(nameEdit_);
    auto* grid = new QGridLayout;
    grid->addWidget(nameLabel_, 0, 0);
    grid->addWidget(nameEdit_, 0, 1, 1, 3);
    // January to June down the left, July to December down the right.
    for (int m = 0; m < MonthCount; ++m) {
        QLineEdit* edit = namedWidget<QLineEdit>(this, Months[std::size_t(m)].edit);
        QLabel* label = namedWidget<QLabel>(this, Months[std::size_t(m)].label);
        label->setBuddy(edit);
        const int row = 1 + m % 6;
        const int column = m < 6 ? 0 : 2;
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        monthLabels_[std::size_t(m)] = label;
        monthEdits_[std::size_t(m)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [edit] {
            if (edit->text().size() > AbbreviationLength)
                edit->clear();
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    const DialogButtons buttons = DialogButtons::addTo(*this, *layout);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    readTexts(settings);
}

void MonthStringsDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    setWindowTitle(text("Caption", "Define Month Strings"));
    nameLabel_->setText(text("NameLabel", "Name"));
    for (std::size_t m = 0; m < Months.size(); ++m)
        monthLabels_[m]->setText(text(Months[m].label, Months[m].caption));
    okButton_->setText(text("OK", "OK"));
    cancelButton_->setText(text("Cancel", "Cancel"));
    foreignCharacterError_ =
        text("ForeignCharacterError", "Error - \"%1\" is not a character the printer can print.");
    restoreDialogPosition(*this, settings);
}

void MonthStringsDialog::showMonthStrings(const QString& strings) {
    for (std::size_t m = 0; m < monthEdits_.size(); ++m)
        monthEdits_[m]->setText(strings.mid(qsizetype(m) * AbbreviationLength, AbbreviationLength));
}

QString MonthStringsDialog::gatheredMonthStrings() const {
    QString strings;
    for (const QLineEdit* edit : monthEdits_)
        strings += edit->text().leftJustified(AbbreviationLength, u' ', true);
    return strings;
}

void MonthStringsDialog::showLanguageName(const QString& name) {
    nameEdit_->setText(name);
}

QString MonthStringsDialog::languageName() const {
    return nameEdit_->text();
}

bool MonthStringsDialog::execute(Prompter& prompter, DataStore& data) {
    if (data.monthStrings().empty() || data.monthLanguageName().empty())
        data.resetMonthLanguage();
    showMonthStrings(Windows1252::decode(data.monthStrings()));
    showLanguageName(Windows1252::decode(data.monthLanguageName()));
    prompter_ = &prompter;
    const bool ok = prompter.runModal(*this) == QDialog::Accepted;
    prompter_ = nullptr;
    storeDialogPosition(*this, &prompter);
    if (!ok)
        return false;
    data.setMonthStrings(Windows1252::encode(gatheredMonthStrings()));
    data.setMonthLanguageName(Windows1252::encode(languageName()));
    return true;
}

void MonthStringsDialog::accept() {
    if (refusesForeignCharacter(*nameEdit_, prompter_, foreignCharacterError_))
        return;
    for (QLineEdit* edit : monthEdits_)
        if (refusesForeignCharacter(*edit, prompter_, foreignCharacterError_))
            return;
    QDialog::accept();
}
