#include "items/ui/NumberItemDialog.h"

#include "items/NumberItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogSupport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace {

// The most characters each box takes typed: nine digits stay within 32 bits.
constexpr int NumberTyped = 9;
constexpr int MaxLengthTyped = 1;
constexpr int CountBeforeTyped = 6;

const QString Zero = QStringLiteral("0");
const QString SmallestDigitCount = QStringLiteral("001");

bool isInteger(const QString& text) {
    return NumberItem::integerOf(text.toStdString()).has_value();
}

} // namespace

// A box that takes at most so many typed characters, yet shows whole what
// the item or a rule puts there: a number drawn with ten leading zeros, a
// digit count of "001" in a box of one character.
class NumberItemDialog::NumberBox : public QLineEdit {
public:
    NumberBox(QWidget* parent, const char* name, int typingLimit)
        : QLineEdit(parent), typingLimit_(typingLimit) {
        setObjectName(QLatin1String(name));
        setMaxLength(typingLimit_);
        // As the text shortens, typing is held to the limit again.
        connect(this, &QLineEdit::textChanged, this, [this] { fitLimit(text()); });
    }

    void showWhole(const QString& text) {
        fitLimit(text);
        setText(text);
    }

private:
    void fitLimit(const QString& text) { setMaxLength(std::max(typingLimit_, int(text.size()))); }

    int typingLimit_;
};

NumberItemDialog::NumberItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                                   QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent) {
    buildControls();
    readTexts(SettingsFile::open(&prompter).get());
}

void NumberItemDialog::buildControls() {
    group_ = namedWidget<QGroupBox>(this, "NumberAndIncrement");
    numberLabel_ = namedWidget<QLabel>(group_, "NumberLabel");
    numberEdit_ = new NumberBox(group_, "NumberEdit", NumberTyped);
    incrementLabel_ = namedWidget<QLabel>(group_, "IncrementLabel");
    incrementEdit_ = new NumberBox(group_, "IncrementEdit", NumberTyped);
    restartLabel_ = namedWidget<QLabel>(group_, "RestartLabel");
    restartEdit_ = new NumberBox(group_, "RestartEdit", NumberTyped);
    maxLengthLabel_ = namedWidget<QLabel>(group_, "MaxLengthLabel");
    maxLengthEdit_ = new NumberBox(group_, "MaxLengthEdit", MaxLengthTyped);
    countBeforeLabel_ = namedWidget<QLabel>(group_, "CountBeforeLabel");
    countBeforeIncEdit_ = new NumberBox(group_, "CountBeforeIncEdit", CountBeforeTyped);
    leadingZeroCheckBox_ = namedWidget<QCheckBox>(group_, "LeadingZero");
    reverseCountCheckBox_ = namedWidget<QCheckBox>(group_, "ReverseCount");
    auto* grid = new QGridLayout(group_);
    int row = 0;
    for (const auto& [label, box] : {std::pair<QLabel*, NumberBox*>{numberLabel_, numberEdit_},
                                     {incrementLabel_, incrementEdit_},
                                     {restartLabel_, restartEdit_},
                                     {maxLengthLabel_, maxLengthEdit_},
                                     {countBeforeLabel_, countBeforeIncEdit_}}) {
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->addWidget(leadingZeroCheckBox_, row++, 0, 1, 2);
    grid->addWidget(reverseCountCheckBox_, row, 0, 1, 2);
    ownControls().addWidget(group_);

    // Changed by typing or by the dialog itself, as every rule applies to both.
    connect(numberEdit_, &QLineEdit::textChanged, this, &NumberItemDialog::numberChanged);
    connect(incrementEdit_, &QLineEdit::textChanged, this, &NumberItemDialog::incrementChanged);
    connect(restartEdit_, &QLineEdit::textChanged, this, &NumberItemDialog::restartChanged);
    connect(countBeforeIncEdit_, &QLineEdit::textChanged, this,
            &NumberItemDialog::countBeforeChanged);
    connect(maxLengthEdit_, &QLineEdit::textChanged, this, &NumberItemDialog::maxLengthChanged);
    connect(leadingZeroCheckBox_, &QCheckBox::toggled, this, [this](bool checked) {
        if (NumberItem* item = numberItem())
            item->LeadingZero = checked;
    });
    connect(reverseCountCheckBox_, &QCheckBox::toggled, this, [this](bool checked) {
        if (NumberItem* item = numberItem())
            item->ReverseCount = checked;
    });
}

void NumberItemDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    const QString caption = text("Caption", "Number item properties");
    setTitle(caption);
    setWindowTitle(caption);
    group_->setTitle(text("NumberAndIncrement", "Number and Increment"));
    numberLabel_->setText(text("NumberEditCaption", "Number"));
    incrementLabel_->setText(text("IncrementEditCaption", "Increment"));
    restartLabel_->setText(text("RestartCaption", "Restart"));
    maxLengthLabel_->setText(text("MaxLengthCaption", "Max Length"));
    countBeforeLabel_->setText(text("CountBeforeCaption", "Count Before"));
    reverseCountCheckBox_->setText(text("ReverseCountCaption", "Reverse Count"));
    leadingZeroCheckBox_->setText(text("LeadingZeroCaption", "Leading Zero"));
}

