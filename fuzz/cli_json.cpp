// The command line's build: a JSON description that builds must give an
// image file that loads, and that file dumped to JSON and built again must
// give the same bytes.
#include "FuzzCheck.h"

#include "app/ProgramClasses.h"
#include "cli/ImageJson.h"
#include "cli/ItemJson.h"
#include "document/ImageFile.h"
#include "persist/ClassRegistry.h"
#include "persist/TMemoryStream.h"
#include "platform/TolvError.h"

#include <QJsonDocument>

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
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!document.isObject())
        return 0;
    static const ItemJsonConverters converters = ItemJsonConverters::Standard();
    std::vector<std::uint8_t> built;
    try {
        built = stored(ImageJson::FromJson(document.object(), converters, registry()));
    } catch (const TolvError&) {
        return 0; // refused with a message, as the command line shows it
    }
    try {
        TMemoryStream in(built);
        const ImageFileContents contents = ImageFile::Read(in, registry());
        const QJsonObject dumped = ImageJson::ToJson(contents, converters, registry());
        FUZZ_CHECK(stored(ImageJson::FromJson(dumped, converters, registry())) == built,
                   "a built file dumped and built again gives other bytes");
    } catch (const TolvError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        FUZZ_CHECK(false, "a built image file does not load, dump or build again");
    }
    return 0;
}
