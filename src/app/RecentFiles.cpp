#include "app/RecentFiles.h"

#include "platform/IniFile.h"
#include "texts/MainWindowTexts.h"

#include <QDir>

namespace {

// Linux file names may hold any character but '/' and NUL: the two that the
// value's own syntax uses are written as in a URL.
QString escaped(QString path) {
    return path.replace(u'%', QStringLiteral("%25")).replace(u'|', QStringLiteral("%7C"));
}

QString unescaped(QString path) {
    return path.replace(QStringLiteral("%7C"), QStringLiteral("|"), Qt::CaseInsensitive)
        .replace(QStringLiteral("%25"), QStringLiteral("%"));
}

// One file, however it was named.
bool samePath(const QString& a, const QString& b) {
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

void RecentFiles::add(const QString& path) {
    remove(path);
    paths_.prepend(path);
    while (paths_.size() > Limit)
        paths_.removeLast();
}

void RecentFiles::remove(const QString& path) {
    paths_.removeIf([&path](const QString& p) { return samePath(p, path); });
}

void RecentFiles::read(const IniFile* settings) {
    if (!settings)
        return;
    paths_.clear();
    for (const QString& path :
         decode(settings->readString(MainWindowTexts::Section, Key, QString()))) {
        if (paths_.size() < Limit && !paths_.contains(path))
            paths_ << path;
    }
}

void RecentFiles::write(IniFile& settings) const {
    settings.writeString(MainWindowTexts::Section, Key, encode(paths_));
}

QString RecentFiles::encode(const QStringList& paths) {
    QString value;
    for (const QString& path : paths)
        value += escaped(path) + u'|';
    return value;
}

QStringList RecentFiles::decode(const QString& value) {
    QStringList paths;
    for (const QString& part : value.split(u'|', Qt::SkipEmptyParts))
        paths << unescaped(part);
    return paths;
}
