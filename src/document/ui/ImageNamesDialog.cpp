#include "document/ui/ImageNamesDialog.h"

#include "document/DataStore.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "platform/ui/WindowPlacement.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/CharacterCounter.h"
#include "widgets/DialogButtons.h"
#include "widgets/DialogSupport.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename Widget> Widget* named(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QString text(const IniFile* settings, const char* key, const char* builtIn) {
    return SettingsFile::text(settings, ImageNamesDialog::SettingsSection, QLatin1String(key),
                              QLatin1String(builtIn));
}

// A limit below one character would leave no name at all.
int readLimit(const IniFile& settings, const char* key, int builtIn) {
    const int value =
        settings.readInteger(ImageNamesDialog::SettingsSection, QLatin1String(key), builtIn);
    return value >= 1 ? value : builtIn;
}

QString shown(const std::string& bytes) {
    return Windows1252::decode(bytes);
}

std::string stored(const QString& text) {
    return Windows1252::encode(text);
}

} // namespace

ImageNamesDialog::ImageNamesDialog(const IniFile* settings, const Messages& messages,
                                   QWidget* parent)
    : QDialog(parent), messages_(messages), shortNameLabel_(named<QLabel>(this, "ShortNameLabel")),
      longNameLabel_(named<QLabel>(this, "LongNameLabel")),
      shortNameEdit_(named<QLineEdit>(this, "ShortNameEdit")),
      longNameEdit_(named<QLineEdit>(this, "LongNameEdit")),
      shortNameCounter_(new CharacterCounter(*shortNameEdit_, this)),
      longNameCounter_(new CharacterCounter(*longNameEdit_, this)) {
    setObjectName(SettingsSection);
    shortNameLabel_->setBuddy(shortNameEdit_);
    longNameLabel_->setBuddy(longNameEdit_);
    auto* fields = new QGridLayout;
    fields->addWidget(shortNameLabel_, 0, 0);
    fields->addWidget(shortNameEdit_, 0, 1);
    fields->addWidget(shortNameCounter_, 0, 2);
    fields->addWidget(longNameLabel_, 1, 0);
    fields->addWidget(longNameEdit_, 1, 1);
    fields->addWidget(longNameCounter_, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    const DialogButtons buttons = DialogButtons::addTo(*this, *layout);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    // Only typing is limited: names shown from a file stay whole.
    connect(shortNameEdit_, &QLineEdit::textEdited, this,
            [this] { cutToLimit(shortNameEdit_, shortNameLength_); });
    connect(longNameEdit_, &QLineEdit::textEdited, this,
            [this] { cutToLimit(longNameEdit_, longNameLength_); });
    readSettings(settings);
}

void ImageNamesDialog::readSettings(const IniFile* settings) {
    setWindowTitle(text(settings, "Caption", "Image descriptions"));
    shortNameLabel_->setText(text(settings, "ShortNameLabel", "Short Name"));
    longNameLabel_->setText(text(settings, "LongNameLabel", "Long Name"));
    okButton_->setText(text(settings, "OK", "OK"));
    cancelButton_->setText(text(settings, "Cancel", "Cancel"));
    foreignCharacterError_ =
        text(settings, "ForeignCharacterError", "Error - \"%1\" cannot be used in a description.");
    if (settings) {
        restorePlace(*this, settings, SettingsSection);
        shortNameLength_ = readLimit(*settings, "ShortNameLength", DefaultShortNameLength);
        longNameLength_ = readLimit(*settings, "LongNameLength", DefaultLongNameLength);
    }
    const QString hint = text(settings, "LengthHint", "up to %1 characters");
    shortNameCounter_->setLimit(shortNameLength_, hint);
    longNameCounter_->setLimit(longNameLength_, hint);
}

void ImageNamesDialog::writePosition() const {
    const auto settings = SettingsFile::open();
    if (!settings)
        return;
    settings->writeInteger(SettingsSection, QStringLiteral("Left"), pos().x());
    settings->writeInteger(SettingsSection, QStringLiteral("Top"), pos().y());
}

void ImageNamesDialog::cutToLimit(QLineEdit* edit, int limit) {
    if (edit->text().size() <= limit)
        return;
    edit->setText(edit->text().left(limit));
    update();
}

bool ImageNamesDialog::execute(Prompter& prompter, DataStore& data) {
    shownShortName_ = shown(data.shortName());
    shownLongName_ = shown(data.longName());
    shortNameEdit_->setText(shownShortName_);
    longNameEdit_->setText(shownLongName_);
    prompter_ = &prompter;
    const bool ok = prompter.runModal(*this) == QDialog::Accepted;
    prompter_ = nullptr;
    writePosition();
    if (!ok)
        return false;
    data.setShortName(stored(shortNameEdit_->text()));
    data.setLongName(stored(longNameEdit_->text()));
    return true;
}

bool ImageNamesDialog::confirmNames(Prompter& prompter, DataStore& data) {
    if (!data.shortName().empty() && !data.longName().empty())
        return true;
    if (prompter.message(messages_.NoLabelDescriptionWarning, QString(),
                         Prompter::Icon::Exclamation,
                         Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return false;
    return execute(prompter, data);
}

bool ImageNamesDialog::refusesForeignCharacters(QLineEdit* edit) {
    return refusesForeignCharacter(*edit, prompter_, foreignCharacterError_);
}

void ImageNamesDialog::accept() {
    if (refusesForeignCharacters(shortNameEdit_) || refusesForeignCharacters(longNameEdit_))
        return;
    QDialog::accept();
}

void ImageNamesDialog::reject() {
    shortNameEdit_->setText(shownShortName_);
    longNameEdit_->setText(shownLongName_);
    QDialog::reject();
}
