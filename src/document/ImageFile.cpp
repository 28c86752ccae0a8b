#include "document/ImageFile.h"

#include "persist/BinaryFile.h"
#include "persist/ClassRegistry.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
#include "platform/AtomicFile.h"
#include "platform/TolvError.h"
#include "printer/PrinterModels.h"
#include "texts/Messages.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr std::array<const char*, 5> VersionTexts = {
    "nebra V1.0X008", "nebra V2.0X000", "nebra V2.0X001", "nebra V2.1X000", "nebra V3.1X000"};
constexpr int32_t VersionLength = 14;
constexpr int32_t TypeCodeWithExtras = 3;
constexpr int32_t BothMargins = 2 * ImageItem::Margin;

std::string shownPath(const QString& path) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)).toStdString();
}

// Every accepted version string has the same length, so a first string of
// another length is refused before its bytes are read. A file too short to
// hold a version is no image file either.
ImageFileVersion readVersion(ByteStream& s, const Messages& messages) {
    std::optional<ImageFileVersion> version;
    try {
        if (readLong(s) == VersionLength) {
            std::string text(VersionLength, '\0');
            readExactly(s, text.data(), VersionLength);
            version = ImageFile::versionOf(text);
        }
    } catch (const TolvError&) {
    }
    if (!version)
        throw TolvError(messages.InvalidFileError.toStdString());
    return *version;
}

void checkArea(const DotRect& a) {
    const int64_t height = int64_t(a.Bottom) - a.Top - BothMargins;
    const int64_t width = int64_t(a.Right) - a.Left - BothMargins;
    const auto inRange = [](int64_t v) { return v >= 0 && v <= ImageFileHeader::MaxImageLength; };
    // The far edges too: the open image reaches to them.
    const int64_t right = int64_t(a.Right) - BothMargins;
    const int64_t bottom = int64_t(a.Bottom) - BothMargins;
    if (!inRange(a.Left) || !inRange(a.Top) || !inRange(width - 1) || !inRange(height - 1) ||
        !inRange(right) || !inRange(bottom))
        throw TolvError("Invalid image area (" + std::to_string(a.Left) + ", " +
                        std::to_string(a.Top) + ", " + std::to_string(a.Right) + ", " +
                        std::to_string(a.Bottom) + ")");
}

void checkTypeFields(const ImageFileHeader& h) {
    if (h.Version == ImageFileVersion::V1_0X008) {
        if (h.TypeCode)
            throw TolvError("A " + ImageFile::versionText(h.Version) + " file has no type code");
    } else if (!h.TypeCode) {
        throw TolvError("A " + ImageFile::versionText(h.Version) + " file needs a type code");
    }
    if (h.storesExtraTypeInts() != h.ExtraTypeInts.has_value())
        throw TolvError(h.ExtraTypeInts ? "Extra type values where the file has none"
                                        : "Type code 3 needs its two extra values");
}

void readTypeFields(ByteStream& s, ImageFileHeader& h) {
    if (h.Version == ImageFileVersion::V1_0X008)
        return;
    h.TypeCode = readLong(s);
    if (h.storesExtraTypeInts()) {
        const int32_t first = readLong(s);
        h.ExtraTypeInts = std::array<int32_t, 2>{first, readLong(s)};
    }
}

DotRect readArea(ByteStream& s) {
    DotRect area;
    area.Left = readLong(s);
    area.Top = readLong(s);
    area.Right = readLong(s);
    area.Bottom = readLong(s);
    checkArea(area);
    return area;
}

ImageFileHeader readHeader(ByteStream& s, const Messages& messages) {
    ImageFileHeader h;
    h.Version = readVersion(s, messages);
    h.LongName = readString(s);
    h.ShortName = readString(s);
    readTypeFields(s, h);
    h.Area = readArea(s);
    h.MonthLanguageName = readString(s);
    h.MonthStrings = readString(s);
    h.Shifts.load(s);
    return h;
}

// Every record takes at least the four bytes of its class name's length.
void checkItemCount(ByteStream& s, int32_t count) {
    const int32_t left = s.size() - s.position();
    if (count < 0 || count > left / 4)
        throw TolvError("Invalid number of items " + std::to_string(count));
}

