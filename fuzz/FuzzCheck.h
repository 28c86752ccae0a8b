#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// A harness that finds a property broken ends the run the way a crash does,
// so that the fuzzer keeps the input as a reproducer and a replay fails.
#define FUZZ_CHECK(condition, what)                                                                \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, what);        \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

inline std::vector<std::uint8_t> fuzzBytes(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::vector<std::uint8_t>() : std::vector<std::uint8_t>(data, data + size);
}
