#include "StoreDirectory.h"

#include <filesystem>
#include <fstream>

namespace {

bool writeFile(const std::filesystem::path& path, const char* bytes, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes, static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

} // namespace

bool StoreDirectory::write(const std::vector<StoredImage>& images) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::create_directories(path_, ignored);
    bool ok = true;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const fs::path base = fs::path(path_) / std::to_string(i + 1);
        const StoredImage& image = images[i];
        ok = writeFile(fs::path(base).concat(".names"), image.names.data(), image.names.size()) &&
             ok;
        ok = writeFile(fs::path(base).concat(".bin"),
                       reinterpret_cast<const char*>(image.bytes.data()), image.bytes.size()) &&
             ok;
    }
    // Images erased since the last write leave no files behind.
    for (std::size_t i = images.size(); i < written_; ++i) {
        const fs::path base = fs::path(path_) / std::to_string(i + 1);
        fs::remove(fs::path(base).concat(".names"), ignored);
        fs::remove(fs::path(base).concat(".bin"), ignored);
    }
    written_ = images.size();
    return ok;
}
