#include "PersistTestSupport.h"
#include "persist/ClassRegistry.h"
#include "persist/PLists.h"
#include "persist/PNamedObjects.h"
#include "persist/StreamHelpers.h"
#include "persist/TBufferStreams.h"

#include <gtest/gtest.h>

namespace {

class ImageStyleList : public Persistent<ImageStyleList, PList> {
public:
    static constexpr auto RecordName = "ImagePList";
};

std::unique_ptr<PList> namedList(std::initializer_list<const char*> names) {
    auto list = std::make_unique<PList>();
    for (const char* name : names) {
        auto object = std::make_unique<PNamedObject>();
        object->Name = name;
        list->Append(std::move(object));
    }
    return list;
}

// The names of the elements, "-" for an element without one.
std::string names(const PList& list) {
    std::string all;
    for (int32_t i = 1; i <= list.Count(); ++i) {
        const auto* named = dynamic_cast<const PNamedObject*>(list.At(i));
        all += (i > 1 ? "|" : "") + (named ? named->Name : "-");
    }
    return all;
}

class PersistentObjectsTest : public ::testing::Test {
protected:
    PersistentObjectsTest() {
        registerPersistClasses(registry);
        registry.RegisterClass<ImageStyleList>("ImagePList");
    }
    std::string loadError(std::initializer_list<int> bytes) {
        TMemoryStream s(bytesOf(bytes));
        return errorOf([&] { PList().Load(s, registry); });
    }
    ClassRegistry registry;
};

TEST_F(PersistentObjectsTest, RegistryKeepsTheFirstClassOfANameAndMatchesExactly) {
    ClassRegistry fresh;
    registerPersistClasses(fresh);
    registerPersistClasses(fresh);
    EXPECT_EQ(fresh.EntryCount(), 3);
    fresh.RegisterClass<PList>("PNamedObject");
    auto made = fresh.CreateByName("PNamedObject");
    ASSERT_TRUE(dynamic_cast<PNamedObject*>(made.get()));
    EXPECT_EQ(fresh.CreateByName("pnamedobject"), nullptr);
    EXPECT_EQ(fresh.RegisteredName(ImageStyleList()), "");

    TMemoryStream s; // a record that could never be read back is not written
    EXPECT_EQ(errorOf([&] { ImageStyleList().Store(s, fresh); }),
              "Cannot store an object of the unregistered class \"ImagePList\"");
}

TEST_F(PersistentObjectsTest, EmptyListRecordIsItsNameAndAZeroCount) {
    TMemoryStream s;
    ImageStyleList().Store(s, registry);
    EXPECT_EQ(s.bytes(),
              bytesOf({10, 0, 0, 0, 'I', 'm', 'a', 'g', 'e', 'P', 'L', 'i', 's', 't', 0, 0, 0, 0}));
}

TEST_F(PersistentObjectsTest, ListPositionsAreOneBasedAndOutOfRangeIsIgnored) {
    auto list = namedList({"b"});
    list->Append(namedList({"c"})->Extract(1));
    list->InsertFirst(namedList({"a"})->Extract(1));
    EXPECT_EQ(names(*list), "a|b|c");
    EXPECT_EQ(list->At(0), nullptr);
    EXPECT_EQ(list->Put(4, std::make_unique<PObject>()), nullptr);
    EXPECT_EQ(list->Extract(4), nullptr);
    list->Put(2, std::make_unique<PObject>());
    EXPECT_EQ(names(*list), "a|-|c");
}

TEST_F(PersistentObjectsTest, ClonesAreDeepAndKeepTheirClass) {
    ImageStyleList list;
    list.Append(namedList({"one"})->Extract(1));
    auto clone = list.Clone();
    auto& copy = dynamic_cast<ImageStyleList&>(*clone);
    EXPECT_NE(copy.At(1), list.At(1));
    list.Append(namedList({"two"})->Extract(1));
    copy.Assign(list); // replaces what was there
    EXPECT_EQ(names(copy), "one|two");
    list.Assign(list);
    EXPECT_EQ(names(list), "one|two");
}

TEST_F(PersistentObjectsTest, BadListRecordsAreErrorsNamingTheProblem) {
    EXPECT_EQ(loadError({1, 0, 0, 0, 3, 0, 0, 0, 'B', 'a', 'd'}),
              "Unknown object type \"Bad\" in file");
    EXPECT_EQ(loadError({0xFF, 0xFF, 0xFF, 0xFF}), "Invalid number of records -1 in file");
    EXPECT_EQ(loadError({0, 0, 0, 1, 0, 0, 0, 0}), "Invalid number of records 16777216 in file");

    TMemoryStream nested; // lists inside lists, deeper than any real file
    for (int i = 0; i < 100; ++i) {
        WriteLong(nested, 1);
        WriteString(nested, "PList");
    }
    WriteLong(nested, 0);
    nested.SetPosition(0);
    EXPECT_EQ(errorOf([&] { PList().Load(nested, registry); }), "Lists nested too deeply in file");
}

TEST_F(PersistentObjectsTest, HookedRecordsGoToTheirLoaderAfterTheirClassName) {
    TMemoryStream s;
    WriteLong(s, 2);
    WriteString(s, "BarcodeItem");
    const int32_t recordStart = s.Position();
    for (int i = 0; i < 7; ++i)
        WriteLong(s, 100 + i); // the item's base record
    WriteLong(s, 5);           // symbology
    WriteString(s, "PNamedObject");
    WriteString(s, "after");
    s.SetPosition(0);
    TBufferStream buffered(s);
    registry.setRecordLoader("BarcodeItem", [&](TStream& in, const ClassRegistry&) {
        EXPECT_EQ(in.Position(), recordStart);
        in.Seek(28, TStream::FromCurrent);
        auto barcode = namedList({""})->Extract(1);
        dynamic_cast<PNamedObject&>(*barcode).Name = "kind " + std::to_string(ReadLong(in));
        return barcode;
    });
    PList list;
    list.Load(buffered, registry);
    EXPECT_EQ(names(list), "kind 5|after");
}

TEST_F(PersistentObjectsTest, NamedListRoundTripsAndReplacesWhatWasThere) {
    auto original = namedList({"first", "", "third \xE9"});
    original->Append(namedList({"inner"}));
    TMemoryStream s;
    original->Store(s, registry);
    s.SetPosition(0);
    EXPECT_EQ(ReadString(s), "PList");
    PList loaded;
    loaded.Append(namedList({"old"})->Extract(1));
    loaded.Load(s, registry);
    EXPECT_EQ(names(loaded), "first||third \xE9|-");
    EXPECT_EQ(names(dynamic_cast<const PList&>(*loaded.At(4))), "inner");
    EXPECT_EQ(s.Position(), s.Size()); // nothing left over
}

} // namespace
