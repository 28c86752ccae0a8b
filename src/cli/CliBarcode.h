#pragma once

#include "barcode/BarcodeData.h"
#include "cli/CliCommands.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// tolvane-cli barcode: draws one barcode symbol as a barcode item draws it.
namespace CliBarcode {

inline const QString Command = QStringLiteral("barcode");

// Runs the command with the arguments after its name.
CliCommands::Outcome run(const QStringList& args);

// The elements of a GS1 value written with its identifiers in brackets,
// "(01)09501101530003(17)261231". Each element's FixedLength comes from the
// first two digits of its identifier (fixedLengthOf). Raises TolvError for
// text of any other shape.
std::vector<Gs1Element> parseGs1(const std::string& text);

// The length of the values of the identifiers that start with those two
// digits when that length is fixed (the identifier's own digits included),
// 0 when the values vary in length: 00-04, 11-20, 31-36 and 41 are fixed.
int fixedLengthOf(const std::string& appId);

} // namespace CliBarcode
