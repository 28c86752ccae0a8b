// Settings and language files: reading never fails, a file written back
// without a change keeps its bytes (whatever its encoding and line ends), and
// a value written reads back.
#include "FuzzCheck.h"

#include "platform/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    IniFile ini = IniFile::fromBytes(input);
    const QByteArray written = ini.bytes();
    FUZZ_CHECK(written == input, "a file written back unchanged changed its bytes");

    // The first keys of the sections named in the file read (each lookup
    // scans the file, so all of them would make a run quadratic), and a
    // value written to the first section reads back as written.
    QStringList sections;
    for (const QByteArray& line : input.split('\n')) {
        const QByteArray t = line.trimmed();
        if (t.size() >= 2 && t.startsWith('[') && t.endsWith(']'))
            sections.append(QString::fromUtf8(t.mid(1, t.size() - 2)).trimmed());
        if (sections.size() > 8)
            break;
    }
    for (const QString& section : sections)
        for (const QString& key : ini.sectionKeys(section).mid(0, 16)) {
            ini.readInteger(section, key, 0);
            ini.readFloat(section, key, 0.0);
            FUZZ_CHECK(ini.hasKey(section, key), "a listed key is not found");
        }
    const QString section = sections.isEmpty() ? QStringLiteral("Fuzz") : sections.front();
    if (section.contains(u']') || section.contains(u'\n') || section.contains(u'\r'))
        return 0;
    const QString value = QStringLiteral("a, \"b\" %c");
    ini.writeString(section, QStringLiteral("FuzzKey"), value);
    FUZZ_CHECK(ini.readString(section, QStringLiteral("FuzzKey"), QString()) == value,
               "a value written does not read back");
    return 0;
}
