#include "app/ui/LanguageDialog.h"

#include "platform/Prompter.h"
#include "platform/ui/WindowPlacement.h"
#include "texts/LanguageFiles.h"
#include "texts/SettingsFile.h"
#include "widgets/RadioGroup.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The language names: keys of section "LangForm" and their built-in texts.
const QStringList kLanguageKeys{QStringLiteral("English"), QStringLiteral("French"),
                                QStringLiteral("German"),  QStringLiteral("Dutch"),
                                QStringLiteral("Swedish"), QStringLiteral("Spanish")};

QString text(const IniFile* settings, const char* key, const char* builtIn) {
    return SettingsFile::text(settings, LanguageFiles::SettingsSection, QLatin1String(key),
                              QLatin1String(builtIn));
}

} // namespace

LanguageDialog::LanguageDialog(QWidget* parent)
    : QDialog(parent), languageRG_(new RadioGroup(this)), okButton_(new QPushButton(this)),
      cancelButton_(new QPushButton(this)) {
    setObjectName(LanguageFiles::SettingsSection);
    languageRG_->setObjectName(QStringLiteral("LanguageRG"));
    okButton_->setObjectName(QStringLiteral("OKButton"));
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(languageRG_);
    layout->addLayout(buttons);

    reloadFromSettings();
}

int LanguageDialog::itemIndex() const {
    return languageRG_->itemIndex();
}

void LanguageDialog::setItemIndex(int index) {
    languageRG_->setItemIndex(index);
}

bool LanguageDialog::showModal(Prompter& prompter) {
    return prompter.runModal(*this) == QDialog::Accepted;
}

void LanguageDialog::reloadFromSettings() {
    const std::unique_ptr<IniFile> settings = SettingsFile::open();
    readTexts(settings.get());
    readSettings(settings.get());
}

void LanguageDialog::readTexts(const IniFile* settings) {
    setWindowTitle(text(settings, "Caption", "Select Language"));
    languageRG_->setTitle(text(settings, "RGCaption", "Language"));
    QStringList names;
    for (const QString& key : kLanguageKeys)
        names << SettingsFile::text(settings, LanguageFiles::SettingsSection, key, key);
    languageRG_->setItems(names);
    okButton_->setText(text(settings, "OK", "OK"));
    cancelButton_->setText(text(settings, "Cancel", "Cancel"));
}

void LanguageDialog::readSettings(const IniFile* settings) {
    const auto integer = [settings](const char* key, int def) {
        return settings
                   ? settings->readInteger(LanguageFiles::SettingsSection, QLatin1String(key), def)
                   : def;
    };
    restorePlace(*this, settings, LanguageFiles::SettingsSection);
    const int language = integer("Language", 0);
    // A garbled index falls back to English rather than leaving no choice.
    setItemIndex(language >= 0 && language < LanguageFiles::Count ? language : 0);
}
