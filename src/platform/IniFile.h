#pragma once

#include <QString>
#include <QStringList>

// An initialisation file (sections in square brackets, key=value lines) with
// the semantics of the classic profile API: section and key names compare
// case-insensitively, values are the text after '=' with surrounding blanks
// trimmed (commas, quotes and '%' kept as they are), and a write updates the
// key in place or appends it to its section, creating the section at the end.
// Everything else in the file is preserved. Each write is saved at once,
// atomically; a missing file reads as empty and is created by the first write.
// The file is UTF-8.
class IniFile {
public:
    explicit IniFile(QString path);
    // A file held in memory: it reads like one on disk, but writes only change
    // the lines (nothing is saved); bytes() gives what a save would write.
    static IniFile fromBytes(const QByteArray& bytes);
    QByteArray bytes() const;

    const QString& path() const { return path_; }
    bool exists() const;

    QString readString(const QString& section, const QString& key, const QString& def) const;
    // Decimal (or 0x-prefixed hexadecimal) integer; anything else gives def.
    int readInteger(const QString& section, const QString& key, int def) const;
    bool readBool(const QString& section, const QString& key, bool def) const;
    // A real in C-locale notation; anything else gives def.
    double readFloat(const QString& section, const QString& key, double def) const;
    bool hasKey(const QString& section, const QString& key) const;
    QStringList sectionKeys(const QString& section) const;

    // Each returns false (and leaves the file as it was) when it cannot be saved.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);

private:
    struct Location {
        qsizetype sectionLine = -1; // index of the "[section]" line, -1 when absent
        qsizetype keyLine = -1;     // index of the key's line, -1 when absent
        qsizetype endLine = -1;     // one past the section's last key line
    };

    IniFile() = default;
    void load();
    void parse(const QByteArray& bytes);
    bool save() const;
    Location locate(const QString& section, const QString& key) const;

    QString path_;
    QStringList lines_;
    bool inMemory_ = false;
};
