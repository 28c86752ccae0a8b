#pragma once

#include "TestFolders.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Runs the real tolvane-cli in a private working folder, with private
// settings and installation folders that hold the built font map.
class CliRunner {
public:
    struct Result {
        int status = -1;
        QByteArray out;
        QByteArray err;
    };

    CliRunner();

    Result run(const QStringList& args) const;
    // Starts the program and leaves it running, for a test that signals it.
    std::unique_ptr<QProcess> start(const QStringList& args) const;
    // As run(), with a disk that takes no more bytes: the command may not
    // write one byte to any file.
    Result runOnFullDisk(const QStringList& args) const;
    // A path in the working folder.
    QString path(const QString& name) const { return work_.filePath(name); }
    // The font map the commands find.
    QString fontMap() const { return folders_.installDir() + QStringLiteral("FONTMAP.DEF"); }
    const TestFolders& folders() const { return folders_; }

private:
    Result run(const QStringList& args, bool fullDisk) const;

    TestFolders folders_;
    QTemporaryDir work_;
};

// Whether text is exactly one line that holds every one of parts.
bool isOneLineNaming(const QByteArray& text, const QStringList& parts);
