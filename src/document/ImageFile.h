#pragma once

#include "document/ItemList.h"
#include "document/ShiftTable.h"
#include "printer/DotCanvas.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <string>

class ClassRegistry;
class Messages;
class ByteStream;

// The layouts of image files that can be read. Only the last is written by
// the designer; the others are written back only to reproduce a file as it
// was read (the command line's build).
enum class ImageFileVersion { V1_0X008, V2_0X000, V2_0X001, V2_1X000, V3_1X000 };

// Everything an image file holds before its item list.
struct ImageFileHeader {
    static constexpr int32_t MaxImageLength = 100000; // dots; far beyond any print head

    ImageFileVersion Version = ImageFileVersion::V3_1X000;
    std::string LongName;
    std::string ShortName;
    // The printer type code as stored (1, 2 or 4 when the designer writes it);
    // absent in V1.0X008 files.
    std::optional<int32_t> TypeCode;
    // Two values of unknown meaning that follow type code 3 in V2.1X000 and
    // V3.1X000 files; kept only to write such a file back unchanged.
    std::optional<std::array<int32_t, 2>> ExtraTypeInts;
    DotRect Area; // the display's area, margins included
    std::string MonthLanguageName;
    std::string MonthStrings;
    ShiftTable Shifts;

    // The printer model the type code selects; none without a type code.
    std::optional<int> modelIndex() const;
    // The length of the image the file holds: up to the area's right edge,
    // without the margins (right − 100), so that nothing left of the area's
    // start is lost.
    int64_t imageWidth() const;
    // Whether this version stores the two extra values after this type code.
    bool storesExtraTypeInts() const;
};

struct ImageFileContents {
    ImageFileHeader Header;
    std::unique_ptr<ItemList> Items;
};

namespace ImageFile {

// The version string a file starts with, e.g. "nebra V3.1X000".
std::string versionText(ImageFileVersion version);
std::optional<ImageFileVersion> versionOf(const std::string& text);
// The version whose item records a stream carries: that of the file being
// read or written, the current one on any other stream (memory copies, the
// command line's JSON). Items whose records grew read and write by it.
ImageFileVersion recordVersion(const ByteStream& s);

// Reads a whole image file into fresh objects. Any problem (not an image
// file, cut short, an unknown or foreign record, a value out of range)
// raises TolvError with a message that names the file; nothing of the
// program's state is touched, so the open image survives a bad file.
ImageFileContents read(const QString& path, const ClassRegistry& registry,
                       const Messages& messages);
// The same from a stream; the message names no file.
ImageFileContents read(ByteStream& s, const ClassRegistry& registry, const Messages& messages);

// Writes the image to a temporary file beside path and puts it in place only
// when all of it was written; on failure the previous file is untouched and
// TolvError names the file and the reason. A header that could not be read
// back (a type code in a V1.0X008 file, extra values where the version has
// none, an area no image has) is refused before anything is written.
void write(const QString& path, const ImageFileHeader& header, const ItemList& items,
           const ClassRegistry& registry);
void write(ByteStream& s, const ImageFileHeader& header, const ItemList& items,
           const ClassRegistry& registry);

} // namespace ImageFile
