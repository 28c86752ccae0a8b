#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class LanguageChooser;
class Messages;
class Prompter;

// The six language files of the installation folder. The settings file starts
// as a copy of the English one; choosing a language takes that language's
// texts into it, keeps the user's settings, and the program restarts.
namespace LanguageFiles {

inline constexpr int Count = 6;

// The language dialog's section of the settings file: its texts, position
// and the chosen language index.
inline const QString SettingsSection = QStringLiteral("LangForm");

// "English.ini", "French.ini", "German.ini", "Dutch.ini", "Swedish.ini",
// "Spanish.ini", in language-index order.
QStringList fileNames();
// The file of a language index; empty outside 0..Count-1.
QString fileName(int index);

// First start: when the settings file does not exist yet, creates it from the
// installation folder's English file. Nothing happens when the settings file
// exists or the English file is missing. True when the file was created.
bool createSettingsIfMissing();

// The Options, Language command: shows the language dialog and, when another
// language is confirmed, takes that language's texts into the settings file
// (the user's settings stay) and keeps the dialog's position and the new
// index in it. mayClose, when given, runs after the confirmation and before
// the file changes (it offers to save an altered image); false from it
// changes nothing. True when the main window must now close (the new language
// takes effect at the next start). A language file that cannot be read, or a
// settings file that cannot be written, is reported; the settings file and
// the dialog's index then stay as they were and the program keeps running.
bool changeLanguage(LanguageChooser& dialog, Prompter& prompter, const Messages& messages,
                    const std::function<bool()>& mayClose = {});

// Qt's own texts (standard buttons, file dialogs, shortcut names) in the
// language of an index, from the Qt translations installed on the system;
// replaces those of an earlier call. English needs none. False when the
// language has none installed (Qt's texts then stay English).
bool installQtTranslations(int index);

} // namespace LanguageFiles
