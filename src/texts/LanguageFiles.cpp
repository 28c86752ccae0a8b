#include "texts/LanguageFiles.h"

#include "platform/AtomicFile.h"
#include "platform/Folders.h"
#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "texts/LanguageChooser.h"
#include "texts/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <memory>
#include <vector>

namespace LanguageFiles {

namespace {

// Copies a file so that the target is either wholly replaced or untouched.
// Answers an error text for the user, or an empty string on success.
QString copyOver(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read the language file %1").arg(source);
    QString error;
    if (!AtomicFile::write(target, in.readAll(), &error))
        return QStringLiteral("Cannot write the settings file %1: %2").arg(target, error);
    return {};
}

// Whether every installed language file that holds (section, key) gives it
// the same value: such a key is a setting, which the user's file keeps.
bool sameInEveryLanguage(const std::vector<IniFile>& languages, const QString& section,
                         const QString& key, const QString& value) {
    for (const IniFile& other : languages)
        if (other.hasKey(section, key) && other.readString(section, key, QString()) != value)
            return false;
    return true;
}

// Takes the texts of a language into the settings file. A text is a key whose
// value differs between the installed language files; it is taken from the
// new language. A key on which all of them agree is a setting: the user's
// value stays, and the language file's value is added only where the user's
// file lacks the key. Keys that no language file holds (window positions,
// folders, the serial devices the user chose) are left alone. Finally the
// dialog's position and the new index are written, all in one save.
bool installLanguage(int index, QPoint position, Prompter& prompter) {
    const QString target = Folders::settingsFile();
    if (target.isEmpty()) {
        prompter.inform(QStringLiteral("Path length problem"), Prompter::Icon::Stop);
        return false;
    }
    const QString source = Folders::installDataDir() + fileName(index);
    if (!QFileInfo(source).isFile()) {
        prompter.inform(QStringLiteral("Language file not found: %1").arg(source),
                        Prompter::Icon::Stop);
        return false;
    }
    if (!QFileInfo(source).isReadable()) {
        prompter.inform(QStringLiteral("Cannot read the language file %1").arg(source),
                        Prompter::Icon::Stop);
        return false;
    }
    const IniFile language(source);
    std::vector<IniFile> others;
    for (const QString& name : fileNames())
        if (name != fileName(index) && QFileInfo(Folders::installDataDir() + name).isFile())
            others.emplace_back(Folders::installDataDir() + name);

    IniFile settings(target);
    QList<IniFile::Entry> entries;
    for (const QString& section : language.sectionNames()) {
        for (const QString& key : language.sectionKeys(section)) {
            const QString value = language.readString(section, key, QString());
            if (settings.hasKey(section, key) && sameInEveryLanguage(others, section, key, value))
                continue;
            entries.append({section, key, value});
        }
    }
    entries.append({SettingsSection, QStringLiteral("Left"), QString::number(position.x())});
    entries.append({SettingsSection, QStringLiteral("Top"), QString::number(position.y())});
    entries.append({SettingsSection, QStringLiteral("Language"), QString::number(index)});
    if (!settings.writeStrings(entries)) {
        prompter.inform(QStringLiteral("Cannot write the settings file %1").arg(target),
                        Prompter::Icon::Stop);
        return false;
    }
    return true;
}

bool confirmed(Prompter& prompter, const Messages& messages) {
    return prompter.message(messages.LanguageChangeConfirm, QString(), Prompter::Icon::Question,
                            Prompter::Buttons::YesNoCancel) == Prompter::Answer::Yes;
}

} // namespace

QStringList fileNames() {
    return {QStringLiteral("English.ini"), QStringLiteral("French.ini"),
            QStringLiteral("German.ini"),  QStringLiteral("Dutch.ini"),
            QStringLiteral("Swedish.ini"), QStringLiteral("Spanish.ini")};
}

QString fileName(int index) {
    return fileNames().value(index);
}

bool createSettingsIfMissing() {
    const QString target = Folders::settingsFile();
    if (target.isEmpty() || QFileInfo::exists(target))
        return false;
    const QString source = Folders::installDataDir() + fileName(0);
    return QFileInfo(source).isFile() && copyOver(source, target).isEmpty();
}

bool changeLanguage(LanguageChooser& dialog, Prompter& prompter, const Messages& messages,
                    const std::function<bool()>& mayClose) {
    const int previous = dialog.itemIndex();
    if (!dialog.showModal(prompter)) {
        dialog.setItemIndex(previous);
        dialog.reloadFromSettings();
        return false;
    }
    const int chosen = dialog.itemIndex();
    if (chosen == previous)
        return false;
    const bool installed = !fileName(chosen).isEmpty() && confirmed(prompter, messages) &&
                           (!mayClose || mayClose()) &&
                           installLanguage(chosen, dialog.position(), prompter);
    if (!installed)
        dialog.setItemIndex(previous);
    return installed;
}

bool installQtTranslations(int index) {
    static const std::array<const char*, Count> codes{"en", "fr", "de", "nl", "sv", "es"};
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (index <= 0 || index >= Count)
        return false;
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString code = QString::fromLatin1(codes[size_t(index)]);
    // "qt_xx" gathers every Qt module's catalogue; some languages have only it.
    if (!translator->load(QStringLiteral("qt_") + code, folder) &&
        !translator->load(QStringLiteral("qtbase_") + code, folder))
        return false;
    installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return true;
}

} // namespace LanguageFiles
