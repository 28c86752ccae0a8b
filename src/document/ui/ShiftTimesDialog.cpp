#include "document/ui/ShiftTimesDialog.h"

#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogButtons.h"
#include "widgets/DialogSupport.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTime>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr double DayMs = 24.0 * 60 * 60 * 1000;

// Day names by weekday, Sunday first: key and built-in text.
constexpr const char* DayKeys[7][2] = {{"SundayStr", "Sunday"},     {"MondayStr", "Monday"},
                                       {"TuesdayStr", "Tuesday"},   {"WednesdayStr", "Wednesday"},
                                       {"ThursdayStr", "Thursday"}, {"FridayStr", "Friday"},
                                       {"SaturdayStr", "Saturday"}};

} // namespace

ShiftTimesDialog::ShiftTimesDialog(const IniFile* settings, const Messages& messages,
                                   QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName(SettingsSection);
    buildControls();
    readTexts(settings);
    restoreDialogPosition(*this, settings);
}

void ShiftTimesDialog::buildControls() {
    auto* boxes = new QGridLayout;
    boxes->addWidget(buildShiftTimesBox(), 0, 0, 2, 1);
    boxes->addWidget(buildNewShiftBox(), 0, 1);
    boxes->addWidget(buildInformationBox(), 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    const DialogButtons buttons = DialogButtons::addTo(*this, *layout);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    // Return in an edit means its group's button, not OK.
    okButton_->setDefault(false);
    okButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);
}

QGroupBox* ShiftTimesDialog::buildShiftTimesBox() {
    shiftTimesGroupBox_ = namedWidget<QGroupBox>(this, "ShiftTimesGroupBox");
    shiftListBox_ = namedWidget<QListWidget>(shiftTimesGroupBox_, "ShiftListBox");
    dayLabel_ = namedWidget<QLabel>(shiftTimesGroupBox_, "DayLabel");
    dayComboBox_ = namedWidget<QComboBox>(shiftTimesGroupBox_, "DayComboBox");
    shiftStartLabel_ = namedWidget<QLabel>(shiftTimesGroupBox_, "ShiftStartLabel");
    shiftStartEdit_ = namedWidget<QLineEdit>(shiftTimesGroupBox_, "ShiftStartEdit");
    shiftcodeLabel_ = namedWidget<QLabel>(shiftTimesGroupBox_, "ShiftcodeLabel");
    shiftcodeEdit_ = namedWidget<QLineEdit>(shiftTimesGroupBox_, "ShiftcodeEdit");
    replaceButton_ = namedWidget<QPushButton>(shiftTimesGroupBox_, "ReplaceButton");
    deleteButton_ = namedWidget<QPushButton>(shiftTimesGroupBox_, "DeleteButton");
    dayLabel_->setBuddy(dayComboBox_);
    shiftStartLabel_->setBuddy(shiftStartEdit_);
    shiftcodeLabel_->setBuddy(shiftcodeEdit_);
    auto* grid = new QGridLayout(shiftTimesGroupBox_);
    grid->addWidget(shiftListBox_, 0, 0, 1, 3);
    grid->addWidget(dayLabel_, 1, 0);
    grid->addWidget(shiftStartLabel_, 1, 1);
    grid->addWidget(shiftcodeLabel_, 1, 2);
    grid->addWidget(dayComboBox_, 2, 0);
    grid->addWidget(shiftStartEdit_, 2, 1);
    grid->addWidget(shiftcodeEdit_, 2, 2);
    grid->addWidget(replaceButton_, 3, 1);
    grid->addWidget(deleteButton_, 3, 2);
    connect(shiftListBox_, &QListWidget::currentRowChanged, this, &ShiftTimesDialog::lineClicked);
    connect(dayComboBox_, &QComboBox::activated, this, &ShiftTimesDialog::dayChanged);
    connect(replaceButton_, &QPushButton::clicked, this, &ShiftTimesDialog::replaceShift);
    connect(deleteButton_, &QPushButton::clicked, this, &ShiftTimesDialog::deleteShift);
    return shiftTimesGroupBox_;
}

