// Image files: whatever loads must store, and what it stores must load again
// to an image that stores the very same bytes.
#include "FuzzCheck.h"
#include "ImageBytes.h"
#include "texts/Messages.h"

#include "platform/TolvError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryStream in(fuzzBytes(data, size));
    ImageFileContents contents;
    try {
        contents = ImageFile::read(in, programRegistry(), Messages());
    } catch (const TolvError&) {
        return 0;
    }
    std::vector<std::uint8_t> first;
    try {
        first = storedBytes(contents);
    } catch (const TolvError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        FUZZ_CHECK(false, "an image that loaded could not be stored");
    }
    MemoryStream again(first);
    try {
        const ImageFileContents reread = ImageFile::read(again, programRegistry(), Messages());
        FUZZ_CHECK(storedBytes(reread) == first, "a stored image reads back to a different image");
    } catch (const TolvError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        FUZZ_CHECK(false, "a stored image does not load");
    }
    return 0;
}
