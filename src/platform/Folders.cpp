#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Folders {

namespace {

QString withSeparator(const QString& dir) {
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

} // namespace

QString settingsDir() {
    QString dir = qEnvironmentVariable("TOLV_CONFIG_DIR");
    if (dir.isEmpty()) {
        const QString base =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        if (base.isEmpty())
            return {};
        dir = base + QStringLiteral("/Tolvane");
    }
    if (!QDir().mkpath(dir))
        return {};
    return QDir(dir).absolutePath();
}

QString settingsFile() {
    const QString dir = settingsDir();
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/tolv.ini");
}

QString installDataDir() {
    const QString fromEnv = qEnvironmentVariable("TOLVPATH");
    if (!fromEnv.isEmpty())
        return withSeparator(fromEnv);
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        candidates << exeDir + QStringLiteral("/../" TOLVANE_DATA_INSTALL_DIR);
    }
    candidates << QStringLiteral(TOLVANE_BUILD_DATA_DIR) << QStringLiteral(TOLVANE_SOURCE_DATA_DIR);
    for (const QString& c : candidates) {
        if (QFileInfo(c + QStringLiteral("/English.ini")).exists())
            return withSeparator(QDir(c).absolutePath());
    }
    return withSeparator(QStringLiteral(TOLVANE_SOURCE_DATA_DIR));
}

QString findDataFile(const QString& name) {
    if (QFileInfo(name).isFile())
        return QFileInfo(name).absoluteFilePath();
    const QString installed = installDataDir() + name;
    return QFileInfo(installed).isFile() ? installed : QString();
}

} // namespace Folders
