#include "cli/ImageJson.h"
#include "ImageBytes.h"
#include "items/ItemKinds.h"
#include "items/NumberItem.h"
#include "items/TextItem.h"
#include "persist/MemoryStream.h"
#include "platform/TolvError.h"
#include "texts/Messages.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

ImageFileContents richImage() {
    ImageFileContents c;
    ImageFileHeader& h = c.Header;
    h.LongName = "Caf\xE9 \"quoted\" \\ \x01";
    h.TypeCode = 4;
    h.Area = {0, 0, 4100, 356};
    h.Shifts.add(1, 1.0 / 3.0, "A");
    h.Shifts.add(1, 14.0 / 24.0, "\xC4");
    auto item = std::make_unique<TextItem>();
    item->FontNumber = 3;
    item->setPosition({60, 75});
    item->setHeight(-1);
    item->Rotation = 1;
    item->Text = "Lot \xB5";
    c.Items = std::make_unique<ItemList>();
    c.Items->append(std::move(item));
    return c;
}

QJsonObject toJson(const ImageFileContents& c) {
    return ImageJson::toJson(c, itemJsonConverters(), imageFileRegistry());
}

ImageFileContents fromJson(const QJsonObject& json) {
    return ImageJson::fromJson(json, itemJsonConverters(), imageFileRegistry());
}

std::string fromJsonError(const QJsonObject& json) {
    try {
        fromJson(json);
    } catch (const TolvError& e) {
        return e.what();
    }
    return "no error";
}

// Sets the value at a path of keys and array positions, e.g. {"Items", 0, "X"}.
void setAt(QJsonValueRef ref, QList<QVariant> path, const QJsonValue& value) {
    if (path.isEmpty()) {
        ref = value;
        return;
    }
    const QVariant step = path.takeFirst();
    if (step.typeId() == QMetaType::Int) {
        QJsonArray array = ref.toArray();
        setAt(array[step.toInt()], path, value);
        ref = array;
    } else {
        QJsonObject object = ref.toObject();
        setAt(object[step.toString()], path, value);
        ref = object;
    }
}

} // namespace

TEST(ImageJson, MirrorsTheFileFieldForField) {
    const QJsonObject json = toJson(richImage());
    EXPECT_EQ(json["version"].toString(), "nebra V3.1X000");
    EXPECT_EQ(json["LongName"].toString(), QString::fromUtf8("Café \"quoted\" \\ \x01"));
    EXPECT_FALSE(json.contains("ExtraTypeInts"));
    const QJsonArray shifts = json["Shifts"].toArray();
    ASSERT_EQ(shifts.size(), 25);
    EXPECT_EQ(shifts[1]["Code"].toString(), QString::fromUtf8("Ä"));
    EXPECT_EQ(shifts[24]["Day"].toInt(), 7);
    const QJsonObject item = json["Items"][0].toObject();
    EXPECT_EQ(item["Class"].toString(), "TextItem");
    EXPECT_EQ(item["X"].toInt(), 10); // as stored, without the margin
    EXPECT_EQ(item["Height"].toInt(), -1);
    EXPECT_EQ(item["Text"].toString(), QString::fromUtf8("Lot µ"));
}

TEST(ImageJson, BadDescriptionsNameTheField) {
    const QJsonObject good = toJson(richImage());
    const struct {
        QList<QVariant> path;
        QJsonValue value;
        const char* message;
    } cases[] = {
        {{"Colour"}, "red", "Colour: unknown field"},
        {{"Items", 0, "Rotation"}, 4, "Items[0]: Invalid rotation 4 in item record"},
        {{"Items", 0, "X"}, 2.5, "Items[0].X: expected a whole number"},
        {{"Items", 0, "Text"},
         QString::fromUtf8("5 €"),
         "Items[0].Text: the character U+20AC has no Latin-1 byte"},
        {{"Shifts", 3, "Day"}, 8, "Shifts[3].Day: expected 0 to 7"},
        {{"version"}, "nebra V9.9X999", "version: not a known file version"},
    };
    for (const auto& c : cases) {
        QJsonObject json = good;
        QJsonValueRef first = json[c.path.front().toString()];
        setAt(first, c.path.mid(1), c.value);
        EXPECT_THAT(fromJsonError(json), testing::StartsWith(c.message));
    }
}

// The JSON of a file holds every setting of a number item, but a file of a
// version whose number records are short is built back as it was.
TEST(ImageJson, AnOlderFileBuildsBackByteForByte) {
    ImageFileContents c = richImage();
    c.Header.Version = ImageFileVersion::V2_0X000;
    auto number = ImageItem::createNew<NumberItem>(2);
    number->setPosition({70, 80});
    number->Number = "41";
    c.Items->append(std::move(number));
    MemoryStream file;
    ImageFile::write(file, c.Header, *c.Items, imageFileRegistry());
    file.setPosition(0);
    const QJsonObject json = toJson(ImageFile::read(file, imageFileRegistry(), Messages()));
    EXPECT_EQ(json["Items"][1]["Restart"].toString(), "1000");
    const ImageFileContents built = fromJson(json);
    MemoryStream copy;
    ImageFile::write(copy, built.Header, *built.Items, imageFileRegistry());
    EXPECT_EQ(copy.bytes(), file.bytes());
}
