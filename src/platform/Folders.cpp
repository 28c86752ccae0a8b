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
    // An installation, else the build tree, which the build fills with the
    // language files and the font map made from its readable table.
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        candidates << exeDir + QStringLiteral("/../" TOLVANE_DATA_INSTALL_DIR);
    }
    candidates << QStringLiteral(TOLVANE_BUILD_DATA_DIR);
    for (const QString& required : {QStringLiteral("FONTMAP.DEF"), QStringLiteral("English.ini")})
        for (const QString& c : candidates)
            if (QFileInfo(c + u'/' + required).exists())
                return withSeparator(QDir(c).absolutePath());
    return withSeparator(QDir(candidates.first()).absolutePath());
}

QStringList dataFileFolders() {
    return {withSeparator(QDir::currentPath()), installDataDir()};
}

QString findDataFile(const QString& name) {
    for (const QString& folder : dataFileFolders())
        if (QFileInfo(folder + name).isFile())
            return QFileInfo(folder + name).absoluteFilePath();
    return {};
}

} // namespace Folders
