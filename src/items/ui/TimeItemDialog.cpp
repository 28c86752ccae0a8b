#include "items/ui/TimeItemDialog.h"

#include "document/DataStore.h"
#include "items/TimeItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "items/ui/TextItemDialog.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

TimeItemDialog::TimeItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts, const Messages&,
                               QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent) {
    buildControls();
    readTexts(SettingsFile::open(&prompter).get());
}

void TimeItemDialog::buildControls() {
    formatGroupBox_ = namedWidget<QGroupBox>(this, "FormatGroupBox");
    format24HrCheckBox_ = namedWidget<QCheckBox>(formatGroupBox_, "Format24HrCB");
    suffixComboBox_ = namedWidget<QComboBox>(formatGroupBox_, "SuffixComboBox");
    separatorLabel_ = namedWidget<QLabel>(formatGroupBox_, "TimeSeparatorLabel");
    separatorEdit_ = namedWidget<QLineEdit>(formatGroupBox_, "TimeSeparatorEdit");
    separatorEdit_->setMaxLength(1);
    separatorEdit_->setText(QStringLiteral(":"));
    separatorLabel_->setBuddy(separatorEdit_);
    auto* grid = new QGridLayout(formatGroupBox_);
    grid->addWidget(format24HrCheckBox_, 0, 0);
    grid->addWidget(suffixComboBox_, 0, 1);
    grid->addWidget(separatorLabel_, 1, 0);
    grid->addWidget(separatorEdit_, 1, 1);
    ownControls().addWidget(formatGroupBox_);
    connect(format24HrCheckBox_, &QCheckBox::clicked, this, &TimeItemDialog::format24HrClicked);
    connect(suffixComboBox_, &QComboBox::activated, this, &TimeItemDialog::suffixChosen);
    connect(separatorEdit_, &QLineEdit::textEdited, this, &TimeItemDialog::separatorEdited);
}

void TimeItemDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    const QString caption = text("Caption", "Edit Time Item Properties");
    setTitle(caption);
    setWindowTitle(caption);
    formatGroupBox_->setTitle(text("FormatGroupBox", "Format"));
    format24HrCheckBox_->setText(text("Format24HourCB", "24 Hr"));
    separatorLabel_->setText(text("TimeSeparatorLabel", "Separator"));
    // The text item's dialog words the refusal of a character.
    foreignCharacterError_ =
        dialogText(settings, TextItemDialog::SettingsSection, "ForeignCharacterError",
                   "Error - \"%1\" is not a character the printer can print.");
}

TimeItem* TimeItemDialog::timeItem() const {
    return dynamic_cast<TimeItem*>(edited());
}

// The settings file's time formats; without a settings file, the built-in
// names of the five styles, so that a style can still be chosen.
void TimeItemDialog::fillSuffixes() {
    QStringList formats = data().timeFormats();
    if (formats.size() < TimeItem::SuffixCount)
        formats = {QStringLiteral("None"), QStringLiteral("A/P"), QStringLiteral("AM/PM"),
                   QStringLiteral("a/p"), QStringLiteral("am/pm")};
    suffixComboBox_->clear();
    suffixComboBox_->addItems(formats.mid(0, TimeItem::SuffixCount));
}

void TimeItemDialog::showOwnFields() {
    const TimeItem* item = timeItem();
    // Given another kind, the dialog edits only what all items share.
    formatGroupBox_->setEnabled(item != nullptr);
    if (!item)
        return;
    fillSuffixes();
    suffixComboBox_->setCurrentIndex(item->SuffixIndex);
    suffixComboBox_->setEnabled(!item->Format24Hr);
    format24HrCheckBox_->setChecked(item->Format24Hr);
    showSeparator(item->TimeSeparator != 0 ? item->TimeSeparator : TimeItem::systemTimeSeparator());
}

void TimeItemDialog::format24HrClicked() {
    const bool on = format24HrCheckBox_->isChecked();
    suffixComboBox_->setEnabled(!on);
    if (TimeItem* item = timeItem())
        item->Format24Hr = on;
}

void TimeItemDialog::suffixChosen(int index) {
    if (TimeItem* item = timeItem())
        item->SuffixIndex = index;
}

void TimeItemDialog::separatorEdited() {
    TimeItem* item = timeItem();
    if (!item)
        return;
    const QString typed = separatorEdit_->text().left(1);
    if (typed.isEmpty()) {
        item->TimeSeparator = TimeItem::systemTimeSeparator();
        return;
    }
    if (!Windows1252::firstUnencodable(typed).isEmpty()) {
        prompter().inform(foreignCharacterError_.arg(typed), Prompter::Icon::Stop);
        showSeparator(item->TimeSeparator);
        return;
    }
    item->TimeSeparator = uint8_t(Windows1252::encode(typed).at(0));
}

void TimeItemDialog::showSeparator(uint8_t separator) {
    separatorEdit_->setText(Windows1252::decode(std::string(1, char(separator))));
}

const ItemDialogKind& timeItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = TimeItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts,
                         const Messages& messages,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<TimeItemDialog>(prompter, data, fonts, messages, parent);
        },
    };
    return kind;
}
