#include "items/ui/MultiLineTextItemDialog.h"

#include "document/DataStore.h"
#include "items/MultiLineTextItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "printer/DotCanvas.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogSupport.h"
#include "widgets/LengthEdit.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// The memo shows a line break as a line feed; the item keeps CR LF.
QString memoText(const std::string& text) {
    return Windows1252::decode(text).replace(QLatin1String(MultiLineTextItem::LineBreak),
                                             QStringLiteral("\n"));
}

std::string itemText(const QString& memo) {
    return Windows1252::encode(
        QString(memo).replace(u'\n', QLatin1String(MultiLineTextItem::LineBreak)));
}

} // namespace

MultiLineTextItemDialog::MultiLineTextItemDialog(Prompter& prompter, DataStore& data,
                                                 FontSet& fonts, const Messages& messages,
                                                 QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent), messages_(messages) {
    buildControls();
    readTexts(SettingsFile::open(&prompter).get());
}

void MultiLineTextItemDialog::buildControls() {
    page_ = namedWidget<QWidget>(this, "TextPage");
    textEdit_ = namedWidget<QPlainTextEdit>(page_, "TextEdit");
    textEdit_->setTabChangesFocus(true);
    auto* row = new QHBoxLayout(page_);
    row->addWidget(textEdit_, 1);
    row->addWidget(buildWindowBox());
    ownControls().addWidget(page_);
    connect(textEdit_, &QPlainTextEdit::textChanged, this, &MultiLineTextItemDialog::memoChanged);
    connect(this, &ItemPropertiesDialog::fontChosen, this, &MultiLineTextItemDialog::sizeWindow);
    // After the common handling, which turns the copy.
    connect(findChild<RadioGroup*>(QStringLiteral("RotationRG")), &RadioGroup::itemIndexChanged,
            this, &MultiLineTextItemDialog::sizeWindow);
}

QWidget* MultiLineTextItemDialog::buildWindowBox() {
    windowGroupBox_ = namedWidget<QGroupBox>(page_, "TextWindowGroupBox");
    widthLabel_ = namedWidget<QLabel>(windowGroupBox_, "WidthLabel");
    widthEdit_ = namedWidget<LengthEdit>(windowGroupBox_, "WidthEdit");
    heightLabel_ = namedWidget<QLabel>(windowGroupBox_, "HeightLabel");
    heightEdit_ = namedWidget<LengthEdit>(windowGroupBox_, "HeightEdit");
    lineGapLabel_ = namedWidget<QLabel>(windowGroupBox_, "LineGapLabel");
    lineGapEdit_ = namedWidget<LengthEdit>(windowGroupBox_, "LineGapEdit1");
    showOutlineCheckBox_ = namedWidget<QCheckBox>(windowGroupBox_, "ShowOutlineCB2");
    autoSizeCheckBox_ = namedWidget<QCheckBox>(windowGroupBox_, "AutoSizeCB1");
    // Widths are along the print direction, heights and the gap across it.
    widthEdit_->setAxis(data(), DataStore::Axis::X);
    heightEdit_->setAxis(data(), DataStore::Axis::Y);
    lineGapEdit_->setAxis(data(), DataStore::Axis::Y);
    widthEdit_->setReadOnly(true);
    heightEdit_->setReadOnly(true);
    lineGapEdit_->setText(QStringLiteral("000"));
    showOutlineCheckBox_->setChecked(true);
    // The window always follows the text; the box only says so.
    autoSizeCheckBox_->setChecked(true);
    autoSizeCheckBox_->setEnabled(false);
    autoSizeCheckBox_->setVisible(false);
    widthLabel_->setBuddy(widthEdit_);
    heightLabel_->setBuddy(heightEdit_);
    lineGapLabel_->setBuddy(lineGapEdit_);
    auto* grid = new QGridLayout(windowGroupBox_);
    grid->addWidget(widthLabel_, 0, 0);
    grid->addWidget(widthEdit_, 0, 1);
    grid->addWidget(heightLabel_, 1, 0);
    grid->addWidget(heightEdit_, 1, 1);
    grid->addWidget(lineGapLabel_, 2, 0);
    grid->addWidget(lineGapEdit_, 2, 1);
    grid->addWidget(showOutlineCheckBox_, 3, 0, 1, 2);
    grid->addWidget(autoSizeCheckBox_, 4, 0, 1, 2);
    connect(lineGapEdit_, &QLineEdit::textEdited, this, &MultiLineTextItemDialog::gapEdited);
    connect(showOutlineCheckBox_, &QCheckBox::clicked, this, [this](bool checked) {
        if (MultiLineTextItem* item = blockItem())
            item->ShowOutline = checked;
    });
    return windowGroupBox_;
}

void MultiLineTextItemDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    const QString caption = text("Caption", "Multiple Line Text Edit");
    setTitle(caption);
    setWindowTitle(caption);
    windowGroupBox_->setTitle(text("TextWindowGroupBox", "Text Window"));
    widthLabel_->setText(text("WidthLabel", "Width"));
    heightLabel_->setText(text("HeightLabel", "Height"));
    lineGapLabel_->setText(text("LineGapLabel", "Adjust Gap"));
    showOutlineCheckBox_->setText(text("ShowOutlineCB2", "Outline Area"));
    autoSizeCheckBox_->setText(QStringLiteral("AutoSize"));
    foreignCharacterError_ =
        text("ForeignCharacterError", "Error - \"%1\" is not a character the printer can print.");
}

MultiLineTextItem* MultiLineTextItemDialog::blockItem() const {
    return dynamic_cast<MultiLineTextItem*>(edited());
}

void MultiLineTextItemDialog::showOwnFields() {
    const MultiLineTextItem* item = blockItem();
    // Given another kind, the dialog edits only what all items share.
    page_->setEnabled(item != nullptr);
    if (!item)
        return;
    {
        // Showing the text is no change of it: the window stays as it is.
        const QSignalBlocker blocker(textEdit_);
        textEdit_->setPlainText(memoText(item->Text));
    }
    showOutlineCheckBox_->setChecked(item->ShowOutline);
    lineGapEdit_->showDots(item->LineGap);
    showWindowSize();
    textEdit_->setFocus();
}

void MultiLineTextItemDialog::memoChanged() {
    MultiLineTextItem* item = blockItem();
    const QString memo = textEdit_->toPlainText();
    if (!item || memo.isEmpty())
        return;
    item->Text = itemText(memo);
    sizeWindow();
}

// Only what the user types: showing the gap is no change of it.
void MultiLineTextItemDialog::gapEdited() {
    MultiLineTextItem* item = blockItem();
    const std::optional<int> gap = lineGapEdit_->dots();
    if (!item || !gap)
        return;
    item->LineGap = *gap;
    sizeWindow();
}

void MultiLineTextItemDialog::sizeWindow() {
    MultiLineTextItem* item = blockItem();
    if (!item || item->Text.empty())
        return;
    item->computeWindowSize(view());
    showWindowSize();
}

void MultiLineTextItemDialog::showWindowSize() {
    if (const MultiLineTextItem* item = blockItem()) {
        widthEdit_->showDots(item->WindowWidth);
        heightEdit_->showDots(item->WindowHeight);
    }
}

void MultiLineTextItemDialog::accept() {
    MultiLineTextItem* item = blockItem();
    if (!item) {
        ItemPropertiesDialog::accept();
        return;
    }
    if (refusesForeignCharacters(textEdit_->toPlainText(), *textEdit_, foreignCharacterError_) ||
        refusesWindowSize())
        return;
    if (item->Text.empty()) {
        reject();
        return;
    }
    ItemPropertiesDialog::accept();
}

bool MultiLineTextItemDialog::refusesWindowSize() {
    const MultiLineTextItem* item = blockItem();
    const int fits = view().checkFits(item->WindowWidth, item->WindowHeight);
    if (fits == 0)
        return false;
    prompter().message(fits == 1 ? messages_.DrawnWidthError : messages_.DrawnHeightError,
                       QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
    return true;
}

const ItemDialogKind& multiLineTextItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = MultiLineTextItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts,
                         const Messages& messages,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<MultiLineTextItemDialog>(prompter, data, fonts, messages,
                                                             parent);
        },
    };
    return kind;
}
