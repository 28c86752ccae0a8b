#include "persist/JsonReader.h"

#include "platform/TolvError.h"

#include <cmath>
#include <limits>

JsonReader::JsonReader(QJsonObject object, QString place)
    : object_(std::move(object)), place_(std::move(place)) {}

void JsonReader::fail(const QString& place, const QString& problem) {
    throw TolvError((place + QStringLiteral(": ") + problem).toStdString());
}

QString JsonReader::placeOf(const char* key) const {
    const QString name = QLatin1String(key);
    return place_.isEmpty() ? name : place_ + u'.' + name;
}

QString JsonReader::placeOf(const char* key, qsizetype index) const {
    return placeOf(key) + QStringLiteral("[%1]").arg(index);
}

QJsonValue JsonReader::take(const char* key) {
    const QString name = QLatin1String(key);
    if (!object_.contains(name))
        fail(placeOf(key), QStringLiteral("missing"));
    read_.insert(name);
    return object_.value(name);
}

int32_t JsonReader::toInt(const QJsonValue& value, const QString& place) {
    const double d = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || d != std::trunc(d) || d < std::numeric_limits<int32_t>::min() ||
        d > std::numeric_limits<int32_t>::max())
        fail(place, QStringLiteral("expected a whole number of 32 bits"));
    return int32_t(d);
}

QJsonObject JsonReader::toObject(const QJsonValue& value, const QString& place) {
    if (!value.isObject())
        fail(place, QStringLiteral("expected an object"));
    return value.toObject();
}

int32_t JsonReader::integer(const char* key) {
    return toInt(take(key), placeOf(key));
}

double JsonReader::real(const char* key) {
    const QJsonValue value = take(key);
    if (!value.isDouble())
        fail(placeOf(key), QStringLiteral("expected a number"));
    return value.toDouble();
}

bool JsonReader::flag(const char* key) {
    const QJsonValue value = take(key);
    if (!value.isBool())
        fail(placeOf(key), QStringLiteral("expected true or false"));
    return value.toBool();
}

std::string JsonReader::Bytes(const char* key) {
    const QJsonValue value = take(key);
    if (!value.isString())
        fail(placeOf(key), QStringLiteral("expected a text"));
    return jsonToBytes(value.toString(), placeOf(key));
}

QJsonObject JsonReader::object(const char* key) {
    return toObject(take(key), placeOf(key));
}

QJsonArray JsonReader::array(const char* key) {
    const QJsonValue value = take(key);
    if (!value.isArray())
        fail(placeOf(key), QStringLiteral("expected an array"));
    return value.toArray();
}

void JsonReader::finish() const {
    for (auto it = object_.begin(); it != object_.end(); ++it)
        if (!read_.contains(it.key()))
            fail(place_.isEmpty() ? it.key() : place_ + u'.' + it.key(),
                 QStringLiteral("unknown field"));
}

QString bytesToJson(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

std::string jsonToBytes(const QString& text, const QString& place) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            JsonReader::fail(
                place,
                QStringLiteral("the character U+%1 has no Latin-1 byte")
                    .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0')));
    const QByteArray bytes = text.toLatin1();
    return {bytes.constData(), size_t(bytes.size())};
}
