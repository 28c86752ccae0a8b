#include "app/LanguageFiles.h"

#include "app/LanguageDialog.h"
#include "app/Messages.h"
#include "platform/Folders.h"
#include "platform/IniFile.h"
#include "platform/Prompter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace LanguageFiles {

namespace {

const QString kSection = QStringLiteral("LangForm");

// Copies a file so that the target is either wholly replaced or untouched: the
// bytes go to a temporary file beside the target, which is then renamed over
// it. Answers an error text for the user, or an empty string on success.
QString copyOver(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile())
        return QStringLiteral("Language file not found: %1").arg(source);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read the language file %1").arg(source);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write the settings file %1").arg(target);
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(64 * 1024);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return QStringLiteral("Cannot copy the language file %1").arg(source);
        }
    }
    if (!out.commit())
        return QStringLiteral("Cannot write the settings file %1").arg(target);
    return {};
}

// Puts the language file of an index in place of the settings file and keeps
// the dialog's position and the index in it.
bool installLanguage(int index, QPoint position, Prompter& prompter) {
    const QString target = Folders::settingsFile();
    if (target.isEmpty()) {
        prompter.inform(QStringLiteral("Path length problem"), Prompter::Icon::Stop);
        return false;
    }
    const QString error = copyOver(Folders::installDataDir() + fileName(index), target);
    if (!error.isEmpty()) {
        prompter.inform(error, Prompter::Icon::Stop);
        return false;
    }
    IniFile settings(target);
    settings.writeInteger(kSection, QStringLiteral("Left"), position.x());
    settings.writeInteger(kSection, QStringLiteral("Top"), position.y());
    settings.writeInteger(kSection, QStringLiteral("Language"), index);
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

bool changeLanguage(LanguageDialog& dialog, Prompter& prompter, const Messages& messages) {
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
                           installLanguage(chosen, dialog.position(), prompter);
    if (!installed)
        dialog.setItemIndex(previous);
    return installed;
}

} // namespace LanguageFiles
