#include "items/ui/DateItemDialog.h"

#include "document/DataStore.h"
#include "items/DateItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "printer/DotCanvas.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogSupport.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The part each box returns to: day, month, four-digit year.
constexpr std::array<uint8_t, 3> DefaultParts{DateItem::Day, DateItem::Month, DateItem::Year4};

bool allDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

void showIndex(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

QString shown(const std::string& bytes) {
    return Windows1252::decode(bytes);
}

} // namespace

DateItemDialog::DateItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                               const Messages& messages, QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent), messages_(messages) {
    buildControls();
    connectControls();
    readTexts(SettingsFile::open(&prompter).get());
}

void DateItemDialog::buildControls() {
    page_ = namedWidget<QWidget>(this, "DatePage");
    formatGroupBox_ = namedWidget<QGroupBox>(page_, "Format");
    overallTypeRG_ = namedWidget<RadioGroup>(formatGroupBox_, "OverallTypeRG");
    operatorRequestCheckBox_ = namedWidget<QCheckBox>(formatGroupBox_, "CheckBox1");
    auto* grid = new QGridLayout(formatGroupBox_);
    auto* typeColumn = new QVBoxLayout;
    typeColumn->addWidget(overallTypeRG_);
    typeColumn->addWidget(operatorRequestCheckBox_);
    typeColumn->addStretch();
    grid->addLayout(typeColumn, 0, 0, 2, 1);
    grid->addWidget(buildPartsBox(), 0, 1);
    grid->addWidget(buildTextBox(), 0, 2);
    grid->addWidget(buildOffsetBox(), 1, 1);
    auto* weekAndDay = new QHBoxLayout;
    weekAndDay->addWidget(buildWeekBox());
    weekAndDay->addWidget(buildDayCodeBox());
    grid->addLayout(weekAndDay, 1, 2);
    examplePanel_ = namedWidget<QLabel>(page_, "ExamplePanel");
    examplePanel_->setFrameShape(QFrame::Panel);
    examplePanel_->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(page_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(formatGroupBox_);
    layout->addWidget(examplePanel_);
    ownControls().addWidget(page_);
}

QGroupBox* DateItemDialog::buildPartsBox() {
    fieldGroupBox_ = namedWidget<QGroupBox>(formatGroupBox_, "FieldGroupBox");
    auto* column = new QVBoxLayout(fieldGroupBox_);
    const std::array<const char*, 3> names{"Field1ComboBox", "Field2ComboBox", "Field3ComboBox"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        fieldComboBoxes_[i] = namedWidget<QComboBox>(fieldGroupBox_, names[i]);
        column->addWidget(fieldComboBoxes_[i]);
    }
    return fieldGroupBox_;
}

QGroupBox* DateItemDialog::buildTextBox() {
    textGroupBox_ = namedWidget<QGroupBox>(formatGroupBox_, "TextGroupBox");
    languageLabel_ = namedWidget<QLabel>(textGroupBox_, "LanguageLabel");
    languageComboBox_ = namedWidget<QComboBox>(textGroupBox_, "LanguageComboBox");
    separatorLabel_ = namedWidget<QLabel>(textGroupBox_, "SeparatorLabel");
    separatorEdit_ = namedWidget<QLineEdit>(textGroupBox_, "SeparatorEdit");
    separatorEdit_->setMaxLength(1);
    separatorEdit_->setText(QStringLiteral("/"));
    arabicCheckBox_ = namedWidget<QCheckBox>(textGroupBox_, "Arabic");
    leadZerosCheckBox_ = namedWidget<QCheckBox>(textGroupBox_, "LeadZerosCB");
    languageLabel_->setBuddy(languageComboBox_);
    separatorLabel_->setBuddy(separatorEdit_);
    auto* grid = new QGridLayout(textGroupBox_);
    grid->addWidget(languageLabel_, 0, 0);
    grid->addWidget(languageComboBox_, 0, 1);
    grid->addWidget(separatorLabel_, 1, 0);
    grid->addWidget(separatorEdit_, 1, 1);
    grid->addWidget(arabicCheckBox_, 2, 0, 1, 2);
    grid->addWidget(leadZerosCheckBox_, 3, 0, 1, 2);
    return textGroupBox_;
}

QGroupBox* DateItemDialog::buildOffsetBox() {
    offsetGroupBox_ = namedWidget<QGroupBox>(formatGroupBox_, "OffsetGroupBox");
    offsetAmountEdit_ = namedWidget<QLineEdit>(offsetGroupBox_, "OffsetAmountEdit");
    offsetTypeComboBox_ = namedWidget<QComboBox>(offsetGroupBox_, "OffsetTypeComboBox");
    auto* row = new QHBoxLayout(offsetGroupBox_);
    row->addWidget(offsetAmountEdit_);
    row->addWidget(offsetTypeComboBox_);
    return offsetGroupBox_;
}

QGroupBox* DateItemDialog::buildWeekBox() {
    weekNoGroupBox_ = namedWidget<QGroupBox>(formatGroupBox_, "WeekNoGroupBox");
    currentWeekNumberEdit_ = namedWidget<QLineEdit>(weekNoGroupBox_, "CurrentWeekNumberEdit");
    auto* row = new QHBoxLayout(weekNoGroupBox_);
    row->addWidget(currentWeekNumberEdit_);
    return weekNoGroupBox_;
}

QGroupBox* DateItemDialog::buildDayCodeBox() {
    dayCodeGroupBox_ = namedWidget<QGroupBox>(formatGroupBox_, "DayCodeGroupBox");
    firstDayLabel_ = namedWidget<QLabel>(dayCodeGroupBox_, "FirstDayLabel");
    firstDayComboBox_ = namedWidget<QComboBox>(dayCodeGroupBox_, "FirstDayComboBox");
    firstIndexLabel_ = namedWidget<QLabel>(dayCodeGroupBox_, "FirstIndexLabel");
    firstIndexComboBox_ = namedWidget<QComboBox>(dayCodeGroupBox_, "FirstIndexComboBox");
    firstIndexComboBox_->addItems({QStringLiteral("0"), QStringLiteral("1")});
    firstDayLabel_->setBuddy(firstDayComboBox_);
    firstIndexLabel_->setBuddy(firstIndexComboBox_);
    auto* grid = new QGridLayout(dayCodeGroupBox_);
    grid->addWidget(firstDayLabel_, 0, 0);
    grid->addWidget(firstDayComboBox_, 0, 1);
    grid->addWidget(firstIndexLabel_, 1, 0);
    grid->addWidget(firstIndexComboBox_, 1, 1);
    return dayCodeGroupBox_;
}

// Only what the user does counts: filling the controls from the item runs
// with showing_ set, and typing is seen through textEdited.
void DateItemDialog::connectControls() {
    connect(overallTypeRG_, &RadioGroup::itemIndexChanged, this,
            &DateItemDialog::overallTypeChosen);
    for (QComboBox* box : fieldComboBoxes_)
        connect(box, &QComboBox::activated, this, &DateItemDialog::partChosen);
    connect(arabicCheckBox_, &QCheckBox::clicked, this, &DateItemDialog::arabicClicked);
    connect(separatorEdit_, &QLineEdit::textEdited, this, &DateItemDialog::separatorEdited);
    connect(offsetAmountEdit_, &QLineEdit::textEdited, this, &DateItemDialog::offsetAmountEdited);
    connect(currentWeekNumberEdit_, &QLineEdit::textEdited, this,
            &DateItemDialog::weekNumberEdited);
    for (QComboBox* box :
         {languageComboBox_, offsetTypeComboBox_, firstDayComboBox_, firstIndexComboBox_})
        connect(box, &QComboBox::activated, this, &DateItemDialog::followBoxes);
    for (QCheckBox* box : {leadZerosCheckBox_, operatorRequestCheckBox_})
        connect(box, &QCheckBox::clicked, this, &DateItemDialog::followBoxes);
}

void DateItemDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    const QString caption = text("Caption", "Date Item Properties");
    setTitle(caption);
    setWindowTitle(caption);
    formatGroupBox_->setTitle(text("Format", "Format"));
    overallTypeRG_->setTitle(text("OverallTypeRG", "Overall Type"));
    overallTypeRG_->setItems(
        {text("OverallTypeRGNormal", "Normal"), text("OverallTypeRGJulian", "Julian Day"),
         text("OverallTypeRGWeekNo", "Week Number"), text("OverallTypeRGDayCode", "Day code")});
    operatorRequestCheckBox_->setText(text("OverallTypeRGOperatorRequest", "Operator Request"));
    fieldGroupBox_->setTitle(text("FieldGroupBox", "Normal"));
    const QStringList parts{text("FieldNone", "None"),
                            text("FieldDay", "Day, 2 digit"),
                            text("FieldMonth", "Month, 2 digit"),
                            text("FieldMonthAlpha", "Month, 3 char alpha"),
                            text("FieldYear4", "Year, 4 digit"),
                            text("FieldYear2", "Year, 2 digit"),
                            text("FieldYear1", "Year, 1 digit")};
    for (QComboBox* box : fieldComboBoxes_)
        box->addItems(parts);
    textGroupBox_->setTitle(text("TextGroupBox", "Text"));
    languageLabel_->setText(text("LanguageLabel", "Language"));
    separatorLabel_->setText(text("SeparatorLabel", "Separator"));
    arabicCheckBox_->setText(text("Arabic", "Print Arabic"));
    leadZerosCheckBox_->setText(text("LeadZerosCB", "Lead Zeros"));
    offsetGroupBox_->setTitle(text("OffsetGroupBox", "Date Offset"));
    offsetTypeComboBox_->addItems({text("OffsetTypeDay", "Day"), text("OffsetTypeMonth", "Month"),
                                   text("OffsetTypeYear", "Year")});
    weekNoGroupBox_->setTitle(text("WeekNoGroupBox", "Week No"));
    dayCodeGroupBox_->setTitle(text("DayCodeGroupBox", "Day code"));
    firstDayLabel_->setText(text("FirstDayLabel", "First day"));
    firstIndexLabel_->setText(text("FirstIndexLabel", "First index"));
    firstDayComboBox_->addItems({text("SundayStr", "Sunday"), text("MondayStr", "Monday"),
                                 text("TuesdayStr", "Tuesday"), text("WednesdayStr", "Wednesday"),
                                 text("ThursdayStr", "Thursday"), text("FridayStr", "Friday"),
                                 text("SaturdayStr", "Saturday")});
    exampleCaption_ = text("ExamplePanelCaption", "Current selection:");
    withoutOffsetCaption_ = text("ExampleWithoutOffsetCaption", "Today, without the offset:");
    foreignCharacterError_ =
        text("ForeignCharacterError", "Error - \"%1\" is not a character the printer can print.");
}

