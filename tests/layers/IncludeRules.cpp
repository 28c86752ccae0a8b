#include "IncludeRules.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <regex>

namespace IncludeRules {

namespace {

// Bottom to top. app and cli share the top: cli may use app's model files,
// app never includes cli. widgets has no rank of its own (see mayReach).
constexpr std::array<const char*, 12> Order = {"platform", "persist",  "texts", "printer",
                                               "barcode",  "document", "items", "editor",
                                               "comms",    "office",   "app",   "cli"};

// What the shared widgets may use of the model and of the ui/ folders.
const std::string WidgetsReach = "document";

int rankOf(const std::string& layer) {
    if (layer == "widgets")
        return rankOf(WidgetsReach);
    const auto it = std::find(Order.begin(), Order.end(), layer);
    return int(it - Order.begin());
}

bool isLayer(const std::string& name) {
    return name == "widgets" || std::find(Order.begin(), Order.end(), name) != Order.end();
}

std::string describe(const Place& p) {
    if (p.inUiFolder)
        return p.layer + " (ui)";
    if (p.layer == "widgets" || p.layer == "app" || p.layer == "cli")
        return p.layer;
    return p.layer + " (model)";
}

} // namespace

std::optional<Place> placeOf(const std::string& path) {
    const std::filesystem::path p(path);
    auto part = p.begin();
    if (part == p.end() || !isLayer(part->string()))
        return std::nullopt;
    Place place;
    place.layer = part->string();
    place.inUiFolder = std::any_of(std::next(part), p.end(),
                                   [](const std::filesystem::path& c) { return c == "ui"; });
    return place;
}

std::optional<std::string> quotedViolation(const std::string& file, const std::string& header) {
    const std::optional<Place> from = placeOf(file);
    const std::optional<Place> to = placeOf(header);
    if (!from || !to)
        return std::nullopt;
    const std::string both = describe(*from) + " includes " + describe(*to);
    if (to->layer == "cli" && from->layer != "cli")
        return both + ": nothing includes the command line";
    if (to->layer != "widgets" && rankOf(to->layer) > rankOf(from->layer))
        return both + ": " + to->layer + " is above " + from->layer + " in the layer order";
    if (to->isWidgetCode() && !from->mayUseWidgets())
        return both + ": model code never includes widget code";
    return std::nullopt;
}

std::optional<std::string> systemViolation(const std::string& file, const std::string& header,
                                           const std::vector<std::filesystem::path>& widgetDirs) {
    const std::optional<Place> from = placeOf(file);
    if (!from || from->mayUseWidgets())
        return std::nullopt;
    for (const std::filesystem::path& dir : widgetDirs) {
        const std::filesystem::path module = dir.filename();
        std::filesystem::path name(header);
        if (name.begin() != name.end() && *name.begin() == module)
            name = name.lexically_relative(module);
        if (std::filesystem::exists(dir / name))
            return describe(*from) + " includes <" + header + "> of " + module.string() +
                   ": model code never includes widget code";
    }
    return std::nullopt;
}

std::vector<Finding> check(const std::filesystem::path& srcRoot,
                           const std::vector<std::filesystem::path>& widgetDirs) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(srcRoot)) {
        const std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp" || ext == ".in"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<Finding> findings;
    for (const std::filesystem::path& path : files) {
        const std::string file = path.lexically_relative(srcRoot).generic_string();
        std::ifstream in(path);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch m;
            if (!std::regex_search(line, m, include))
                continue;
            const std::optional<std::string> why = m[1] == "\""
                                                       ? quotedViolation(file, m[2])
                                                       : systemViolation(file, m[2], widgetDirs);
            if (why)
                findings.push_back({"src/" + file, number, *why + " (\"" + m[2].str() + "\")"});
        }
    }
    return findings;
}

} // namespace IncludeRules
