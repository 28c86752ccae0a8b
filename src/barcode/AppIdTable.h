#pragma once

#include <QString>

#include <optional>
#include <vector>

// How a GS1 application identifier's value is entered, from the format
// column of the identifier table ("n2", "n..20", "an..20", ...).
struct AppIdEntry {
    // The entry mask in the table's own syntax: "!" (trim), one position a
    // character ("0" required digit, "9" optional digit, "C" required
    // character, "c" optional character), ";1;" and, for fixed-length
    // numbers, "0" (the blank shown). Empty when the format has no length.
    QString mask;
    bool fixedLength = false;
    bool numeric = false;
    int length = 0; // the exact or the greatest length
};

// The words a prompt is built from, in the language; the prompt puts a
// space between them ("Enter up to 20 characters").
struct PromptWords {
    QString enter = QStringLiteral("Enter");
    QString upTo = QStringLiteral("up to");
    QString digit = QStringLiteral("digit");
    QString plural = QStringLiteral("s");
    QString character = QStringLiteral("character");
};

// The entry of a format: its type (letters, "n" numeric, any other
// alphanumeric), then the length or ".." and the greatest length. Nullopt
// when the length is no number.
std::optional<AppIdEntry> appIdEntry(const QString& format);
// The prompt of an entry: enter, then up to for variable lengths, the
// length, digit or character, with plural when the length is above one.
QString appIdPrompt(const AppIdEntry& entry, const PromptWords& words);
// The table's mask in the syntax of QLineEdit::setInputMask: a required
// digit "9", an optional digit "0" (the other way round from the table), a
// required character "X", an optional character "x", and "_" for the places
// not yet typed. The "!" (trim) and
// the ";1;" (keep the literals) need nothing in Qt, and the table's blank
// ("0" for fixed-length numbers) is not carried over: Qt would take every
// typed "0" for a blank and drop it from the value.
QString qtInputMask(const QString& mask);

// An identifier with an "x" in it (310x: net weight in kg with x decimals)
// is entered as a number with a decimal point: the number of digits after
// the point fills in the "x", the digits without the point are the value,
// padded with zeros in front to the length of a fixed-length format. For
// 310x (n6): "12.345" gives 3103 and 012345, "500" gives 3100 and 000500.
struct DecimalElement {
    QString appId;
    QString value;
};
// Nullopt for a text that is not digits with at most one point, or has more
// digits than the format allows (or none).
std::optional<DecimalElement> decimalElement(const QString& appId, const AppIdEntry& entry,
                                             const QString& typed);
// Whether an identifier's value has a length every reader knows from the
// identifier's first two digits (00-04, 11-20, 31-36, 41), so that no
// function-1 character need end it. Other fixed-length values end with one
// as variable-length values do.
bool hasPredefinedLength(const QString& appId);

// The table of application identifiers, read from "appidtab.def": one
// identifier a line in fixed columns, 1-4 the identifier, 10-49 the
// description, 50-64 the format, each trimmed.
class AppIdTable {
public:
    static inline const QString FileName = QStringLiteral("appidtab.def");

    struct Row {
        QString appId;
        QString description;
        QString format;
        bool operator==(const Row&) const = default;
    };

    // Reads the file at path; false, with the table empty, when it cannot
    // be opened.
    bool load(const QString& path);
    // The text of the file, line by line.
    void parse(const QString& text);

    const std::vector<Row>& rows() const { return rows_; }

private:
    std::vector<Row> rows_;
};
