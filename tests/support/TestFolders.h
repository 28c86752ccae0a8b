#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "QtPrinters.h"

// A private settings folder and installation folder for one test: sets
// $TOLV_CONFIG_DIR and $TOLVPATH for its lifetime and restores them after.
class TestFolders {
public:
    TestFolders();
    ~TestFolders();
    TestFolders(const TestFolders&) = delete;
    TestFolders& operator=(const TestFolders&) = delete;

    QString settingsDir() const { return settings_.path(); }
    QString installDir() const { return install_.path() + u'/'; }
    QString iniPath() const { return settings_.path() + QStringLiteral("/tolv.ini"); }

    // Writes text as tolv.ini (or as a file of the installation folder).
    void writeIni(const QByteArray& text) const;
    void writeInstallFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readIni() const;

private:
    QTemporaryDir settings_;
    QTemporaryDir install_;
    QByteArray oldConfig_, oldPath_;
    bool hadConfig_, hadPath_;
};

// A file of tests/data, by its path below that folder.
QString testDataPath(const QString& relative);

// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
