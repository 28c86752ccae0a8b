#include "platform/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

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

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

bool isUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

IniFile::TextFormat IniFile::TextFormat::of(const QByteArray& bytes) {
    TextFormat format;
    format.byteOrderMark = bytes.startsWith(kByteOrderMark);
    const QByteArrayView body = QByteArrayView(bytes).sliced(format.byteOrderMark ? 3 : 0);
    format.encoding = isUtf8(body) ? Encoding::Utf8 : Encoding::Windows1252;
    const qsizetype firstBreak = body.indexOf('\n');
    format.crlf = firstBreak > 0 && body[firstBreak - 1] == '\r';
    format.finalNewline = body.isEmpty() || body.endsWith('\n');
    return format;
}

QStringList IniFile::TextFormat::decode(const QByteArray& bytes) const {
    const QByteArrayView body = QByteArrayView(bytes).sliced(byteOrderMark ? 3 : 0);
    // A second byte-order mark is text (fromUtf8 would drop it).
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const QString text = encoding == Encoding::Utf8
                             ? QString(utf8(body))
                             : Windows1252::decode({body.data(), size_t(body.size())});
    // Carriage returns stay in the lines (the readers trim them), so a line
    // ended by "\r\n", by "\n" alone or by several '\r' is written back as
    // it came, also in a file that mixes them.
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // after the final line break, or an empty file
    return lines;
}

QByteArray IniFile::TextFormat::encode(const QStringList& lines) const {
    QString text = lines.join(u'\n');
    if (finalNewline && !lines.isEmpty())
        text += u'\n';
    QByteArray bytes = byteOrderMark ? kByteOrderMark : QByteArray();
    if (encoding == Encoding::Windows1252 && Windows1252::firstUnencodable(text).isEmpty()) {
        const std::string encoded = Windows1252::encode(text);
        bytes.append(encoded.data(), qsizetype(encoded.size()));
    } else {
        bytes += text.toUtf8();
    }
    return bytes;
}

IniFile::IniFile(QString path) : path_(std::move(path)) {
    load();
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    ini.inMemory_ = true;
    ini.setText(bytes);
    return ini;
}

QByteArray IniFile::bytes() const {
    return format_.encode(lines_);
}

bool IniFile::exists() const {
    return QFileInfo::exists(path_);
}

void IniFile::load() {
    lines_.clear();
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return;
    setText(f.readAll());
}

void IniFile::setText(const QByteArray& bytes) {
    format_ = TextFormat::of(bytes);
    lines_ = format_.decode(bytes);
}

bool IniFile::save() const {
    return inMemory_ || AtomicFile::write(path_, bytes());
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

void IniFile::set(const QString& section, const QString& key, const QString& value) {
    // New lines end like the file's; a replaced line keeps its own ending.
    const QString eol = format_.crlf ? QStringLiteral("\r") : QString();
    const Location loc = locate(section, key);
    if (loc.keyLine >= 0) {
        const QString& old = lines_[loc.keyLine];
        qsizetype end = old.size();
        while (end > 0 && old.at(end - 1) == u'\r')
            --end;
        lines_[loc.keyLine] = key + u'=' + value + old.mid(end);
    } else if (loc.sectionLine >= 0) {
        lines_.insert(loc.endLine, key + u'=' + value + eol);
    } else {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty())
            lines_.append(eol);
        lines_.append(u'[' + section + u']' + eol);
        lines_.append(key + u'=' + value + eol);
    }
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    return writeStrings({{section, key, value}});
}

bool IniFile::writeStrings(const QList<Entry>& entries) {
    const QStringList before = lines_;
    for (const Entry& e : entries)
        set(e.section, e.key, e.value);
    if (save())
        return true;
    lines_ = before;
    return false;
}

QStringList IniFile::sectionNames() const {
    QStringList names;
    for (const QString& line : lines_) {
        QString name;
        if (parseSectionLine(line, name) && !names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    }
    return names;
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value) {
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
