#include "FontMapBuilder.h"

#include "persist/BinaryFile.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"

#include <QFile>
#include <QStringList>

#include <climits>
#include <cstdio>

namespace {

constexpr int FieldCount = 7;
constexpr int MaxPointSize = 1000;
// Only the low byte reaches the handheld; a larger code would be cut silently.
constexpr int MaxDownloadCode = 255;
const std::string FontMapHeader = "Tolvane font map";

[[noreturn]] void fail(int line, const QString& reason) {
    throw TolvError(QStringLiteral("line %1: %2").arg(line).arg(reason).toStdString());
}

int wholeNumber(const QString& field, int low, int high, const QString& what, int line) {
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok || value < low || value > high)
        fail(line, QStringLiteral("%1 must be a whole number from %2 to %3, not \"%4\"")
                       .arg(what)
                       .arg(low)
                       .arg(high)
                       .arg(field));
    return value;
}

int modelCode(const QString& field, int line) {
    bool ok = false;
    const int code = field.toInt(&ok);
    if (!ok || (code != 1 && code != 2 && code != 4))
        fail(line, QStringLiteral("model code must be 1, 2 or 4, not \"%1\"").arg(field));
    return code;
}

// Names are stored as single bytes; a character without one is refused rather
// than changed behind the author's back.
std::string latin1Text(const QString& field, const QString& what, int line) {
    if (field.isEmpty())
        fail(line, QStringLiteral("%1 is empty").arg(what));
    for (const QChar c : field)
        if (c.unicode() > 0xFF)
            fail(line,
                 QStringLiteral("%1 \"%2\" has a character outside Latin-1").arg(what, field));
    return field.toLatin1().toStdString();
}

std::unique_ptr<PrinterFont> parseLine(const QString& text, int line) {
    QStringList fields = text.split(u'|');
    if (fields.size() != FieldCount)
        fail(line, QStringLiteral("%1 fields where 7 were expected: model code | font number | "
                                  "name | face | point size | bold | download code")
                       .arg(fields.size()));
    for (QString& field : fields)
        field = field.trimmed();
    auto font = std::make_unique<PrinterFont>();
    font->ModelCode = modelCode(fields[0], line);
    font->FontNumber = wholeNumber(fields[1], 0, INT_MAX, QStringLiteral("font number"), line);
    font->Name = latin1Text(fields[2], QStringLiteral("name"), line);
    font->FaceName = latin1Text(fields[3], QStringLiteral("face"), line);
    font->PointSize = wholeNumber(fields[4], 1, MaxPointSize, QStringLiteral("point size"), line);
    font->Bold = wholeNumber(fields[5], 0, 1, QStringLiteral("bold flag"), line) == 1;
    font->DownloadCode =
        wholeNumber(fields[6], 0, MaxDownloadCode, QStringLiteral("download code"), line);
    return font;
}

// A second font with the same number, or the same name and size, could never
// be chosen: lookups and the font boxes always find the first.
void checkUnique(const FontTable& fonts, const std::vector<int>& lines, const PrinterFont& font,
                 int line) {
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        const PrinterFont& other = *fonts[i];
        if (other.ModelCode != font.ModelCode)
            continue;
        if (other.FontNumber == font.FontNumber)
            fail(line, QStringLiteral("font number %1 of model %2 is already on line %3")
                           .arg(font.FontNumber)
                           .arg(font.ModelCode)
                           .arg(lines[i]));
        if (other.Name == font.Name && other.PointSize == font.PointSize)
            fail(line, QStringLiteral("\"%1\" size %2 of model %3 is already on line %4")
                           .arg(QString::fromLatin1(font.Name))
                           .arg(font.PointSize)
                           .arg(font.ModelCode)
                           .arg(lines[i]));
    }
}

} // namespace

FontTable parseFontTable(const QByteArray& text) {
    FontTable fonts;
    std::vector<int> lines;
    const QStringList rows = QString::fromUtf8(text).split(u'\n');
    for (int i = 0; i < rows.size(); ++i) {
        const QString row = rows[i].section(u'#', 0, 0).trimmed();
        if (row.isEmpty())
            continue;
        auto font = parseLine(row, i + 1);
        checkUnique(fonts, lines, *font, i + 1);
        fonts.push_back(std::move(font));
        lines.push_back(i + 1);
    }
    if (fonts.empty())
        throw TolvError("the table lists no fonts");
    return fonts;
}

void writeFontMap(const QString& path, const FontTable& fonts, const ClassRegistry& registry) {
    const QString partial = path + QStringLiteral(".part");
    try {
        BinaryFile s(partial, FileStream::Create);
        writeString(s, FontMapHeader);
        writeLong(s, int32_t(fonts.size()));
        for (const auto& font : fonts)
            font->store(s, registry);
        s.flush();
    } catch (const TolvError&) {
        QFile::remove(partial);
        throw;
    }
    // rename() replaces an existing map in one step.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(path).constData())) {
        QFile::remove(partial);
        throw TolvError("Cannot write \"" + path.toStdString() + "\"");
    }
}
