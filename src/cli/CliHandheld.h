#pragma once

#include "cli/CliCommands.h"

#include <QString>
#include <QStringList>

// The handheld's subcommands of tolvane-cli: compile an image into its
// download bytes, download it, list and erase what the handheld stores.
namespace CliHandheld {

bool isCommand(const QString& name);

// Runs one of them with the arguments after its name. With --log the packet
// log goes to standard output, also when the command fails.
CliCommands::Outcome run(const QString& command, const QStringList& args);

} // namespace CliHandheld
