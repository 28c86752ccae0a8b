#pragma once

#include <QString>

// The texts that tolvane-cli prints for --help.
namespace CliHelp {

bool IsCommand(const QString& name);
QString Overview();
QString ForCommand(const QString& name);
// One line: why name is not a command, and what the commands are.
QString UnknownCommand(const QString& name);

} // namespace CliHelp
