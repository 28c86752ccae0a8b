#include "document/ImageFile.h"
#include "ImageBytes.h"
#include "TestFolders.h"
#include "persist/MemoryStream.h"
#include "platform/IniFile.h"
#include "platform/TolvError.h"
#include "texts/Messages.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

ImageFileHeader sampleHeader() {
    ImageFileHeader h;
    h.LongName = "Long name";
    h.ShortName = "Short";
    h.TypeCode = 2;
    h.Area = {0, 0, 4100, 228};
    h.MonthLanguageName = "English";
    h.MonthStrings = "JanFeb";
    h.Shifts.setSlot(1, {1, 0.25, "A"});
    return h;
}

// A V3.1X000 file of sampleHeader() with one text item "HEH" at (60, 70).
ImageBytes sampleBytes() {
    ImageBytes b;
    b.str("nebra V3.1X000").str("Long name").str("Short").i32(2).area(0, 0, 4100, 228);
    b.str("English").str("JanFeb").i32(1).f64(0.25).str("A").emptyShifts(24);
    b.str("ImagePList").i32(1).textItem(1, 10, 20, "HEH");
    return b;
}

ImageFileContents readBytes(const QByteArray& bytes) {
    MemoryStream s(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return ImageFile::read(s, imageFileRegistry(), Messages());
}

std::string readError(const QString& path, const Messages& messages = Messages()) {
    try {
        ImageFile::read(path, imageFileRegistry(), messages);
    } catch (const TolvError& e) {
        return e.what();
    }
    return "no error";
}

} // namespace

TEST(ImageFile, SavedFileHasTheLayoutByteForByteAndReadsBack) {
    QTemporaryDir dir;
    ItemList items;
    items.append(storedTextItem(1, {60, 70}, "HEH"));
    const QString path = dir.filePath(QStringLiteral("label.G1A"));
    ImageFile::write(path, sampleHeader(), items, imageFileRegistry());
    EXPECT_EQ(fileBytes(path), sampleBytes().bytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"label.G1A"}); // no leftovers

    const ImageFileContents c = ImageFile::read(path, imageFileRegistry(), Messages());
    EXPECT_EQ(c.Header.LongName, "Long name");
    EXPECT_EQ(c.Header.modelIndex(), 1);
    EXPECT_EQ(c.Header.imageWidth(), 4000);
    EXPECT_EQ(c.Header.Shifts, sampleHeader().Shifts);
    ASSERT_EQ(c.Items->count(), 1);
    EXPECT_EQ(c.Items->at(1)->getPosition(), QPoint(60, 70));
    EXPECT_EQ(c.Items->at(1)->getDataText(), "HEH");
}

TEST(ImageFile, ReadsTheFiveVersionsWithTheirDifferences) {
    struct Row {
        const char* version;
        std::optional<int32_t> code;
        bool extras;
        std::optional<int> model;
    };
    for (const Row& r : {Row{"nebra V1.0X008", std::nullopt, false, std::nullopt},
                         Row{"nebra V2.0X000", 3, false, 1}, Row{"nebra V2.0X001", 4, false, 2},
                         Row{"nebra V2.1X000", 3, true, 1}, Row{"nebra V2.1X000", 1, false, 0},
                         Row{"nebra V3.1X000", 3, true, 1}, Row{"nebra V3.1X000", 2, false, 1},
                         Row{"nebra V3.1X000", 9, false, 1}}) {
        SCOPED_TRACE(r.version);
        const ImageFileContents c = readBytes(ImageBytes::smallImage(r.version, r.code, r.extras));
        EXPECT_EQ(ImageFile::versionText(c.Header.Version), r.version);
        EXPECT_EQ(c.Header.TypeCode, r.code);
        EXPECT_EQ(c.Header.modelIndex(), r.model);
        EXPECT_EQ(c.Header.ExtraTypeInts.has_value(), r.extras);
        EXPECT_EQ(c.Header.Area, (DotRect{0, 0, 484, 2100}));
        ASSERT_EQ(c.Items->count(), 1);
        EXPECT_EQ(c.Items->at(1)->getPosition(), QPoint(55, 56));
    }
}

