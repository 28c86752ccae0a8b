#include "PersistTestSupport.h"
#include "persist/BufferedStream.h"
#include "persist/ClassRegistry.h"
#include "persist/NamedObject.h"
#include "persist/PersistentList.h"
#include "persist/StreamHelpers.h"

#include <gtest/gtest.h>

namespace {

class ImageStyleList : public Persistent<ImageStyleList, PersistentList> {
public:
    static constexpr auto RecordName = "ImagePList";
};

std::unique_ptr<PersistentList> namedList(std::initializer_list<const char*> names) {
    auto list = std::make_unique<PersistentList>();
    for (const char* name : names) {
        auto object = std::make_unique<NamedObject>();
        object->Name = name;
        list->append(std::move(object));
    }
    return list;
}

// The names of the elements, "-" for an element without one.
std::string names(const PersistentList& list) {
    std::string all;
    for (int32_t i = 1; i <= list.count(); ++i) {
        const auto* named = dynamic_cast<const NamedObject*>(list.at(i));
        all += (i > 1 ? "|" : "") + (named ? named->Name : "-");
    }
    return all;
}

class PersistentObjectsTest : public ::testing::Test {
protected:
    PersistentObjectsTest() {
        registerPersistClasses(registry);
        registry.registerClass<ImageStyleList>("ImagePList");
    }
    std::string loadError(std::initializer_list<int> bytes) {
        MemoryStream s(bytesOf(bytes));
        return errorOf([&] { PersistentList().load(s, registry); });
    }
    ClassRegistry registry;
};

TEST_F(PersistentObjectsTest, RegistryKeepsTheFirstClassOfANameAndMatchesExactly) {
    ClassRegistry fresh;
    registerPersistClasses(fresh);
    registerPersistClasses(fresh);
    EXPECT_EQ(fresh.entryCount(), 3);
    fresh.registerClass<PersistentList>("PNamedObject");
    auto made = fresh.createByName("PNamedObject");
    ASSERT_TRUE(dynamic_cast<NamedObject*>(made.get()));
    EXPECT_EQ(fresh.createByName("pnamedobject"), nullptr);
    EXPECT_EQ(fresh.registeredName(ImageStyleList()), "");

    MemoryStream s; // a record that could never be read back is not written
    EXPECT_EQ(errorOf([&] { ImageStyleList().store(s, fresh); }),
              "Cannot store an object of the unregistered class \"ImagePList\"");
}

TEST_F(PersistentObjectsTest, EmptyListRecordIsItsNameAndAZeroCount) {
    MemoryStream s;
    ImageStyleList().store(s, registry);
    EXPECT_EQ(s.bytes(),
              bytesOf({10, 0, 0, 0, 'I', 'm', 'a', 'g', 'e', 'P', 'L', 'i', 's', 't', 0, 0, 0, 0}));
}

TEST_F(PersistentObjectsTest, ListPositionsAreOneBasedAndOutOfRangeIsIgnored) {
    auto list = namedList({"b"});
    list->append(namedList({"c"})->extract(1));
    list->insertFirst(namedList({"a"})->extract(1));
    EXPECT_EQ(names(*list), "a|b|c");
    EXPECT_EQ(list->at(0), nullptr);
    EXPECT_EQ(list->put(4, std::make_unique<PersistentObject>()), nullptr);
    EXPECT_EQ(list->extract(4), nullptr);
    list->put(2, std::make_unique<PersistentObject>());
    EXPECT_EQ(names(*list), "a|-|c");
}

TEST_F(PersistentObjectsTest, ClonesAreDeepAndKeepTheirClass) {
    ImageStyleList list;
    list.append(namedList({"one"})->extract(1));
    auto clone = list.clone();
    auto& copy = dynamic_cast<ImageStyleList&>(*clone);
    EXPECT_NE(copy.at(1), list.at(1));
    list.append(namedList({"two"})->extract(1));
    copy.assign(list); // replaces what was there
    EXPECT_EQ(names(copy), "one|two");
    list.assign(list);
    EXPECT_EQ(names(list), "one|two");
}

TEST_F(PersistentObjectsTest, BadListRecordsAreErrorsNamingTheProblem) {
    EXPECT_EQ(loadError({1, 0, 0, 0, 3, 0, 0, 0, 'B', 'a', 'd'}),
              "Unknown object type \"Bad\" in file");
    EXPECT_EQ(loadError({0xFF, 0xFF, 0xFF, 0xFF}), "Invalid number of records -1 in file");
    EXPECT_EQ(loadError({0, 0, 0, 1, 0, 0, 0, 0}), "Invalid number of records 16777216 in file");

    MemoryStream nested; // lists inside lists, deeper than any real file
    for (int i = 0; i < 100; ++i) {
        writeLong(nested, 1);
        writeString(nested, "PList");
    }
    writeLong(nested, 0);
    nested.setPosition(0);
    EXPECT_EQ(errorOf([&] { PersistentList().load(nested, registry); }),
              "Lists nested too deeply in file");
}

TEST_F(PersistentObjectsTest, HookedRecordsGoToTheirLoaderAfterTheirClassName) {
    MemoryStream s;
    writeLong(s, 2);
    writeString(s, "BarcodeItem");
    const int32_t recordStart = s.position();
    for (int i = 0; i < 7; ++i)
        writeLong(s, 100 + i); // the item's base record
    writeLong(s, 5);           // symbology
    writeString(s, "PNamedObject");
    writeString(s, "after");
    s.setPosition(0);
    BufferedStream buffered(s);
    registry.setRecordLoader("BarcodeItem", [&](ByteStream& in, const ClassRegistry&) {
        EXPECT_EQ(in.position(), recordStart);
        in.seek(28, ByteStream::FromCurrent);
        auto barcode = namedList({""})->extract(1);
        dynamic_cast<NamedObject&>(*barcode).Name = "kind " + std::to_string(readLong(in));
        return barcode;
    });
    PersistentList list;
    list.load(buffered, registry);
    EXPECT_EQ(names(list), "kind 5|after");
}

TEST_F(PersistentObjectsTest, NamedListRoundTripsAndReplacesWhatWasThere) {
    auto original = namedList({"first", "", "third \xE9"});
    original->append(namedList({"inner"}));
    MemoryStream s;
    original->store(s, registry);
    s.setPosition(0);
    EXPECT_EQ(readString(s), "PList");
    PersistentList loaded;
    loaded.append(namedList({"old"})->extract(1));
    loaded.load(s, registry);
    EXPECT_EQ(names(loaded), "first||third \xE9|-");
    EXPECT_EQ(names(dynamic_cast<const PersistentList&>(*loaded.at(4))), "inner");
    EXPECT_EQ(s.position(), s.size()); // nothing left over
}

} // namespace
