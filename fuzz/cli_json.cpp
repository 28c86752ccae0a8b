// The command line's build: a JSON description that builds must give an
// image file that loads, and that file dumped to JSON and built again must
// give the same bytes.
#include "FuzzCheck.h"
#include "ImageBytes.h"
#include "texts/Messages.h"

#include "cli/ImageJson.h"
#include "items/ItemKinds.h"
#include "platform/TolvError.h"

#include <QJsonDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!document.isObject())
        return 0;
    static const ItemJsonConverters converters = itemJsonConverters();
    std::vector<std::uint8_t> built;
    try {
        built = storedBytes(ImageJson::fromJson(document.object(), converters, programRegistry()));
    } catch (const TolvError&) {
        return 0; // refused with a message, as the command line shows it
    }
    try {
        MemoryStream in(built);
        const ImageFileContents contents = ImageFile::read(in, programRegistry(), Messages());
        const QJsonObject dumped = ImageJson::toJson(contents, converters, programRegistry());
        FUZZ_CHECK(storedBytes(ImageJson::fromJson(dumped, converters, programRegistry())) == built,
                   "a built file dumped and built again gives other bytes");
    } catch (const TolvError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        FUZZ_CHECK(false, "a built image file does not load, dump or build again");
    }
    return 0;
}
