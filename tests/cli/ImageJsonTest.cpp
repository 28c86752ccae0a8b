#include "cli/ImageJson.h"
#include "ImageBytes.h"
#include "cli/ItemJson.h"
#include "items/TextItems.h"
#include "platform/TolvError.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

ImageFileContents richImage() {
    ImageFileContents c;
    ImageFileHeader& h = c.Header;
    h.LongName = "Caf\xE9 \"quoted\" \\ \x01";
    h.ShortName = "\xFF\x80";
    h.TypeCode = 4;
    h.Area = {0, 0, 4100, 356};
    h.MonthLanguageName = "Fran\xE7"
                          "ais";
    h.MonthStrings = "janv f\xE9vr";
    h.Shifts.Add(1, 1.0 / 3.0, "A");
    h.Shifts.Add(1, 14.0 / 24.0, "\xC4");
    auto item = std::make_unique<TextItem>();
    item->FontNumber = 3;
    item->SetPosition({60, 75});
    item->SetWidth(120);
    item->SetHeight(-1);
    item->Rotation = 1;
    item->Justification = 2;
    item->Text = "Lot \xB5";
    item->OperatorRequest = true;
    item->Prompt = "Lot?";
    item->MaxChars = 300;
    c.Items = std::make_unique<ImagePList>();
    c.Items->Append(std::move(item));
    return c;
}

QJsonObject toJson(const ImageFileContents& c) {
    return ImageJson::ToJson(c, ItemJsonConverters::Standard(), imageFileRegistry());
}

ImageFileContents fromJson(const QJsonObject& json) {
    return ImageJson::FromJson(json, ItemJsonConverters::Standard(), imageFileRegistry());
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
    EXPECT_EQ(json["ShortName"].toString(), QString::fromUtf8("ÿ\u0080"));
    EXPECT_EQ(json["TypeCode"].toInt(), 4);
    EXPECT_FALSE(json.contains("ExtraTypeInts"));
    EXPECT_EQ(json["Area"]["Right"].toInt(), 4100);
    const QJsonArray shifts = json["Shifts"].toArray();
    ASSERT_EQ(shifts.size(), 25);
    EXPECT_EQ(shifts[1]["Start"].toDouble(), 14.0 / 24.0);
    EXPECT_EQ(shifts[1]["Code"].toString(), QString::fromUtf8("Ä"));
    EXPECT_EQ(shifts[24]["Day"].toInt(), 7);
    const QJsonObject item = json["Items"][0].toObject();
    EXPECT_EQ(item["Class"].toString(), "TextItem");
    EXPECT_EQ(item["X"].toInt(), 10); // as stored, without the margin
    EXPECT_EQ(item["Y"].toInt(), 25);
    EXPECT_EQ(item["Height"].toInt(), -1);
    EXPECT_EQ(item["Text"].toString(), QString::fromUtf8("Lot µ"));
    EXPECT_EQ(item["OperatorRequest"].toBool(), true);
    EXPECT_EQ(item["MaxChars"].toInt(), 300);
}

TEST(ImageJson, ASmallDescriptionTakesTheDefaults) {
    const ImageFileContents c =
        fromJson(QJsonDocument::fromJson(R"({"TypeCode": 1, "Area": {"Left": 0, "Top": 0,
                 "Right": 484, "Bottom": 2100}})")
                     .object());
    EXPECT_EQ(c.Header.Version, ImageFileVersion::V3_1X000);
    EXPECT_TRUE(c.Header.Shifts.IsEmpty());
    EXPECT_EQ(c.Items->Count(), 0);
    EXPECT_TRUE(c.Header.LongName.empty());
}

TEST(ImageJson, BadDescriptionsNameTheField) {
    const QJsonObject good = toJson(richImage());
    const struct {
        QList<QVariant> path;
        QJsonValue value;
        const char* message;
    } cases[] = {
        {{"Colour"}, "red", "Colour: unknown field"},
        {{"Items", 0, "Rotaton"}, 1, "Items[0].Rotaton: unknown field"},
        {{"Items", 0, "Rotation"}, 4, "Items[0]: Invalid rotation 4 in item record"},
        {{"Items", 0, "X"}, 2.5, "Items[0].X: expected a whole number"},
        {{"Items", 0, "Text"},
         QString::fromUtf8("5 €"),
         "Items[0].Text: the character U+20AC has no Latin-1 byte"},
        {{"Items", 0, "Class"},
         "BarcodeItem",
         "Items[0]: no JSON form for items of class BarcodeItem"},
        {{"Items", 0, "OperatorRequest"}, 1, "Items[0].OperatorRequest: expected true or false"},
        {{"Shifts", 3, "Day"}, 8, "Shifts[3].Day: expected 0 to 7"},
        {{"TypeCode"}, 3e10, "TypeCode: expected a whole number"},
        {{"Area"}, QJsonValue(), "Area: expected an object"},
        {{"version"}, "nebra V9.9X999", "version: not a known file version"},
    };
    for (const auto& c : cases) {
        QJsonObject json = good;
        QJsonValueRef first = json[c.path.front().toString()];
        setAt(first, c.path.mid(1), c.value);
        EXPECT_THAT(fromJsonError(json), testing::StartsWith(c.message));
    }
    QJsonObject noArea = good;
    noArea.remove("Area");
    EXPECT_EQ(fromJsonError(noArea), "Area: missing");
}