DateItem* DateItemDialog::dateItem() const {
    return dynamic_cast<DateItem*>(edited());
}

QDate DateItemDialog::today() const {
    return (calendar_ ? *calendar_ : systemCalendar()).now().date();
}

int DateItemDialog::editItem(ImageItem& item, DotCanvas& view, int itemNumber) {
    calendar_ = &view.calendar();
    const int result = ItemPropertiesDialog::editItem(item, view, itemNumber);
    calendar_ = nullptr;
    return result;
}

// The four month languages of the settings file, then the image's own.
void DateItemDialog::fillLanguageBox() {
    const DataStore::MonthLanguages& languages = data().monthLanguages();
    QStringList names;
    for (const DataStore::MonthLanguage& language : languages)
        names << language.name;
    // An image without a month language of its own prints the first.
    names << (data().monthLanguageName().empty() ? languages[0].name
                                                 : shown(data().monthLanguageName()));
    languageComboBox_->clear();
    languageComboBox_->addItems(names);
}

void DateItemDialog::showOwnFields() {
    const DateItem* item = dateItem();
    // Given another kind, the dialog edits only what all items share.
    page_->setEnabled(item != nullptr);
    if (!item)
        return;
    showing_ = true;
    fillLanguageBox();
    overallTypeRG_->setItemIndex(item->overallType());
    operatorRequestCheckBox_->setChecked(item->operatorRequest());
    showParts();
    showIndex(languageComboBox_, item->LanguageIndex);
    separatorEdit_->setText(item->Separator ? shown(std::string(1, item->Separator)) : QString());
    arabicCheckBox_->setChecked(item->Arabic);
    leadZerosCheckBox_->setChecked(item->LeadZeros);
    offsetAmountEdit_->setText(QString::number(item->OffsetAmount));
    showIndex(offsetTypeComboBox_, item->OffsetType);
    currentWeekNumberEdit_->setText(
        QString::fromStdString(DateItem::weekNumberText(today(), item->LeadZeros)));
    showIndex(firstDayComboBox_, item->FirstDay);
    showIndex(firstIndexComboBox_, item->FirstIndex);
    enableForType();
    showing_ = false;
    showExample();
}

