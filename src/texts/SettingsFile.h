#pragma once

#include "platform/IniFile.h"

#include <memory>

class Prompter;

// "tolv.ini", the settings file that is also the language file.
//
// Every reader and writer of settings first opens it through here: when the
// file does not exist nothing is read (defaults hold) and nothing is written.
// When the settings folder cannot be determined or created, the message
// "Path length problem" is shown (when a prompter is given) and the file
// counts as absent.
namespace SettingsFile {

// The settings file, or null when it does not exist.
std::unique_ptr<IniFile> open(Prompter* prompter = nullptr);

bool exists(Prompter* prompter = nullptr);

// A user-interface text: (section, key) of the settings file with the
// built-in text as default; a missing file, section or key gives the default.
QString text(const IniFile* settings, const QString& section, const QString& key,
             const QString& builtIn);

} // namespace SettingsFile
