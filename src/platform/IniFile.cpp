#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

namespace {

// "[name]" with blanks allowed around the name; returns false for other lines.
bool parseSectionLine(const QString& line, QString& name) {
    const QString t = line.trimmed();
    if (t.size() < 2 || !t.startsWith(u'[') || !t.endsWith(u']'))
        return false;
    name = t.mid(1, t.size() - 2).trimmed();
    return true;
}

bool parseKeyLine(const QString& line, QString& key, QString& value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';'))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0)
        return false;
    key = t.left(eq).trimmed();
    value = t.mid(eq + 1).trimmed();
    return true;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {
    load();
}

bool IniFile::exists() const {
    return QFileInfo::exists(path_);
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    ini.inMemory_ = true;
    ini.parse(bytes);
    return ini;
}

void IniFile::load() {
    lines_.clear();
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return;
    parse(f.readAll());
}

void IniFile::parse(const QByteArray& bytes) {
    lines_.clear();
    QTextStream in(bytes);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        // Carriage returns before the end of a line belong to the line end,
        // however many there are: kept in the line, each save would turn the
        // last of them into a "\r\n" and lose it on the next read.
        QString line = in.readLine();
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1) == u'\r')
            --end;
        line.truncate(end);
        lines_.append(line);
    }
}

QByteArray IniFile::bytes() const {
    QByteArray bytes;
    for (const QString& line : lines_) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return bytes;
}

bool IniFile::save() const {
    if (inMemory_)
        return true;
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray content = bytes();
    if (f.write(content) != content.size())
        return false;
    return f.commit();
}

IniFile::Location IniFile::locate(const QString& section, const QString& key) const {
    Location loc;
    bool inside = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        QString name;
        if (parseSectionLine(lines_[i], name)) {
            if (inside)
                return loc; // the first section of that name is the one used
            inside = sameName(name, section);
            if (inside) {
                loc.sectionLine = i;
                loc.endLine = i + 1;
            }
            continue;
        }
        if (!inside)
            continue;
        QString k, v;
        if (!parseKeyLine(lines_[i], k, v))
            continue;
        loc.endLine = i + 1;
        if (loc.keyLine < 0 && sameName(k, key))
            loc.keyLine = i;
    }
    return loc;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const Location loc = locate(section, key);
    if (loc.keyLine < 0)
        return def;
    QString k, v;
    parseKeyLine(lines_[loc.keyLine], k, v);
    return v;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return locate(section, key).keyLine >= 0;
}

QStringList IniFile::sectionKeys(const QString& section) const {
    QStringList keys;
    const Location loc = locate(section, QString());
    if (loc.sectionLine < 0)
        return keys;
    for (qsizetype i = loc.sectionLine + 1; i < loc.endLine; ++i) {
        QString k, v;
        if (parseKeyLine(lines_[i], k, v))
            keys.append(k);
    }
    return keys;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const {
    const QString text = readString(section, key, QString());
    bool ok = false;
    int value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.toInt(&ok, 10);
    return ok ? value : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const {
    return readInteger(section, key, def ? 1 : 0) != 0;
}

double IniFile::readFloat(const QString& section, const QString& key, double def) const {
    bool ok = false;
    const double value = readString(section, key, QString()).toDouble(&ok);
    return ok ? value : def;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QStringList before = lines_;
    const QString line = key + u'=' + value;
    const Location loc = locate(section, key);
    if (loc.keyLine >= 0) {
        lines_[loc.keyLine] = line;
    } else if (loc.sectionLine >= 0) {
        lines_.insert(loc.endLine, line);
    } else {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty())
            lines_.append(QString());
        lines_.append(u'[' + section + u']');
        lines_.append(line);
    }
    if (save())
        return true;
    lines_ = before;
    return false;
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value) {
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
