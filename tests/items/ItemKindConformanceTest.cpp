// What every item kind of the kind list must do, checked for each kind from
// its entry: a new kind is checked here without a line of its own.
#include "DialogHarness.h"
#include "EditorTestSupport.h"
#include "ImageBytes.h"
#include "document/ItemTypeNames.h"
#include "editor/PlaceItemState.h"
#include "items/ItemKinds.h"
#include "items/ui/ItemDialogKinds.h"
#include "items/ui/ItemPropertiesDialog.h"
#include "persist/DownloadBuffer.h"
#include "persist/JsonReader.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "platform/IniFile.h"
#include "platform/TolvError.h"

#include <QFile>

#include <gtest/gtest.h>

#include <typeinfo>

// The icons live in a static library.
static void loadIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace {

using Bytes = std::vector<uint8_t>;

Bytes stored(const PersistentObject& object) {
    MemoryStream s;
    object.store(s, imageFileRegistry());
    return s.bytes();
}

// The JSON form of a stored item record.
QJsonObject jsonOf(const ItemKind& kind, const Bytes& record) {
    MemoryStream s(record);
    EXPECT_EQ(readString(s), kind.recordName);
    QJsonObject json;
    kind.json.toJson(s, json);
    EXPECT_EQ(s.position(), s.size()) << "the JSON form leaves bytes of the record out";
    return json;
}

std::string kindName(const ::testing::TestParamInfo<const ItemKind*>& info) {
    return info.param->recordName;
}

class ItemKindConformance : public ::testing::TestWithParam<const ItemKind*> {
protected:
    const ItemKind& kind = *GetParam();
    const std::unique_ptr<ImageItem> sample = kind.makeSample();
    const Bytes record = stored(*sample);
};

TEST_P(ItemKindConformance, EntryMatchesItsClass) {
    const std::unique_ptr<ImageItem> blank = kind.makeBlank();
    EXPECT_EQ(typeid(*blank), typeid(*sample));
    EXPECT_STREQ(blank->className(), kind.recordName);
    EXPECT_EQ(blank->getTypeCode(), kind.typeCode);
    EXPECT_EQ(ImageItem::TypeCodes[size_t(ImageItem::typeIndexOf(kind.typeCode))], kind.typeCode);
    EXPECT_EQ(findItemKind(kind.typeCode), &kind);
    // The image counts its graphics by their type code.
    EXPECT_EQ(kind.limitClass == ItemLimitClass::Graphics,
              kind.typeCode == ImageItem::GraphicTypeCode);
    EXPECT_EQ(imageFileRegistry().registeredName(*blank), kind.recordName);
    const std::unique_ptr<ImageItem> created = blank->create(SansFont);
    EXPECT_EQ(typeid(*created), typeid(*blank));
}

TEST_P(ItemKindConformance, HasACaptionAnIconAndCommandKeys) {
    loadIcons();
    EXPECT_FALSE(kind.caption(ItemTypeNames()).isEmpty());
    EXPECT_EQ(kind.caption(ItemTypeNames()), sample->getKindName(ItemTypeNames()));
    EXPECT_TRUE(QFile::exists(kind.iconPath())) << kind.iconPath().toStdString();
    for (const char* key : {kind.actionKey, kind.hintKey, kind.listButtonName})
        EXPECT_NE(std::string(key), "");
}

// The sample moves every stored field away from a blank item's value, so
// that the checks below see each field.
TEST_P(ItemKindConformance, SampleSetsEveryStoredField) {
    const QJsonObject blank = jsonOf(kind, stored(*kind.makeBlank()));
    const QJsonObject full = jsonOf(kind, record);
    ASSERT_EQ(blank.keys(), full.keys());
    for (const QString& field : full.keys())
        EXPECT_NE(blank[field], full[field]) << field.toStdString();
}

TEST_P(ItemKindConformance, StoreThenLoadGivesAnEqualItem) {
    MemoryStream s(record);
    const std::unique_ptr<PersistentObject> loaded = imageFileRegistry().loadRecord(s);
    EXPECT_EQ(s.position(), s.size());
    EXPECT_TRUE(loaded->isEqual(*sample));
    EXPECT_EQ(stored(*loaded), record);
    // A loaded item is measured as a new one of its kind is.
    EXPECT_EQ(static_cast<const ImageItem&>(*loaded).FontBased,
              kind.makeBlank()->create(SansFont)->FontBased);
}

TEST_P(ItemKindConformance, CloneAndAssignmentKeepEveryStoredByte) {
    EXPECT_EQ(stored(*sample->cloneItem()), record);
    const std::unique_ptr<ImageItem> assigned = kind.makeBlank();
    assigned->assign(*sample);
    EXPECT_EQ(stored(*assigned), record);
}

// The undo history keeps copies: a copy changed after it was made leaves
// the original as it was, and assigning it back makes the two equal.
TEST_P(ItemKindConformance, ACopyChangedLaterLeavesTheOriginal) {
    const std::unique_ptr<ImageItem> copy = sample->cloneItem();
    EXPECT_TRUE(copy->isEqual(*sample));
    copy->setRotation(uint8_t((sample->Rotation + 2) & 3));
    copy->setPosition(sample->getPosition() + QPoint(7, 3));
    EXPECT_FALSE(copy->isEqual(*sample));
    EXPECT_EQ(stored(*sample), record);
    const std::unique_ptr<ImageItem> assigned = sample->cloneItem();
    assigned->assign(*copy);
    EXPECT_TRUE(assigned->isEqual(*copy));
    EXPECT_EQ(stored(*assigned), stored(*copy));
}

TEST_P(ItemKindConformance, JsonRoundTripsByteForByte) {
    JsonReader reader(jsonOf(kind, record), QStringLiteral("Items[0]"));
    MemoryStream built;
    writeString(built, kind.recordName);
    kind.json.fromJson(reader, built);
    reader.finish();
    EXPECT_EQ(built.bytes(), record);
    EXPECT_NE(itemJsonConverters().find(kind.recordName), nullptr);
}

TEST_P(ItemKindConformance, EveryTruncatedRecordIsRefusedWithAMessage) {
    for (size_t length = 0; length < record.size(); ++length) {
        MemoryStream s(Bytes(record.begin(), record.begin() + std::ptrdiff_t(length)));
        try {
            imageFileRegistry().loadRecord(s);
            ADD_FAILURE() << "a record cut after " << length << " bytes was read";
        } catch (const TolvError& e) {
            EXPECT_STRNE(e.what(), "") << length;
        }
    }
}

TEST_P(ItemKindConformance, CompilingAppendsAWholeRecordOrNothing) {
    RenderHarness h;
    for (int model = 0; model <= 2; ++model) {
        const Bytes whole = compiledRecord(*sample, h.fonts, model);
        ASSERT_FALSE(whole.empty()) << model;
        EXPECT_EQ(whole.front(), kind.typeCode);
        for (const size_t room : {size_t(0), whole.size() - 1, whole.size()}) {
            DownloadBuffer buffer;
            buffer.Size = IdlCapacity - int32_t(room);
            try {
                sample->compile(buffer, {h.fonts, model});
            } catch (const TolvError&) {
            }
            const bool fits = room >= whole.size();
            EXPECT_EQ(buffer.Size,
                      IdlCapacity - int32_t(room) + (fits ? int32_t(whole.size()) : 0));
            if (fits) {
                EXPECT_TRUE(std::equal(whole.begin(), whole.end(),
                                       buffer.Bytes.begin() + (IdlCapacity - int32_t(room))));
            }
        }
    }
    EXPECT_TRUE(compiledRecord(*sample, h.fonts, 3).empty()); // no record for an unknown model
}

// The widget half: the kind's property dialog, confirmed unchanged, leaves
// every stored byte of the item as it was, and keeps where the user moved
// it in its own section of the settings file.
TEST_P(ItemKindConformance, HasADialogThatEditsItsItems) {
    const ItemDialogKind* dialogKind = nullptr;
    for (const ItemDialogKind* d : itemDialogKinds())
        if (d->typeCode == kind.typeCode)
            dialogKind = d;
    ASSERT_NE(dialogKind, nullptr);
    DialogHarness h;
    h.folders.writeIni("[Other]\nKey=1\n");
    const std::unique_ptr<ItemPropertiesDialog> dialog =
        dialogKind->makeDialog(h.prompter, h.data, h.render.fonts, h.messages, nullptr);
    h.prompter.dialogScripts.push_back(script([](QDialog& d) {
        d.move(70, 80);
        click(d, "OKBtn");
    }));
    EXPECT_EQ(dialog->editItem(*sample, h.render.display, 1), QDialog::Accepted);
    EXPECT_EQ(stored(*sample), record);
    const IniFile settings(h.folders.iniPath());
    EXPECT_EQ(settings.readInteger(dialog->objectName(), "Left", 0), 70);
    EXPECT_EQ(settings.readInteger(dialog->objectName(), "Top", 0), 80);
}

// The list is in type-index order, which the item list dialog's buttons
// follow, and names each type code once.
TEST(ItemKindList, IsInTypeIndexOrder) {
    int previous = -1;
    for (const ItemKind* kind : itemKinds()) {
        const int index = ImageItem::typeIndexOf(kind->typeCode);
        EXPECT_GT(index, previous) << kind->recordName;
        previous = index;
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ItemKindConformance,
                         ::testing::ValuesIn(itemKinds().begin(), itemKinds().end()), kindName);

class ItemKindPlacing : public EditorTest, public ::testing::WithParamInterface<const ItemKind*> {};

TEST_P(ItemKindPlacing, PlacesANewItemOfTheKindAtTheClick) {
    PlaceItemState state(env, *GetParam());
    // Where a new item of every kind fits the area, so none is pulled in.
    click(state, Qt::LeftButton, {1000, 150});
    ASSERT_EQ(editor.items().count(), 1);
    const ImageItem& placed = *editor.items().at(1);
    EXPECT_STREQ(placed.className(), GetParam()->recordName);
    EXPECT_EQ(placed.getPosition(), QPoint(1000, 150));
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ItemKindPlacing,
                         ::testing::ValuesIn(itemKinds().begin(), itemKinds().end()), kindName);

} // namespace