void DateItemDialog::showParts() {
    const DateItem* item = dateItem();
    showIndex(fieldComboBoxes_[0], item->Field1);
    showIndex(fieldComboBoxes_[1], item->Field2);
    showIndex(fieldComboBoxes_[2], item->Field3);
}

void DateItemDialog::enableForType() {
    const DateItem* item = dateItem();
    const DateItem::OverallType type = item->overallType();
    fieldGroupBox_->setEnabled(type == DateItem::Normal);
    offsetGroupBox_->setEnabled(type == DateItem::Normal || type == DateItem::JulianDay);
    offsetTypeComboBox_->setEnabled(type != DateItem::JulianDay);
    weekNoGroupBox_->setEnabled(type == DateItem::WeekNumber);
    dayCodeGroupBox_->setEnabled(type == DateItem::DayCode);
    languageComboBox_->setEnabled(!item->Arabic);
}

void DateItemDialog::overallTypeChosen(int index) {
    DateItem* item = dateItem();
    if (showing_ || !item || index < 0)
        return;
    const auto type = DateItem::OverallType(index);
    // Day codes have no lead zeros; the other types start with them again.
    if (item->overallType() == DateItem::DayCode && type != DateItem::DayCode) {
        item->LeadZeros = true;
        leadZerosCheckBox_->setChecked(true);
    }
    item->setOverallType(type);
    // The day of the year moves by days only.
    if (type == DateItem::JulianDay) {
        item->OffsetType = DateItem::Days;
        offsetTypeComboBox_->setCurrentIndex(DateItem::Days);
    }
    enableForType();
    showExample();
}

