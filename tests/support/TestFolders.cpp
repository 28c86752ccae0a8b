#include "TestFolders.h"

#include <QFile>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace

TestFolders::TestFolders()
    : oldConfig_(qgetenv("TOLV_CONFIG_DIR")), oldPath_(qgetenv("TOLVPATH")),
      hadConfig_(qEnvironmentVariableIsSet("TOLV_CONFIG_DIR")),
      hadPath_(qEnvironmentVariableIsSet("TOLVPATH")) {
    qputenv("TOLV_CONFIG_DIR", settings_.path().toLocal8Bit());
    qputenv("TOLVPATH", installDir().toLocal8Bit());
}

TestFolders::~TestFolders() {
    if (hadConfig_)
        qputenv("TOLV_CONFIG_DIR", oldConfig_);
    else
        qunsetenv("TOLV_CONFIG_DIR");
    if (hadPath_)
        qputenv("TOLVPATH", oldPath_);
    else
        qunsetenv("TOLVPATH");
}

void TestFolders::writeIni(const QByteArray& text) const {
    writeFile(iniPath(), text);
}

void TestFolders::writeInstallFile(const QString& name, const QByteArray& bytes) const {
    writeFile(installDir() + name, bytes);
}

QByteArray TestFolders::readIni() const {
    QFile f(iniPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString testDataPath(const QString& relative) {
    return QStringLiteral(TOLVANE_TEST_DATA_DIR "/") + relative;
}
