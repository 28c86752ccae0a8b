#include "items/ui/TextItemDialog.h"

#include "document/DataStore.h"
#include "items/TextItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "texts/TextHelpers.h"
#include "widgets/DialogSupport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

TextItemDialog::TextItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                               const Messages& messages, QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent), messages_(messages) {
    buildControls();
    readTexts(SettingsFile::open(&prompter).get());
}

void TextItemDialog::buildControls() {
    page_ = namedWidget<QWidget>(this, "TextPage");
    textLabel_ = namedWidget<QLabel>(page_, "TextEditLabel");
    textEdit_ = namedWidget<QLineEdit>(page_, "TextEdit");
    operatorRequestCheckBox_ = namedWidget<QCheckBox>(page_, "OperatorRequestCheckBox");
    promptLabel_ = namedWidget<QLabel>(page_, "PromptLabel");
    promptEdit_ = namedWidget<QLineEdit>(page_, "PromptEdit");
    maxCharsLabel_ = namedWidget<QLabel>(page_, "MaxCharsLabel");
    maxCharsEdit_ = namedWidget<QLineEdit>(page_, "MaxCharsEdit");
    maxCharsEdit_->setText(QStringLiteral("10"));
    textLabel_->setBuddy(textEdit_);
    promptLabel_->setBuddy(promptEdit_);
    maxCharsLabel_->setBuddy(maxCharsEdit_);
    auto* grid = new QGridLayout(page_);
    grid->addWidget(textLabel_, 0, 0);
    grid->addWidget(textEdit_, 0, 1, 1, 3);
    grid->addWidget(operatorRequestCheckBox_, 1, 0, 1, 4);
    grid->addWidget(promptLabel_, 2, 0);
    grid->addWidget(promptEdit_, 2, 1);
    grid->addWidget(maxCharsLabel_, 2, 2);
    grid->addWidget(maxCharsEdit_, 2, 3);
    ownControls().addWidget(page_);
    connect(operatorRequestCheckBox_, &QCheckBox::clicked, this,
            &TextItemDialog::operatorRequestClicked);
    connect(textEdit_, &QLineEdit::textEdited, this, &TextItemDialog::textEdited);
    connect(promptEdit_, &QLineEdit::textEdited, this, &TextItemDialog::promptEdited);
    connect(maxCharsEdit_, &QLineEdit::textEdited, this, &TextItemDialog::maxCharsEdited);
    connect(maxCharsEdit_, &QLineEdit::editingFinished, this,
            &TextItemDialog::raiseMaxCharsToTextLength);
}

void TextItemDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    const QString caption = text("Caption", "Edit Text Item Properites");
    setTitle(caption);
    setWindowTitle(caption);
    textLabel_->setText(text("TextEditCaption", "Text"));
    operatorRequestCheckBox_->setText(text("Op_request", "Operator request"));
    promptLabel_->setText(text("PromptLabel", "Prompt"));
    maxCharsLabel_->setText(text("MaxCharsLabel", "Max Chars"));
    foreignCharacterError_ =
        text("ForeignCharacterError", "Error - \"%1\" is not a character the printer can print.");
}

TextItem* TextItemDialog::textItem() const {
    return dynamic_cast<TextItem*>(edited());
}

void TextItemDialog::showOwnFields() {
    const TextItem* item = textItem();
    // Given another kind, the dialog edits only what all items share.
    page_->setEnabled(item != nullptr);
    if (!item)
        return;
    textEdit_->setText(Windows1252::decode(item->Text));
    promptEdit_->setText(Windows1252::decode(item->Prompt));
    operatorRequestCheckBox_->setChecked(item->OperatorRequest);
    showMaxChars(item->MaxChars);
    textEdit_->setFocus();
    operatorRequestClicked();
}

void TextItemDialog::operatorRequestClicked() {
    const bool request = operatorRequestCheckBox_->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{promptLabel_, promptEdit_, maxCharsLabel_, maxCharsEdit_})
        w->setEnabled(request);
    if (TextItem* item = textItem())
        item->OperatorRequest = request;
    if (maxCharsEdit_->text().toInt() < textEdit_->text().size())
        showMaxChars(int(textEdit_->text().size()));
}

void TextItemDialog::textEdited() {
    showMaxChars(int(textEdit_->text().size()));
}

void TextItemDialog::promptEdited() {
    if (promptEdit_->text() == DiagnosticAccessCode)
        data().switchOnDiagnostic();
}

// A number is checked as it is typed; the lower limit, the text's length,
// waits until the typing ends, as every number would otherwise start with
// the digit typed first.
void TextItemDialog::maxCharsEdited() {
    const QString typed = maxCharsEdit_->text().trimmed();
    if (!typed.isEmpty() && !TextHelpers::isInteger(typed)) {
        prompter().message(messages_.InvalidIntegerError, QString(), Prompter::Icon::Stop,
                           Prompter::Buttons::Ok);
        maxCharsEdit_->setText(QStringLiteral("1"));
    }
    if (maxCharsEdit_->text().trimmed().toLongLong() > TextItem::MaxCharsLimit)
        maxCharsEdit_->setText(QString::number(TextItem::MaxCharsLimit));
    if (TextItem* item = textItem())
        item->MaxChars = std::max(0, maxCharsEdit_->text().trimmed().toInt());
}

void TextItemDialog::raiseMaxCharsToTextLength() {
    const int length = int(textEdit_->text().size());
    showMaxChars(std::max(length, maxCharsEdit_->text().trimmed().toInt()));
}

// No more than the download record carries, however long the text.
void TextItemDialog::showMaxChars(int maxChars) {
    maxChars = std::clamp(maxChars, 0, TextItem::MaxCharsLimit);
    maxCharsEdit_->setText(QString::number(maxChars));
    if (TextItem* item = textItem())
        item->MaxChars = maxChars;
}

void TextItemDialog::accept() {
    TextItem* item = textItem();
    if (!item) {
        ItemPropertiesDialog::accept();
        return;
    }
    if (textEdit_->text().isEmpty()) {
        reject();
        return;
    }
    if (!takeTexts(*item))
        return;
    raiseMaxCharsToTextLength();
    ItemPropertiesDialog::accept();
}

bool TextItemDialog::takeTexts(TextItem& item) {
    if (refusesForeignCharacters(*textEdit_) || refusesForeignCharacters(*promptEdit_))
        return false;
    item.Text = Windows1252::encode(textEdit_->text());
    item.Prompt = Windows1252::encode(promptEdit_->text());
    return true;
}

bool TextItemDialog::refusesForeignCharacters(QLineEdit& edit) {
    return refusesForeignCharacter(edit, &prompter(), foreignCharacterError_);
}

const ItemDialogKind& textItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = TextItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts,
                         const Messages& messages,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<TextItemDialog>(prompter, data, fonts, messages, parent);
        },
    };
    return kind;
}
