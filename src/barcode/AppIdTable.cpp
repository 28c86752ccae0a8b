#include "barcode/AppIdTable.h"

#include <QFile>
#include <QTextStream>

namespace {

// The fixed columns of a line (0-based start, width).
constexpr int AppIdStart = 0, AppIdWidth = 4;
constexpr int DescriptionStart = 9, DescriptionWidth = 40;
constexpr int FormatStart = 49, FormatWidth = 15;

QString column(const QString& line, int start, int width) {
    return line.mid(start, width).trimmed();
}

} // namespace

std::optional<AppIdEntry> appIdEntry(const QString& format) {
    if (format.isEmpty())
        return std::nullopt;
    AppIdEntry entry;
    entry.numeric = format.front() == u'n';
    const qsizetype dots = format.indexOf(QStringLiteral(".."));
    entry.fixedLength = dots < 0;
    // The type is a letter or two: "n", "an".
    qsizetype letters = 0;
    while (letters < format.size() && format[letters].isLetter())
        ++letters;
    const QString length = entry.fixedLength ? format.mid(letters) : format.mid(dots + 2);
    bool isNumber = false;
    entry.length = length.toInt(&isNumber);
    // Digits only: toInt takes signs and spaces the format never has.
    for (const QChar c : length)
        isNumber = isNumber && c.isDigit();
    if (!isNumber || entry.length < 1)
        return std::nullopt;
    const QChar first = entry.numeric ? u'0' : u'C';
    QChar further = entry.numeric ? u'9' : u'c';
    if (entry.fixedLength)
        further = first;
    entry.mask = u'!' + QString(first) + QString(entry.length - 1, further) + QStringLiteral(";1;");
    if (entry.fixedLength && entry.numeric)
        entry.mask += u'0';
    return entry;
}

QString appIdPrompt(const AppIdEntry& entry, const PromptWords& words) {
    QString prompt = words.enter + u' ';
    if (!entry.fixedLength)
        prompt += words.upTo + u' ';
    prompt +=
        QString::number(entry.length) + u' ' + (entry.numeric ? words.digit : words.character);
    if (entry.length > 1)
        prompt += words.plural;
    return prompt;
}

bool hasPredefinedLength(const QString& appId) {
    bool isNumber = false;
    const int prefix = appId.left(2).toInt(&isNumber);
    if (!isNumber || appId.size() < 2)
        return false;
    return prefix <= 4 || (prefix >= 11 && prefix <= 20) || (prefix >= 31 && prefix <= 36) ||
           prefix == 41;
}

QString qtInputMask(const QString& mask) {
    QString positions = mask.section(u';', 0, 0);
    if (positions.startsWith(u'!'))
        positions.remove(0, 1);
    QString qt;
    // Qt reads "9" as a required digit and "0" as an optional one, the
    // other way round from the table.
    for (const QChar c : positions) {
        if (c == u'0')
            qt += u'9';
        else if (c == u'9')
            qt += u'0';
        else if (c == u'C')
            qt += u'X';
        else if (c == u'c')
            qt += u'x';
        else
            qt += c;
    }
    return qt + QStringLiteral(";_");
}

std::optional<DecimalElement> decimalElement(const QString& appId, const AppIdEntry& entry,
                                             const QString& typed) {
    const QString text = typed.trimmed();
    const qsizetype point = text.indexOf(u'.');
    if (text.count(u'.') > 1 || appId.count(u'x') != 1)
        return std::nullopt;
    QString digits = text;
    digits.remove(u'.');
    for (const QChar c : digits)
        if (!c.isDigit())
            return std::nullopt;
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    if (digits.isEmpty() || digits.size() > entry.length || decimals > 9)
        return std::nullopt;
    DecimalElement element;
    element.appId = appId;
    element.appId.replace(u'x', QChar(u'0' + int(decimals)));
    element.value = entry.fixedLength ? digits.rightJustified(entry.length, u'0') : digits;
    return element;
}

bool AppIdTable::load(const QString& path) {
    rows_.clear();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    parse(QString::fromLatin1(file.readAll()));
    return true;
}

void AppIdTable::parse(const QString& text) {
    rows_.clear();
    QString all = text;
    QTextStream lines(&all, QIODevice::ReadOnly);
    QString line;
    while (lines.readLineInto(&line))
        rows_.push_back({column(line, AppIdStart, AppIdWidth),
                         column(line, DescriptionStart, DescriptionWidth),
                         column(line, FormatStart, FormatWidth)});
}
