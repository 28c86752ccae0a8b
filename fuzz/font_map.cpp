// Font maps: a map that loads, written out again font by font, loads to the
// same fonts; one that does not load leaves the set empty with a reason.
#include "FuzzCheck.h"

#include "persist/ClassRegistry.h"
#include "persist/StreamHelpers.h"
#include "persist/TMemoryStream.h"
#include "printer/FontSet.h"
#include "printer/PrinterModels.h"

namespace {

const ClassRegistry& registry() {
    static ClassRegistry r = [] {
        ClassRegistry made;
        registerPersistClasses(made);
        registerFontClasses(made);
        return made;
    }();
    return r;
}

std::vector<std::uint8_t> stored(const FontSet& fonts) {
    TMemoryStream out;
    WriteString(out, "FONTMAP");
    WriteLong(out, fonts.Count());
    for (int i = 0; i < fonts.Count(); ++i)
        fonts.At(i).Store(out, registry());
    return out.bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const PrinterModels models{nullptr};
    FontSet fonts(models);
    TMemoryStream in(fuzzBytes(data, size));
    if (!fonts.loadFontMap(in, registry())) {
        FUZZ_CHECK(fonts.isEmpty(), "a rejected font map left fonts behind");
        FUZZ_CHECK(!fonts.loadError().isEmpty(), "a rejected font map gave no reason");
        return 0;
    }
    const std::vector<std::uint8_t> first = stored(fonts);
    FontSet again(models);
    TMemoryStream reread(first);
    FUZZ_CHECK(again.loadFontMap(reread, registry()), "a stored font map does not load");
    FUZZ_CHECK(again.Count() == fonts.Count(), "a stored font map lost fonts");
    FUZZ_CHECK(stored(again) == first, "a stored font map reads back to other fonts");
    // The lookups of every model must cope with whatever numbers the map holds.
    for (int i = 0; i < fonts.Count(); ++i) {
        const PrinterFont& font = fonts.At(i);
        fonts.downloadCodeOf(font.FontNumber);
        fonts.fontNameOf(font.FontNumber);
    }
    return 0;
}
