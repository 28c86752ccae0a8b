#pragma once

#include "HandheldDevice.h"

#include <string>
#include <vector>

// Mirrors the simulated handheld's memory into a folder, so that tests can
// compare what arrived byte for byte: image n (1-based) as n.names (the
// names packet's bytes) and n.bin (the image bytes).
class StoreDirectory {
public:
    explicit StoreDirectory(std::string path) : path_(std::move(path)) {}

    // Rewrites the folder's image files; false when they cannot be written.
    bool write(const std::vector<StoredImage>& images);

private:
    std::string path_;
    std::size_t written_ = 0;
};
