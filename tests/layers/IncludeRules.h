#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The order of the source folders and what a file in one may include; the
// rules are written out in docs/ARCHITECTURE.md.
namespace IncludeRules {

// Where a source file (or an included header) sits: its folder under src/
// and whether it is in a ui/ folder.
struct Place {
    std::string layer;
    bool inUiFolder = false;

    // Widget code: a ui/ folder or the shared widgets.
    bool isWidgetCode() const { return inUiFolder || layer == "widgets"; }
    // What may include widget code and QtWidgets: widget code and app.
    bool mayUseWidgets() const { return isWidgetCode() || layer == "app"; }
};

// The place of a path relative to src/ ("editor/ui/ItemListDialog.h"); nothing
// when its first folder is not one of the layers.
std::optional<Place> placeOf(const std::string& path);

// Why file (relative to src/) may not include header (as written between the
// quotes, relative to src/); nothing when it may.
std::optional<std::string> quotedViolation(const std::string& file, const std::string& header);

// Why file may not include the Qt header <header>, given the folders that
// hold the widget modules' headers; nothing when it may.
std::optional<std::string> systemViolation(const std::string& file, const std::string& header,
                                           const std::vector<std::filesystem::path>& widgetDirs);

// One broken rule, as "src/<file>:<line>: <why>".
struct Finding {
    std::string file;
    int line = 0;
    std::string why;
};

// Every #include of every source file under srcRoot that breaks a rule.
std::vector<Finding> check(const std::filesystem::path& srcRoot,
                           const std::vector<std::filesystem::path>& widgetDirs);

} // namespace IncludeRules
