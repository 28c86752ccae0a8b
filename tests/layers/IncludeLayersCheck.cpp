// Fails, naming each file and line, when an #include under src/ breaks the
// layer order of docs/ARCHITECTURE.md.
//   include-layers-check <src folder> [<widget module header folder>…]

#include "IncludeRules.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: include-layers-check <src folder> [<QtWidgets header folder>…]\n";
        return 2;
    }
    std::vector<std::filesystem::path> widgetDirs(argv + 2, argv + argc);
    for (const auto& dir : widgetDirs)
        if (!std::filesystem::is_directory(dir)) {
            std::cerr << dir.string() << ": no such header folder\n";
            return 2;
        }
    const auto findings = IncludeRules::check(argv[1], widgetDirs);
    for (const IncludeRules::Finding& f : findings)
        std::cout << f.file << ':' << f.line << ": " << f.why << '\n';
    if (!findings.empty()) {
        std::cout << findings.size() << " include(s) against the layer order"
                  << " (docs/ARCHITECTURE.md)\n";
        return 1;
    }
    std::cout << "every include keeps to the layer order\n";
    return 0;
}
