#pragma once

#include <QString>
#include <QStringList>

class IniFile;

// The image files opened or saved last, newest first, as the File menu
// offers them again. The settings file keeps them under key "RecentFiles" of
// the main window's section, written at exit with the window's other
// settings: the paths one after the other, each ended by '|' within it
// written "%7C" and '%' written "%25".
class RecentFiles {
public:
    static inline const QString Key = QStringLiteral("RecentFiles");
    static constexpr int Limit = 8;

    const QStringList& paths() const { return paths_; }

    // Puts a file first, once, and lets the oldest beyond the limit go.
    void add(const QString& path);
    void remove(const QString& path);

    // Nothing is read from a null (absent) settings file.
    void read(const IniFile* settings);
    void write(IniFile& settings) const;

    static QString encode(const QStringList& paths);
    static QStringList decode(const QString& value);

private:
    QStringList paths_;
};