// An Arabic date has no month names: a part showing one goes back to its
// default, and the item takes what the boxes show.
void DateItemDialog::partChosen() {
    DateItem* item = dateItem();
    if (showing_ || !item)
        return;
    bool refused = false;
    for (std::size_t i = 0; i < fieldComboBoxes_.size(); ++i) {
        if (item->Arabic && fieldComboBoxes_[i]->currentIndex() == DateItem::MonthAbbreviation) {
            fieldComboBoxes_[i]->setCurrentIndex(DefaultParts[i]);
            refused = true;
        }
    }
    if (refused)
        prompter().message(Messages::InvalidArabicDateError, QString(), Prompter::Icon::Stop,
                           Prompter::Buttons::Ok);
    item->Field1 = uint8_t(std::max(0, fieldComboBoxes_[0]->currentIndex()));
    item->Field2 = uint8_t(std::max(0, fieldComboBoxes_[1]->currentIndex()));
    item->Field3 = uint8_t(std::max(0, fieldComboBoxes_[2]->currentIndex()));
    showExample();
}

void DateItemDialog::arabicClicked(bool checked) {
    DateItem* item = dateItem();
    if (!item)
        return;
    item->Arabic = checked;
    item->Field1 = DefaultParts[0];
    item->Field2 = DefaultParts[1];
    item->Field3 = DefaultParts[2];
    showParts();
    enableForType();
    showExample();
}

