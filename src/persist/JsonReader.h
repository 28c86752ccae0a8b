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

    bool Has(const char* key) const { return object_.contains(QLatin1String(key)); }
    int32_t Int(const char* key);
    double Real(const char* key);
    bool Bool(const char* key);
    std::string Bytes(const char* key);
    QJsonObject Object(const char* key);
    QJsonArray Array(const char* key);
    // The place of a field or array element below this object.
    QString PlaceOf(const char* key) const;
    QString PlaceOf(const char* key, qsizetype index) const;

    // Raises TolvError when the object has a field that was not read.
    void Finish() const;

    [[noreturn]] static void Fail(const QString& place, const QString& problem);
    static int32_t ToInt(const QJsonValue& value, const QString& place);
    static QJsonObject ToObject(const QJsonValue& value, const QString& place);

private:
    QJsonValue take(const char* key);

    QJsonObject object_;
    QString place_;
    QSet<QString> read_;
};

// The JSON text of a byte string, and back (refusing characters above U+00FF).
QString BytesToJson(const std::string& bytes);
std::string JsonToBytes(const QString& text, const QString& place);