std::unique_ptr<ItemList> readItems(ByteStream& s, const ClassRegistry& registry) {
    readString(s); // the list's class name says nothing the reader needs
    const int32_t count = readLong(s);
    checkItemCount(s, count);
    auto items = std::make_unique<ItemList>();
    for (int32_t i = 0; i < count; ++i) {
        std::unique_ptr<PersistentObject> record = registry.loadRecord(s);
        if (!dynamic_cast<ImageItem*>(record.get()))
            throw TolvError(std::string("A record of class ") + record->className() +
                            " where an image item was expected");
        items->append(std::move(record));
    }
    return items;
}

void writeHeader(ByteStream& s, const ImageFileHeader& h) {
    writeString(s, ImageFile::versionText(h.Version));
    writeString(s, h.LongName);
    writeString(s, h.ShortName);
    if (h.TypeCode)
        writeLong(s, *h.TypeCode);
    if (h.ExtraTypeInts)
        for (const int32_t value : *h.ExtraTypeInts)
            writeLong(s, value);
    for (const int32_t edge : {h.Area.Left, h.Area.Top, h.Area.Right, h.Area.Bottom})
        writeLong(s, edge);
    writeString(s, h.MonthLanguageName);
    writeString(s, h.MonthStrings);
    h.Shifts.store(s);
}

void writeItems(ByteStream& s, const ItemList& items, const ClassRegistry& registry) {
    writeString(s, "ImagePList");
    writeLong(s, items.count());
    for (int32_t i = 1; i <= items.count(); ++i)
        items.at(i)->store(s, registry);
}

void saveBytes(const QString& path, const std::vector<uint8_t>& bytes) {
    QString error;
    if (!AtomicFile::write(path, QByteArrayView(bytes.data(), qsizetype(bytes.size())), &error))
        throw TolvError(error.toStdString());
}

} // namespace

std::optional<int> ImageFileHeader::modelIndex() const {
    if (!TypeCode)
        return std::nullopt;
    return PrinterModels::indexForModelCode(*TypeCode);
}

int64_t ImageFileHeader::imageWidth() const {
    return int64_t(Area.Right) - BothMargins;
}

bool ImageFileHeader::storesExtraTypeInts() const {
    const bool versionHasThem =
        Version == ImageFileVersion::V2_1X000 || Version == ImageFileVersion::V3_1X000;
    return versionHasThem && TypeCode == TypeCodeWithExtras;
}

namespace ImageFile {

std::string versionText(ImageFileVersion version) {
    return VersionTexts.at(size_t(version));
}

std::optional<ImageFileVersion> versionOf(const std::string& text) {
    for (size_t i = 0; i < VersionTexts.size(); ++i)
        if (text == VersionTexts[i])
            return ImageFileVersion(i);
    return std::nullopt;
}

ImageFileVersion recordVersion(const ByteStream& s) {
    return ImageFileVersion(std::clamp(s.recordVersion(), 0, int(ImageFileVersion::V3_1X000)));
}

ImageFileContents read(ByteStream& s, const ClassRegistry& registry, const Messages& messages) {
    ImageFileContents contents;
    contents.Header = readHeader(s, messages);
    s.setRecordVersion(int(contents.Header.Version));
    contents.Items = readItems(s, registry);
    return contents;
}

ImageFileContents read(const QString& path, const ClassRegistry& registry,
                       const Messages& messages) {
    const QFileInfo info(path);
    const std::string prefix =
        messages.CannotOpenImageFileError.arg(QString::fromStdString(shownPath(path)))
            .toStdString() +
        ": ";
    if (!info.exists())
        throw TolvError(prefix + "no such file");
    if (info.isDir())
        throw TolvError(prefix + "it is a folder");
    try {
        BinaryFile s(path, FileStream::OpenRead);
        return read(s, registry, messages);
    } catch (const TolvError& e) {
        throw TolvError(prefix + e.what());
    }
}

void write(ByteStream& s, const ImageFileHeader& header, const ItemList& items,
           const ClassRegistry& registry) {
    checkTypeFields(header);
    checkArea(header.Area);
    writeHeader(s, header);
    s.setRecordVersion(int(header.Version));
    writeItems(s, items, registry);
}

void write(const QString& path, const ImageFileHeader& header, const ItemList& items,
           const ClassRegistry& registry) {
    try {
        // Assembled in memory first: a record that cannot be stored fails
        // before the file system is touched.
        MemoryStream memory;
        write(memory, header, items, registry);
        saveBytes(path, memory.bytes());
    } catch (const TolvError& e) {
        throw TolvError("Cannot save image file " + shownPath(path) + ": " + e.what());
    }
}

} // namespace ImageFile
