#include "printer/PrinterFont.h"

#include "persist/ClassRegistry.h"
#include "persist/StreamHelpers.h"

namespace {

// The map stores boldness as a whole number; only 1 means bold, so a stray
// value draws the font normal rather than guessing.
constexpr int32_t BoldFlag = 1;

} // namespace

void PrinterFont::load(ByteStream& s, const ClassRegistry& registry) {
    NamedObject::load(s, registry);
    FaceName = readString(s);
    PointSize = readLong(s);
    Bold = readLong(s) == BoldFlag;
    FontNumber = readLong(s);
    ModelCode = readLong(s);
    DownloadCode = readLong(s);
}

void PrinterFont::store(ByteStream& s, const ClassRegistry& registry) const {
    NamedObject::store(s, registry);
    writeString(s, FaceName);
    writeLong(s, PointSize);
    writeLong(s, Bold ? BoldFlag : 0);
    writeLong(s, FontNumber);
    writeLong(s, ModelCode);
    writeLong(s, DownloadCode);
}

void registerFontClasses(ClassRegistry& registry) {
    registry.registerClass<PrinterFont>();
}
