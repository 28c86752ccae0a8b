#pragma once

#include "printer/PrinterFont.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class ClassRegistry;

using FontTable = std::vector<std::unique_ptr<PrinterFont>>;

// The readable font table (its format is described at the top of
// data/fontmap.txt), one font per line. Raises TolvError "line N: reason" at
// the first line that is not a sound font, and for a table without fonts.
FontTable parseFontTable(const QByteArray& text);

// Writes the binary font map the program loads. The file at path is replaced
// only once the new one is complete, so a failure never leaves half a map.
void writeFontMap(const QString& path, const FontTable& fonts, const ClassRegistry& registry);
