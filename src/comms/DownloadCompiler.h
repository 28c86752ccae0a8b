#pragma once

#include "persist/DownloadBuffer.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>

class ItemCalendar;
class ItemList;
class ItemTypeNames;
class Messages;
class ShiftTable;
class FontSet;

// The parts of the open image that its download image is made of.
struct DownloadSource {
    std::string ShortName;
    std::string LongName;
    // Already replaced by the first month language when either was empty.
    std::string MonthStrings;
    const ShiftTable& Shifts;
    const ItemList& Items;
    const FontSet& Fonts;
    int ModelIndex = 0;
    // The moment of the download and what the items print of it.
    const ItemCalendar& Calendar;
};

// The settings that bound a download image.
struct DownloadLimits {
    static constexpr int DefaultShortNameLength = 10;

    // The short name is cut or padded to exactly this many characters.
    int ShortNameLength = DefaultShortNameLength;
    // Images of this size or more are refused; 0 refuses every image.
    std::uint32_t HandheldMaxSize = 0;
};

// Compiles an image into the byte image the handheld interprets: the header
// (short name, long name, item count, month strings, shift table) and then
// every item's record in list order. Nothing here talks to the user; the
// callers show the refusal's message. Items are first prepared for the
// download (ImageItem::prepareDownload), which may change a field of theirs.
namespace DownloadCompiler {

enum class Refusal {
    None,
    NoLabelDescription, // a name is missing
    NoItems,
    TooBig,         // at or over HandheldMaxSize, or beyond what the buffer holds
    FieldEnd,       // an item's text holds a 0 byte, which would end its field
    InvalidInteger, // an item's setting sent as a number is no integer
    Unprintable,    // an item's value cannot be printed (ImageItem::holdsUnprintableValue)
};

struct Result {
    Refusal refusal = Refusal::None;
    std::unique_ptr<DownloadBuffer> image; // set when refusal is None
    int item = 0;                          // the 1-based item a refusal is about, or 0
};

Result compile(const DownloadSource& source, const DownloadLimits& limits);

// The message of the settings file's error table for a refusal (one about
// an item names it).
QString messageFor(Refusal refusal, const Messages& messages);
QString messageFor(const Result& result, const ItemList& items, const Messages& messages,
                   const ItemTypeNames& kindNames);

// The short name block: the name cut or padded with spaces to length, then 0.
std::string shortNameBlock(const std::string& shortName, int length);

// Writes the whole buffer array, 65,537 bytes, whatever the image's size;
// the file is replaced only when all of it was written. False with the
// reason in *error otherwise.
bool saveWholeArray(const DownloadBuffer& image, const QString& path, QString* error);

} // namespace DownloadCompiler
