#pragma once

#include <QByteArray>
#include <QStringList>

// The subcommands of tolvane-cli: dump, build and render here, the handheld's
// in CliHandheld.
namespace CliCommands {

// What a run printed and how it ended.
struct Outcome {
    int status = 0; // 0 success, 1 failure
    QByteArray out;
    QByteArray err; // one line on failure, or a note on a success
};

// The line a failure prints on standard error: the program's name and the
// message on one line.
QByteArray errorLine(QByteArray message);

// The subcommand that the arguments (without the program name) ask for.
QString subcommandOf(const QStringList& args);

// Runs one command line. Needs a QCoreApplication, and for render a
// QGuiApplication.
Outcome run(const QStringList& args);

} // namespace CliCommands
