#include "widgets/DialogSupport.h"

#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "platform/ui/WindowPlacement.h"
#include "texts/SettingsFile.h"

#include <QLineEdit>
#include <QWidget>

void restoreDialogPosition(QWidget& dialog, const IniFile* settings) {
    restorePlace(dialog, settings, dialog.objectName());
}

void storeDialogPosition(const QWidget& dialog, Prompter* prompter) {
    const auto settings = SettingsFile::open(prompter);
    if (!settings)
        return;
    settings->writeInteger(dialog.objectName(), QStringLiteral("Left"), dialog.x());
    settings->writeInteger(dialog.objectName(), QStringLiteral("Top"), dialog.y());
}

QString dialogText(const IniFile* settings, const QString& section, const char* key,
                   const char* builtIn) {
    return SettingsFile::text(settings, section, QLatin1String(key), QString::fromUtf8(builtIn));
}

bool refusesForeignCharacter(const QString& text, QWidget& field, Prompter* prompter,
                             const QString& message) {
    const QString foreign = Windows1252::firstUnencodable(text);
    if (foreign.isEmpty())
        return false;
    if (prompter)
        prompter->inform(message.arg(foreign), Prompter::Icon::Stop);
    field.setFocus();
    return true;
}

bool refusesForeignCharacter(QLineEdit& edit, Prompter* prompter, const QString& message) {
    return refusesForeignCharacter(edit.text(), edit, prompter, message);
}
