#pragma once

#include <QString>
#include <QStringList>

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
// tree's data folder; without $TOLVPATH the first of the two that holds the
// font map is taken. Ends with a separator.
QString installDataDir();

// The folders a data file is looked for in, in order: the current folder,
// then the installation data folder. Each ends with a separator.
QStringList dataFileFolders();

// The first of dataFileFolders() that holds the file; empty when none does.
QString findDataFile(const QString& name);

} // namespace Folders
