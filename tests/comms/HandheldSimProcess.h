#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The handheld simulator run as a separate process for one test: started
// with the given options, it offers a pseudo-terminal at devicePath(); the
// destructor stops it. Its trace (one line per packet received "<- X …" or
// sent "-> X …") tells the test what crossed the line.
class HandheldSimProcess {
public:
    explicit HandheldSimProcess(const QStringList& options = {});
    ~HandheldSimProcess();
    HandheldSimProcess(const HandheldSimProcess&) = delete;
    HandheldSimProcess& operator=(const HandheldSimProcess&) = delete;

    bool started() const { return !path_.isEmpty(); }
    const QString& devicePath() const { return path_; }

    // Every trace line so far, after waiting until the simulator has been
    // quiet for settleMs.
    QStringList trace(int settleMs = 100);
    // The command letters of the packets received so far, in order: waits
    // (a few seconds at most) until at least expectedCount have arrived,
    // then until the line is quiet, so that a surplus shows as well.
    QString received(int expectedCount);

private:
    void readLines();
    QString receivedLetters() const;

    QProcess process_;
    QString path_;
    QStringList lines_;
};