TEST(ImageFile, RefusesToWriteAHeaderItCouldNotReadBack) {
    ItemList none;
    MemoryStream s;
    ImageFileHeader h = sampleHeader();
    h.TypeCode = 3; // the current version stores two more values after it
    EXPECT_THROW(ImageFile::write(s, h, none, imageFileRegistry()), TolvError);
    h = sampleHeader();
    h.Shifts.setSlot(2, {8, 0.5, "B"});
    EXPECT_THROW(ImageFile::write(s, h, none, imageFileRegistry()), TolvError);
}

TEST(ImageFile, ErrorsNameTheFileAndTheProblem) {
    QTemporaryDir dir;
    const auto fileOf = [&](const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QLatin1String(name));
        ImageBytes{bytes}.writeTo(path);
        return path;
    };
    const QByteArray good = sampleBytes().bytes;
    QByteArray unknown = good;
    unknown.replace("\x08\0\0\0TextItem", 12, "\x0B\0\0\0LogotypItem", 15);
    QByteArray badArea = good;
    badArea.replace("\x04\x10\0\0", 4, "\x10\0\0\0", 4); // right 16: a negative width
    // A sound width that ends past the longest image: opening it would ask
    // for a picture of that length.
    QByteArray farArea = good;
    farArea.replace(QByteArray("\0\0\0\0\0\0\0\0\x04\x10\0\0", 12),
                    QByteArray("\x90\x5F\x01\0\0\0\0\0\xB0\xAD\x01\0", 12));

    const struct {
        QString path;
        const char* problem;
    } cases[] = {
        {fileOf("cut.G1A", good.left(good.size() - 3)), "Unexpected end of file"},
        {fileOf("unknown.G1A", unknown), "Unknown object type \"LogotypItem\""},
        {fileOf("area.G1A", badArea), "Invalid image area (0, 0, 16, 228)"},
        {fileOf("far.G1A", farArea), "Invalid image area (90000, 0, 110000, 228)"},
        {fileOf("other.G1A", ImageBytes().str("nebra V3.1X001").bytes), "Not a Tolvane image file"},
        {dir.filePath(QStringLiteral("missing.G1A")), "no such file"},
        {dir.path(), "it is a folder"},
    };
    for (const auto& c : cases) {
        const std::string message = readError(c.path);
        EXPECT_NE(message.find(QDir::toNativeSeparators(c.path).toStdString()), std::string::npos)
            << message;
        EXPECT_NE(message.find(c.problem), std::string::npos) << message;
    }
}

TEST(ImageFile, TheOpenErrorIsInTheInterfaceLanguage) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.G1A"));
    ImageBytes().str("nebra V3.1X001").writeTo(path);
    const IniFile german(QDir::cleanPath(testDataPath(QStringLiteral("../../data/German.ini"))));
    Messages messages;
    messages.load(&german);
    const QString message = QString::fromStdString(readError(path, messages));
    EXPECT_EQ(message, QStringLiteral("Bilddatei \"%1\" kann nicht ge\u00f6ffnet werden: "
                                      "Keine Tolvane-Bilddatei")
                           .arg(QDir::toNativeSeparators(path)));
}

TEST(ImageFile, AFailedSaveLeavesThePreviousFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.G1A"));
    ASSERT_TRUE(sampleBytes().writeTo(path));

    // An item of a class no file may hold fails before the disk is touched.
    class Unregistered : public ImageItem {
        const char* className() const override { return "Unregistered"; }
    };
    ItemList items;
    items.append(storedTextItem(1, {60, 70}, "new"));
    items.append(std::make_unique<Unregistered>());
    EXPECT_THROW(ImageFile::write(path, sampleHeader(), items, imageFileRegistry()), TolvError);
    EXPECT_EQ(fileBytes(path), sampleBytes().bytes);

    // A folder that refuses new files (permissions do not stop the superuser).
    if (geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        items.extract(2);
        EXPECT_THROW(ImageFile::write(path, sampleHeader(), items, imageFileRegistry()), TolvError);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        EXPECT_EQ(fileBytes(path), sampleBytes().bytes);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"label.G1A"});
}
