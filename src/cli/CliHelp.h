#pragma once

#include <QString>

// The texts that tolvane-cli prints for --help.
namespace CliHelp {

bool isCommand(const QString& name);
QString overview();
QString forCommand(const QString& name);
// One line: why name is not a command, and what the commands are.
QString unknownCommand(const QString& name);

} // namespace CliHelp
