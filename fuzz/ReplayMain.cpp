// Runs a fuzz harness over files instead of under the fuzzer: each argument
// is a folder (a seed corpus, saved reproducers) or a single file. A broken
// property or a crash fails the run, so the ordinary test suite replays what
// the fuzzer found.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path place(argv[i]);
        std::vector<fs::path> files;
        if (fs::is_directory(place)) {
            for (const auto& entry : fs::directory_iterator(place))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else if (fs::is_regular_file(place)) {
            files.push_back(place);
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            std::printf("%s\n", file.c_str());
            std::fflush(stdout);
            replay(file);
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // An empty harness run (no seeds at all) is a mistake in the tree.
    return replayed > 0 ? 0 : 1;
}
