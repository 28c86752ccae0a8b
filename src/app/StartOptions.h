#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

// The designer's own command-line options, answered before any window (or
// display) is needed. Every other argument is left to the start-up.
namespace StartOptions {

// The text that --help or --version asks for, to print on standard output
// before exiting; nothing when the designer is to start. args leaves out the
// program name.
std::optional<QByteArray> informationFor(const QStringList& args);

// The command line as the operating system passed it, without the program name.
QStringList fromArgv(int argc, char** argv);

} // namespace StartOptions
