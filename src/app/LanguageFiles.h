#pragma once

#include <QString>
#include <QStringList>

class LanguageDialog;
class Messages;
class Prompter;

// The six language files of the installation folder. The settings file is
// always a copy of one of them with the user's settings added: choosing a
// language copies its file over the settings file, and the program restarts.
namespace LanguageFiles {

inline constexpr int Count = 6;

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
// language is confirmed, replaces the settings file by that language's file
// and keeps the dialog's position and the new index in it. True when the main
// window must now close (the new language takes effect at the next start).
// A language file that cannot be copied is reported; the settings file and
// the dialog's index then stay as they were and the program keeps running.
bool changeLanguage(LanguageDialog& dialog, Prompter& prompter, const Messages& messages);

} // namespace LanguageFiles
