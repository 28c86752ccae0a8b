#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>

#include <cstdint>
#include <string>

// Reads the fields of one JSON object of an image description, strictly:
// a missing field, a value of the wrong type or out of range, and a field
// nobody asked for (a misspelt name) each raise TolvError naming the field's
// place, such as Items[2].Rotation.
//
// Byte strings of the image file appear in JSON as text whose characters are
// the Latin-1 characters of the bytes (U+0000 to U+00FF).
class JsonReader {
public:
    JsonReader(QJsonObject object, QString place);

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }
    int32_t integer(const char* key);
    double real(const char* key);
    bool flag(const char* key);
    std::string Bytes(const char* key);
    QJsonObject object(const char* key);
    QJsonArray array(const char* key);
    // The place of a field or array element below this object.
    QString placeOf(const char* key) const;
    QString placeOf(const char* key, qsizetype index) const;

    // Raises TolvError when the object has a field that was not read.
    void finish() const;

    [[noreturn]] static void fail(const QString& place, const QString& problem);
    static int32_t toInt(const QJsonValue& value, const QString& place);
    static QJsonObject toObject(const QJsonValue& value, const QString& place);

private:
    QJsonValue take(const char* key);

    QJsonObject object_;
    QString place_;
    QSet<QString> read_;
};

// The JSON text of a byte string, and back (refusing characters above U+00FF).
QString bytesToJson(const std::string& bytes);
std::string jsonToBytes(const QString& text, const QString& place);