QGroupBox* ShiftTimesDialog::buildNewShiftBox() {
    newShiftGroupBox_ = namedWidget<QGroupBox>(this, "NewShiftGroupBox");
    newDayLabel_ = namedWidget<QLabel>(newShiftGroupBox_, "NewDayLabel");
    newDayComboBox_ = namedWidget<QComboBox>(newShiftGroupBox_, "NewDayComboBox");
    newShiftStartLabel_ = namedWidget<QLabel>(newShiftGroupBox_, "NewShiftStartLabel");
    newShiftStartEdit_ = namedWidget<QLineEdit>(newShiftGroupBox_, "NewShiftStartEdit");
    newShiftcodeLabel_ = namedWidget<QLabel>(newShiftGroupBox_, "NewShiftcodeLabel");
    newShiftcodeEdit_ = namedWidget<QLineEdit>(newShiftGroupBox_, "NewShiftcodeEdit");
    addButton_ = namedWidget<QPushButton>(newShiftGroupBox_, "AddButton");
    newDayLabel_->setBuddy(newDayComboBox_);
    newShiftStartLabel_->setBuddy(newShiftStartEdit_);
    newShiftcodeLabel_->setBuddy(newShiftcodeEdit_);
    auto* grid = new QGridLayout(newShiftGroupBox_);
    grid->addWidget(newDayLabel_, 0, 0);
    grid->addWidget(newShiftStartLabel_, 0, 1);
    grid->addWidget(newShiftcodeLabel_, 0, 2);
    grid->addWidget(newDayComboBox_, 1, 0);
    grid->addWidget(newShiftStartEdit_, 1, 1);
    grid->addWidget(newShiftcodeEdit_, 1, 2);
    grid->addWidget(addButton_, 2, 2);
    connect(addButton_, &QPushButton::clicked, this, &ShiftTimesDialog::addShift);
    return newShiftGroupBox_;
}

QGroupBox* ShiftTimesDialog::buildInformationBox() {
    informationGroupBox_ = namedWidget<QGroupBox>(this, "InformationGroupBox");
    numberOfShiftsLabel_ = namedWidget<QLabel>(informationGroupBox_, "NumberOfShiftsLabel");
    numberOfShiftsLeftLabel_ = namedWidget<QLabel>(informationGroupBox_, "NumberOfShiftsLeftLabel");
    shiftsInUse_ = namedWidget<QLabel>(informationGroupBox_, "ShiftsInUse");
    shiftsLeft_ = namedWidget<QLabel>(informationGroupBox_, "ShiftsLeft");
    auto* grid = new QGridLayout(informationGroupBox_);
    grid->addWidget(numberOfShiftsLabel_, 0, 0);
    grid->addWidget(shiftsInUse_, 0, 1);
    grid->addWidget(numberOfShiftsLeftLabel_, 1, 0);
    grid->addWidget(shiftsLeft_, 1, 1);
    return informationGroupBox_;
}

void ShiftTimesDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    setWindowTitle(text("Caption", "Shift times"));
    okButton_->setText(text("OK", "OK"));
    cancelButton_->setText(text("Cancel", "Cancel"));
    deleteButton_->setText(text("DeleteButtonCaption", "Delete"));
    replaceButton_->setText(text("ReplaceButtonCaption", "Replace"));
    shiftTimesGroupBox_->setTitle(text("ShiftTimesGroupBoxCaption", "Shift times"));
    newShiftGroupBox_->setTitle(text("NewShiftGroupBoxCaption", "New shift"));
    addButton_->setText(text("AddButtonCaption", "Add"));
    shiftStartLabel_->setText(text("ShiftStartLabel", "Start shift"));
    shiftcodeLabel_->setText(text("ShiftcodeLabel", "Shiftcode"));
    newShiftStartLabel_->setText(text("NewShiftStartLabel", "Shift start"));
    newShiftcodeLabel_->setText(text("NewShiftcodeLabel", "Shiftcode"));
    dayLabel_->setText(text("DayLabel", "Day"));
    newDayLabel_->setText(dayLabel_->text());
    informationGroupBox_->setTitle(text("InformationGroupBox", "Information"));
    numberOfShiftsLabel_->setText(text("NumberOfShiftsLabel", "Shifts in use:"));
    numberOfShiftsLeftLabel_->setText(text("NumberOfShiftsLeftLabel", "Shifts left:"));
    for (const auto& [key, builtIn] : DayKeys)
        dayNames_ << text(key, builtIn);
    dayComboBox_->addItems(dayNames_);
    newDayComboBox_->addItems(dayNames_);
}

std::optional<double> ShiftTimesDialog::startOf(const QString& text) {
    const QString typed = text.trimmed();
    QTime time = QLocale::system().toTime(typed, QLocale::ShortFormat);
    for (const char* format : {"H:mm", "H:mm:ss", "H:m"})
        if (!time.isValid())
            time = QTime::fromString(typed, QLatin1String(format));
    if (!time.isValid())
        return std::nullopt;
    return time.msecsSinceStartOfDay() / DayMs;
}

QString ShiftTimesDialog::startText(double start) {
    return QTime::fromMSecsSinceStartOfDay(ShiftTable::timeOfDayMs(start))
        .toString(QStringLiteral("hh:mm"));
}

bool ShiftTimesDialog::execute(Prompter& prompter, ShiftTable& table) {
    table_ = table;
    prompter_ = &prompter;
    fillList();
    clearSelection();
    newDayComboBox_->setCurrentIndex(-1);
    newShiftStartEdit_->clear();
    newShiftcodeEdit_->clear();
    const bool ok = prompter.runModal(*this) == QDialog::Accepted;
    prompter_ = nullptr;
    storeDialogPosition(*this, &prompter);
    if (ok)
        table = table_;
    return ok;
}

