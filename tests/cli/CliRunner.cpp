#include "CliRunner.h"

#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>

CliRunner::CliRunner() {
    QFile::copy(QStringLiteral(TOLVANE_BUILT_FONTMAP), fontMap());
}

CliRunner::Result CliRunner::run(const QStringList& args) const {
    return run(args, false);
}

std::unique_ptr<QProcess> CliRunner::start(const QStringList& args) const {
    auto process = std::make_unique<QProcess>();
    process->setWorkingDirectory(work_.path());
    process->start(QStringLiteral(TOLVANE_CLI), args);
    process->waitForStarted(5000);
    return process;
}

CliRunner::Result CliRunner::runOnFullDisk(const QStringList& args) const {
    return run(args, true);
}

CliRunner::Result CliRunner::run(const QStringList& args, bool fullDisk) const {
    QProcess process;
    process.setWorkingDirectory(work_.path());
    if (fullDisk)
        process.setChildProcessModifier([] {
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 0;
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_IGN); // an ignored signal stays ignored in the program
        });
    process.start(QStringLiteral(TOLVANE_CLI), args);
    if (!process.waitForFinished(60000))
        return {};
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {status, process.readAllStandardOutput(), process.readAllStandardError()};
}

bool isOneLineNaming(const QByteArray& text, const QStringList& parts) {
    if (text.count('\n') != 1 || !text.endsWith('\n'))
        return false;
    for (const QString& part : parts)
        if (!text.contains(part.toUtf8()))
            return false;
    return true;
}
