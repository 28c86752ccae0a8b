// Every reader of files from outside, fed the same hostile inputs: nothing
// at all, a byte, the file cut at every byte, each 32-bit field made huge,
// negative or zero, and text bytes that are no valid UTF-8. Each read must
// end in one message that names the file (or read as well as it can), and
// none may allocate more than the input could justify.
#include "../printer/FontTestSupport.h"
#include "ImageBytes.h"
#include "document/ImageFile.h"
#include "platform/IniFile.h"
#include "platform/TolvError.h"
#include "texts/Messages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

namespace {

// The largest single allocation made while a reader runs.
std::atomic<bool> watching{false};
std::atomic<std::size_t> largest{0};

} // namespace

void* operator new(std::size_t size) {
    if (watching && size > largest)
        largest = size;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// What one read of a hostile input came to.
struct Result {
    bool failed = false;
    std::string message;
    std::size_t largestAllocation = 0;
};

Result watch(const std::function<void()>& read) {
    Result result;
    largest = 0;
    watching = true;
    try {
        read();
    } catch (const TolvError& e) {
        result.failed = true;
        result.message = e.what();
    }
    watching = false;
    result.largestAllocation = largest;
    return result;
}

// Every hostile variant of a good file, with a name for the report.
std::vector<std::pair<std::string, QByteArray>> hostileVariants(const QByteArray& good) {
    std::vector<std::pair<std::string, QByteArray>> variants = {{"empty", {}},
                                                                {"one byte", good.left(1)}};
    for (qsizetype cut = 2; cut < good.size(); ++cut)
        variants.push_back({"cut at " + std::to_string(cut), good.left(cut)});
    const std::pair<const char*, uint32_t> values[] = {
        {"huge", 0x7FFFFFFF}, {"2 GB", 0x80000000}, {"negative", 0xFFFFFFFF}, {"zero", 0}};
    for (qsizetype at = 0; at + 4 <= good.size(); ++at)
        for (const auto& [name, value] : values) {
            QByteArray bytes = good;
            for (int i = 0; i < 4; ++i)
                bytes[at + i] = char((value >> (8 * i)) & 0xFF);
            variants.push_back({std::string(name) + " at " + std::to_string(at), bytes});
        }
    for (qsizetype at = 0; at < good.size(); ++at)
        for (const char byte : {'\0', char(0xC3), char(0x80), char(0xFF)}) {
            QByteArray bytes = good;
            bytes[at] = byte;
            variants.push_back(
                {"byte " + std::to_string(uint8_t(byte)) + " at " + std::to_string(at), bytes});
        }
    return variants;
}

// More than this for one allocation would take more than the file holds.
std::size_t justified(const QByteArray& input) {
    return 4 * std::size_t(input.size()) + 64 * 1024;
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("hostile input.bin"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

} // namespace

TEST(HostileInput, ImageFilesFailWithTheFileNamedAndNoOversizedAllocation) {
    ImageBytes good;
    good.str("nebra V3.1X000").str("Long").str("S").i32(2).area(0, 0, 700, 228);
    good.str("English").str("JanFeb").i32(1).f64(0.25).str("A").emptyShifts(24);
    good.str("ImagePList").i32(2).textItem(1, 10, 20, "HEH").textItem(1, 30, 40, "\xE9t\xE9");
    QTemporaryDir dir;
    const ClassRegistry& registry = imageFileRegistry();
    for (const auto& [name, bytes] : hostileVariants(good.bytes)) {
        const QString path = writeFile(dir, bytes);
        const Result r = watch([&] { ImageFile::read(path, registry, Messages()); });
        if (bytes.size() < good.bytes.size()) { // a cut file is never taken for a whole one
            EXPECT_TRUE(r.failed) << name;
        }
        if (r.failed) {
            EXPECT_NE(r.message.find(QDir::toNativeSeparators(path).toStdString()),
                      std::string::npos)
                << name << ": " << r.message;
        }
        EXPECT_LE(r.largestAllocation, justified(bytes)) << name;
    }
}

TEST(HostileInput, FontMapsFailWithAReasonAndLeaveNoFonts) {
    FontSetHarness h;
    const auto good = h.mapBytes("FONTMAP", 2, {{1, 1, "Standard", 12, 1}, {2, 3, "Bold", 20, 7}});
    const QByteArray goodBytes(reinterpret_cast<const char*>(good.data()), qsizetype(good.size()));
    QTemporaryDir dir;
    for (const auto& [name, bytes] : hostileVariants(goodBytes)) {
        const QString path = writeFile(dir, bytes);
        bool loaded = false;
        const Result r = watch([&] { loaded = h.fonts.loadFontMap(path, h.registry); });
        EXPECT_FALSE(r.failed) << name; // the set reports, it does not throw
        if (bytes.size() < goodBytes.size()) {
            EXPECT_FALSE(loaded) << name;
        }
        if (!loaded) {
            EXPECT_TRUE(h.fonts.isEmpty()) << name;
            EXPECT_FALSE(h.fonts.loadError().isEmpty() && !bytes.isEmpty()) << name;
        }
        EXPECT_LE(r.largestAllocation, justified(bytes)) << name;
    }
}

TEST(HostileInput, SettingsFilesOfAnyBytesReadAndTakeAWrite) {
    const QByteArray good = "[Language]\nName=Fran\xC3\xA7"
                            "ais\n\n[Comms]\nCOM2Device=/dev/x\n";
    QTemporaryDir dir;
    for (const auto& [name, bytes] : hostileVariants(good)) {
        const QString path = writeFile(dir, bytes);
        IniFile ini(path);
        const Result r = watch([&] {
            ini.readString(QStringLiteral("Language"), QStringLiteral("Name"), QString());
            ini.sectionKeys(QStringLiteral("Comms"));
        });
        EXPECT_FALSE(r.failed) << name;
        // A key written to a file of damaged bytes reads back.
        ASSERT_TRUE(ini.writeString(QStringLiteral("Comms"), QStringLiteral("Added"), "1")) << name;
        EXPECT_EQ(IniFile(path).readString(QStringLiteral("Comms"), QStringLiteral("Added"), {}),
                  "1")
            << name;
    }
}

// Carriage returns in front of a line's end went one per save: a file saved
// twice without a change came out different each time.
TEST(HostileInput, SettingsFileLineEndsAreWrittenBackAsTheyCame) {
    const QByteArray cases[] = {"Key=1\r\r\n", "[S]\r\r\r\nK=v\r\n", "[S]\nK=v\r",
                                "\r\r\r",      "\r\n\r\r\n",         "K=a\rb\n"};
    for (const QByteArray& bytes : cases) {
        EXPECT_EQ(IniFile::fromBytes(bytes).bytes(), bytes) << bytes.toHex().toStdString();
    }
    const IniFile ini = IniFile::fromBytes("[S]\r\r\nK = v \r\r\r\n");
    EXPECT_EQ(ini.readString(QStringLiteral("S"), QStringLiteral("K"), {}), "v");
}
