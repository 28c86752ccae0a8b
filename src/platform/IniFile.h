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
// A file that is valid UTF-8 is read as UTF-8, any other as Windows-1252 (the
// files other tools write); a rewrite keeps the encoding, byte-order mark and
// line endings it was read with, so that a file written back unchanged stays
// byte for byte the same.
class IniFile {
public:
    // The byte layout of a file's text.
    struct TextFormat {
        enum class Encoding { Utf8, Windows1252 };
        Encoding encoding = Encoding::Utf8;
        bool byteOrderMark = false;
        bool crlf = false;
        bool finalNewline = true;

        static TextFormat of(const QByteArray& bytes);
        QStringList decode(const QByteArray& bytes) const;
        // Windows-1252 text that gains a character without a byte in that
        // code page is written as UTF-8 instead, so nothing becomes '?'.
        QByteArray encode(const QStringList& lines) const;
    };

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
    QStringList sectionNames() const;
    QStringList sectionKeys(const QString& section) const;

    // Each returns false (and leaves the file as it was) when it cannot be saved.
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInteger(const QString& section, const QString& key, int value);
    bool writeBool(const QString& section, const QString& key, bool value);

    // Writes several keys with a single save: each (section, key, value) in
    // order. False, and the file as it was, when it cannot be saved.
    struct Entry {
        QString section, key, value;
    };
    bool writeStrings(const QList<Entry>& entries);

    const TextFormat& format() const { return format_; }

private:
    struct Location {
        qsizetype sectionLine = -1; // index of the "[section]" line, -1 when absent
        qsizetype keyLine = -1;     // index of the key's line, -1 when absent
        qsizetype endLine = -1;     // one past the section's last key line
    };

    IniFile() = default;
    void load();
    void setText(const QByteArray& bytes);
    bool save() const;
    void set(const QString& section, const QString& key, const QString& value);
    Location locate(const QString& section, const QString& key) const;

    QString path_;
    QStringList lines_;
    TextFormat format_;
    bool inMemory_ = false;
};
