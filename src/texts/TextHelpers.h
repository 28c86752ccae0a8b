#pragma once

#include <QString>

// Small checks on typed text used by the item and barcode dialogs. The
// decimal separator is the one of the current locale.
namespace TextHelpers {

QString removeSpaces(const QString& text);
// The whole text is a 32-bit integer.
bool isInteger(const QString& text);
// Empty, or only the digits 0-9 with at most one decimal separator.
bool isDecimalNumber(const QString& text);
// A finite real in the current locale's notation (no group separators).
bool isReal(const QString& text);
bool isLeapYear(int year);

} // namespace TextHelpers
