#pragma once

#include "document/ImageFile.h"

#include <QJsonObject>

class ClassRegistry;
class ItemJsonConverters;

// An image file as JSON, field for field: "version", "LongName",
// "ShortName", "TypeCode" (absent in V1.0X008 files), "ExtraTypeInts" (when
// the file has them), "Area", "MonthLanguageName", "MonthStrings", the 25
// "Shifts" and the "Items", each with its "Class" and the class's fields.
// Turning a file into JSON and back writes the same bytes again.
namespace ImageJson {

QJsonObject toJson(const ImageFileContents& contents, const ItemJsonConverters& converters,
                   const ClassRegistry& registry);

// Raises TolvError naming the offending field. "version" defaults to the
// current one; names, month strings, shifts (missing slots are empty) and
// items may be left out.
ImageFileContents fromJson(const QJsonObject& json, const ItemJsonConverters& converters,
                           const ClassRegistry& registry);

} // namespace ImageJson
