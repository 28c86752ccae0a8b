#pragma once

#include <QString>

// Where the program keeps its settings and finds its installation data.
namespace Folders {

// The folder of "tolv.ini": $TOLV_CONFIG_DIR when set, else the user's
// configuration folder. Created when missing; empty when it can be neither
// determined nor created.
QString settingsDir();

// Full path of "tolv.ini" in the settings folder; empty when settingsDir() is.
QString settingsFile();

// The installation data folder (language files, font map, identifier table):
// $TOLVPATH when set, else <executable dir>/../share/tolvane, else the build
// tree's and then the source tree's data folder. Ends with a separator.
QString installDataDir();

// A data file looked for in the current folder first, then in the
// installation data folder. Empty when found in neither.
QString findDataFile(const QString& name);

} // namespace Folders
