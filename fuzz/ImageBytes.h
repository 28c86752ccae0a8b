#pragma once

// What the image-file and JSON harnesses share: the program's classes and
// the bytes an image stores to.
#include "app/ProgramClasses.h"
#include "document/ImageFile.h"
#include "persist/ClassRegistry.h"
#include "persist/MemoryStream.h"

#include <cstdint>
#include <vector>

inline const ClassRegistry& programRegistry() {
    static const ClassRegistry registry = [] {
        ClassRegistry made;
        registerProgramClasses(made);
        return made;
    }();
    return registry;
}

inline std::vector<std::uint8_t> storedBytes(const ImageFileContents& contents) {
    MemoryStream out;
    ImageFile::write(out, contents.Header, *contents.Items, programRegistry());
    return out.bytes();
}
