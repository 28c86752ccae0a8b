// Image files: whatever loads must store, and what it stores must load again
// to an image that stores the very same bytes.
#include "FuzzCheck.h"

#include "app/ProgramClasses.h"
#include "document/ImageFile.h"
#include "persist/ClassRegistry.h"
#include "persist/TMemoryStream.h"
#include "platform/TolvError.h"

namespace {

const ClassRegistry& registry() {
    static ClassRegistry r = [] {
        ClassRegistry made;
        registerProgramClasses(made);
        return made;
    }();
    return r;
}

std::vector<std::uint8_t> stored(const ImageFileContents& contents) {
    TMemoryStream out;
    ImageFile::Write(out, contents.Header, *contents.Items, registry());
    return out.bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream in(fuzzBytes(data, size));
    ImageFileContents contents;
    try {
        contents = ImageFile::Read(in, registry());
    } catch (const TolvError&) {
        return 0;
    }
    std::vector<std::uint8_t> first;
    try {
        first = stored(contents);
    } catch (const TolvError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        FUZZ_CHECK(false, "an image that loaded could not be stored");
    }
    TMemoryStream again(first);
    try {
        const ImageFileContents reread = ImageFile::Read(again, registry());
        FUZZ_CHECK(stored(reread) == first, "a stored image reads back to a different image");
    } catch (const TolvError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        FUZZ_CHECK(false, "a stored image does not load");
    }
    return 0;
}