NumberItem* NumberItemDialog::numberItem() const {
    return dynamic_cast<NumberItem*>(edited());
}

// The digit count comes last, so that the item's own wins over the one the
// number sets.
void NumberItemDialog::showOwnFields() {
    const NumberItem* item = numberItem();
    // Given another kind, the dialog edits only what all items share.
    group_->setEnabled(item != nullptr);
    if (!item)
        return;
    // Each box takes its field back through its rule; the number's rule
    // changes the digit count before it is shown.
    const QString maxLength = Windows1252::decode(item->MaxLength);
    numberEdit_->showWhole(Windows1252::decode(item->Number));
    incrementEdit_->showWhole(Windows1252::decode(item->Increment));
    restartEdit_->showWhole(Windows1252::decode(item->Restart));
    countBeforeIncEdit_->showWhole(Windows1252::decode(item->CountBeforeInc));
    reverseCountCheckBox_->setChecked(item->ReverseCount);
    leadingZeroCheckBox_->setChecked(item->LeadingZero);
    maxLengthEdit_->showWhole(maxLength);
    numberEdit_->setFocus();
}

// Setting the text runs the box's rule again, which takes the "0".
bool NumberItemDialog::keepsInteger(NumberBox& box) {
    if (isInteger(box.text()))
        return true;
    box.showWhole(Zero);
    return false;
}

void NumberItemDialog::numberChanged() {
    if (!keepsInteger(*numberEdit_))
        return;
    const QString text = numberEdit_->text();
    const auto digits = NumberItem::integerOf(maxLengthEdit_->text().toStdString());
    if (digits != int32_t(text.size()))
        maxLengthEdit_->showWhole(QString::number(text.size()));
    if (NumberItem* item = numberItem())
        item->Number = text.toStdString();
}

void NumberItemDialog::incrementChanged() {
    if (!keepsInteger(*incrementEdit_))
        return;
    if (NumberItem* item = numberItem())
        item->Increment = incrementEdit_->text().toStdString();
}

void NumberItemDialog::restartChanged() {
    if (!keepsInteger(*restartEdit_))
        return;
    if (NumberItem* item = numberItem())
        item->Restart = restartEdit_->text().toStdString();
}

void NumberItemDialog::countBeforeChanged() {
    const QString typed = countBeforeIncEdit_->text();
    QString digits;
    for (const QChar c : typed) {
        if (c >= u'0' && c <= u'9')
            digits += c;
        else
            prompter().beep();
    }
    if (digits.isEmpty())
        digits = Zero;
    if (digits != typed) {
        countBeforeIncEdit_->showWhole(digits); // which runs this again
        return;
    }
    if (NumberItem* item = numberItem())
        item->CountBeforeInc = digits.toStdString();
}

void NumberItemDialog::maxLengthChanged() {
    const QString text = maxLengthEdit_->text();
    if (NumberItem::integerOf(text.toStdString()).value_or(0) < 1) {
        maxLengthEdit_->showWhole(SmallestDigitCount); // which runs this again
        return;
    }
    if (NumberItem* item = numberItem())
        item->MaxLength = text.toStdString();
}

const ItemDialogKind& numberItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = NumberItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts, const Messages&,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<NumberItemDialog>(prompter, data, fonts, parent);
        },
    };
    return kind;
}
