#include "texts/SettingsFile.h"

#include "platform/Folders.h"
#include "platform/Prompter.h"

#include <QFileInfo>

namespace SettingsFile {

bool exists(Prompter* prompter) {
    const QString path = Folders::settingsFile();
    if (path.isEmpty()) {
        if (prompter)
            prompter->inform(QStringLiteral("Path length problem"));
        return false;
    }
    return QFileInfo(path).isFile();
}

std::unique_ptr<IniFile> open(Prompter* prompter) {
    if (!exists(prompter))
        return nullptr;
    return std::make_unique<IniFile>(Folders::settingsFile());
}

QString text(const IniFile* settings, const QString& section, const QString& key,
             const QString& builtIn) {
    return settings ? settings->readString(section, key, builtIn) : builtIn;
}

} // namespace SettingsFile