QString ShiftTimesDialog::lineOf(const ShiftSlot& slot) const {
    return dayNames_.value(slot.Day) + u' ' + startText(slot.Start) + u' ' +
           Windows1252::decode(slot.Code);
}

// The list holds the used slots in slot order, so line i is slot i + 1.
void ShiftTimesDialog::fillList() {
    const QSignalBlocker quiet(shiftListBox_);
    shiftListBox_->clear();
    for (int number = 1; number <= table_.count(); ++number)
        shiftListBox_->addItem(lineOf(table_.slot(number)));
    showCounts();
}

void ShiftTimesDialog::showCounts() {
    shiftsInUse_->setText(QString::number(table_.count()));
    shiftsLeft_->setText(QString::number(table_.slotsLeft()));
}

void ShiftTimesDialog::select(int slot) {
    shiftListBox_->setCurrentRow(slot - 1); // shows the slot through lineClicked
    lineClicked(slot - 1);
}

void ShiftTimesDialog::clearSelection() {
    selected_ = 0;
    {
        const QSignalBlocker quiet(shiftListBox_);
        shiftListBox_->setCurrentRow(-1);
    }
    dayComboBox_->setCurrentIndex(-1);
    shiftStartEdit_->clear();
    shiftcodeEdit_->clear();
}

void ShiftTimesDialog::lineClicked(int row) {
    if (row < 0 || row >= table_.count()) {
        clearSelection();
        return;
    }
    selected_ = row + 1;
    const ShiftSlot& slot = table_.slot(selected_);
    dayComboBox_->setCurrentIndex(slot.Day);
    shiftStartEdit_->setText(startText(slot.Start));
    shiftcodeEdit_->setText(Windows1252::decode(slot.Code));
}

void ShiftTimesDialog::fail(const QString& message) {
    if (prompter_)
        prompter_->inform(message, Prompter::Icon::Stop);
}

bool ShiftTimesDialog::refused(ShiftTable::Refusal refusal) {
    if (refusal == ShiftTable::Refusal::None)
        return false;
    fail(ShiftTable::messageFor(refusal, messages_));
    return true;
}

bool ShiftTimesDialog::readShift(const QLineEdit& startEdit, const QLineEdit& codeEdit,
                                 double& start, std::string& code) {
    const std::optional<double> typedStart = startOf(startEdit.text());
    if (!typedStart) {
        fail(messages_.InvalidTimeError);
        return false;
    }
    // One character the printer has; anything else is not a shift code.
    const QString typedCode = codeEdit.text();
    if (typedCode.size() != 1 || !Windows1252::firstUnencodable(typedCode).isEmpty()) {
        fail(messages_.InvalidShiftcodeError);
        return false;
    }
    start = *typedStart;
    code = Windows1252::encode(typedCode);
    return true;
}

void ShiftTimesDialog::addShift() {
    if (table_.slotsLeft() == 0) {
        refused(ShiftTable::Refusal::TooManyShifts);
        return;
    }
    const int day = newDayComboBox_->currentIndex();
    if (day < 0) {
        if (prompter_)
            prompter_->beep();
        return;
    }
    double start = 0;
    std::string code;
    if (!readShift(*newShiftStartEdit_, *newShiftcodeEdit_, start, code))
        return;
    // The selected shift stays selected wherever sorting moves it.
    const ShiftSlot chosen = selected_ > 0 ? table_.slot(selected_) : ShiftSlot{};
    if (refused(table_.add(uint8_t(day), start, code)))
        return;
    fillList();
    if (chosen.used())
        select(table_.find(chosen.Day, chosen.Start, chosen.Code));
    else
        clearSelection();
}

void ShiftTimesDialog::replaceShift() {
    const int day = dayComboBox_->currentIndex();
    if (selected_ == 0 || day < 0)
        return;
    double start = 0;
    std::string code;
    if (!readShift(*shiftStartEdit_, *shiftcodeEdit_, start, code) ||
        refused(table_.replace(selected_, uint8_t(day), start, code)))
        return;
    const int replaced = table_.find(uint8_t(day), start, code);
    fillList();
    select(replaced);
}

void ShiftTimesDialog::dayChanged(int day) {
    if (selected_ == 0 || day < 0)
        return;
    if (refused(table_.changeDay(selected_, uint8_t(day)))) {
        // The box shows the day the shift kept.
        dayComboBox_->setCurrentIndex(table_.slot(selected_).Day);
        return;
    }
    shiftListBox_->item(selected_ - 1)->setText(lineOf(table_.slot(selected_)));
}

void ShiftTimesDialog::deleteShift() {
    if (selected_ == 0)
        return;
    const int removed = selected_;
    table_.remove(removed);
    fillList();
    if (table_.isEmpty())
        clearSelection();
    else
        select(std::max(1, removed - 1));
}
