#pragma once

#include <QString>

class ClassRegistry;
class Messages;
class Prompter;
class FontSet;

inline const QString FontMapFileName = QStringLiteral("FONTMAP.DEF");

// Loads the font map the program runs with: from the current folder, else
// from the installation folder. Without fonts nothing can be drawn or
// downloaded, so an empty set is reported to the user and false returned;
// the caller then ends the program before its window is shown.
bool loadProgramFonts(FontSet& fonts, const ClassRegistry& registry, Prompter& prompter,
                      const Messages& messages);
