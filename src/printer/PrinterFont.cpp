#include "printer/PrinterFont.h"

#include "persist/ClassRegistry.h"
#include "persist/StreamHelpers.h"

namespace {

// The map stores boldness as a whole number; only 1 means bold, so a stray
// value draws the font normal rather than guessing.
constexpr int32_t BoldFlag = 1;

} // namespace

void PrinterFont::Load(TStream& s, const ClassRegistry& registry) {
    PNamedObject::Load(s, registry);
    FaceName = ReadString(s);
    PointSize = ReadLong(s);
    Bold = ReadLong(s) == BoldFlag;
    FontNumber = ReadLong(s);
    ModelCode = ReadLong(s);
    DownloadCode = ReadLong(s);
}

void PrinterFont::Store(TStream& s, const ClassRegistry& registry) const {
    PNamedObject::Store(s, registry);
    WriteString(s, FaceName);
    WriteLong(s, PointSize);
    WriteLong(s, Bold ? BoldFlag : 0);
    WriteLong(s, FontNumber);
    WriteLong(s, ModelCode);
    WriteLong(s, DownloadCode);
}

void registerFontClasses(ClassRegistry& registry) {
    registry.RegisterClass<PrinterFont>();
}
