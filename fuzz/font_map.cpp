// Font maps: a map that loads, written out again font by font, loads to the
// same fonts; one that does not load leaves the set empty with a reason.
#include "FuzzCheck.h"

#include "persist/ClassRegistry.h"
#include "persist/MemoryStream.h"
#include "persist/StreamHelpers.h"
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
    MemoryStream out;
    writeString(out, "FONTMAP");
    writeLong(out, fonts.count());
    for (int i = 0; i < fonts.count(); ++i)
        fonts.at(i).store(out, registry());
    return out.bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const PrinterModels models{nullptr};
    FontSet fonts(models);
    MemoryStream in(fuzzBytes(data, size));
    if (!fonts.loadFontMap(in, registry())) {
        FUZZ_CHECK(fonts.isEmpty(), "a rejected font map left fonts behind");
        FUZZ_CHECK(!fonts.loadError().isEmpty(), "a rejected font map gave no reason");
        return 0;
    }
    const std::vector<std::uint8_t> first = stored(fonts);
    FontSet again(models);
    MemoryStream reread(first);
    FUZZ_CHECK(again.loadFontMap(reread, registry()), "a stored font map does not load");
    FUZZ_CHECK(again.count() == fonts.count(), "a stored font map lost fonts");
    FUZZ_CHECK(stored(again) == first, "a stored font map reads back to other fonts");
    // The lookups of every model must cope with whatever numbers the map holds.
    for (int i = 0; i < fonts.count(); ++i) {
        const PrinterFont& font = fonts.at(i);
        fonts.downloadCodeOf(font.FontNumber);
        fonts.fontNameOf(font.FontNumber);
    }
    return 0;
}
