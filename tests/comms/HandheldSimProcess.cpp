#include "HandheldSimProcess.h"

#include <QDeadlineTimer>

#include <gtest/gtest.h>

HandheldSimProcess::HandheldSimProcess(const QStringList& options) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(TOLVANE_HANDHELD_SIM), options);
    if (!process_.waitForStarted(5000)) {
        ADD_FAILURE() << "the handheld simulator did not start";
        return;
    }
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (path_.isEmpty())
        ADD_FAILURE() << "the handheld simulator offered no terminal";
}

HandheldSimProcess::~HandheldSimProcess() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

void HandheldSimProcess::readLines() {
    while (process_.canReadLine())
        lines_ << QString::fromLocal8Bit(process_.readLine()).trimmed();
}

QStringList HandheldSimProcess::trace(int settleMs) {
    while (process_.waitForReadyRead(settleMs))
        readLines();
    readLines();
    return lines_;
}

QString HandheldSimProcess::receivedLetters() const {
    const QString direction = QStringLiteral("<- ");
    QString result;
    for (const QString& line : lines_)
        if (line.startsWith(direction) && line.size() > direction.size())
            result += line.at(direction.size());
    return result;
}

QString HandheldSimProcess::received(int expectedCount) {
    const QDeadlineTimer deadline(5000);
    while (receivedLetters().size() < expectedCount && !deadline.hasExpired()) {
        process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        readLines();
    }
    trace();
    return receivedLetters();
}