void DateItemDialog::separatorEdited() {
    DateItem* item = dateItem();
    const QString typed = separatorEdit_->text();
    if (!item || typed.isEmpty())
        return;
    if (refusesForeignCharacter(*separatorEdit_, &prompter(), foreignCharacterError_)) {
        separatorEdit_->setText(item->Separator ? shown(std::string(1, item->Separator))
                                                : QString());
        return;
    }
    item->Separator = Windows1252::encode(typed.left(1))[0];
    showExample();
}

void DateItemDialog::offsetAmountEdited() {
    DateItem* item = dateItem();
    if (!item)
        return;
    const QString typed = offsetAmountEdit_->text();
    if (typed.isEmpty()) {
        offsetAmountEdit_->setText(QStringLiteral("0"));
    } else if (typed.size() > 3 || !allDigits(typed)) {
        prompter().message(messages_.InvalidOffsetAmountError, QString(), Prompter::Icon::Stop,
                           Prompter::Buttons::Ok);
        offsetAmountEdit_->setText(QStringLiteral("0"));
    }
    item->OffsetAmount = std::min(offsetAmountEdit_->text().toInt(), DateItem::MaxOffsetAmount);
    showExample();
}

// The number typed is this week's in the user's count, which started that
// many weeks ago. Only typing counts (textEdited), not the box being filled.
void DateItemDialog::weekNumberEdited() {
    DateItem* item = dateItem();
    if (!item)
        return;
    QString typed = currentWeekNumberEdit_->text();
    if (typed.isEmpty()) {
        prompter().beep();
        typed = QStringLiteral("0");
    } else if (typed.size() > 3) {
        prompter().beep();
        typed = typed.left(3);
    }
    if (!allDigits(typed)) {
        prompter().beep();
        typed = QStringLiteral("0");
    }
    if (typed != currentWeekNumberEdit_->text())
        currentWeekNumberEdit_->setText(typed);
    item->WeekStartDate = DateItem::fileDate(today()) - (typed.toInt() - 1) * 7.0;
}

void DateItemDialog::followBoxes() {
    DateItem* item = dateItem();
    if (showing_ || !item)
        return;
    item->FirstDay = uint8_t(std::max(0, firstDayComboBox_->currentIndex()));
    item->FirstIndex = std::max(0, firstIndexComboBox_->currentIndex());
    item->LanguageIndex = std::max(0, languageComboBox_->currentIndex());
    item->OffsetType = uint8_t(std::max(0, offsetTypeComboBox_->currentIndex()));
    item->LeadZeros = leadZerosCheckBox_->isChecked();
    item->setOperatorRequest(operatorRequestCheckBox_->isChecked());
    showExample();
}

void DateItemDialog::showExample() {
    const DateItem* item = dateItem();
    if (showing_ || !item)
        return;
    const QDate day = today();
    const std::string monthStrings =
        (calendar_ ? *calendar_ : systemCalendar()).monthStrings(item->LanguageIndex);
    const QString printed = shown(item->dateText(day, monthStrings));
    const QString withoutOffset = shown(item->dateTextWithoutOffset(day, monthStrings));
    QString text = u' ' + exampleCaption_ + u' ' + printed;
    if (withoutOffset != printed)
        text += QStringLiteral("\n ") + withoutOffsetCaption_ + u' ' + withoutOffset;
    examplePanel_->setText(text);
}

const ItemDialogKind& dateItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = DateItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts,
                         const Messages& messages,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<DateItemDialog>(prompter, data, fonts, messages, parent);
        },
    };
    return kind;
}
