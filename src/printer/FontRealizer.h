#pragma once

#include "printer/EdgeRect.h"

#include <QFont>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>

class PrinterFont;
class QPainter;

// A screen font that imitates a printer font, with the canvas point size it
// was made for (items compare that size with their measured metrics).
struct RealizedFont {
    QFont font;
    int32_t points = 0;
};

// Turns printer fonts into screen fonts. On screen one printer dot is one
// pixel at zoom 1, so a font's size follows the printer's resolution and the
// zoom, never the resolution of the monitor. Fonts are drawn without
// anti-aliasing: every pixel is a dot or not, as on the print head.
//
// Realised fonts are kept, so redrawing an image does not build its fonts
// again.
class FontRealizer {
public:
    // Pixels per inch of the canvas the fonts are realised for: a fixed
    // property of the picture, not of the screen that shows it.
    static constexpr int CanvasPixelsPerInch = 96;

    // round(pointSize × fontDPI ÷ 96 × scale), ties to even, kept within
    // sizes that can still be drawn.
    static int32_t canvasPoints(int32_t pointSize, int32_t fontDPI, float scale);
    // The pixel height of a font of that many canvas points; at least 1.
    static int pixelSize(int32_t canvasPoints);

    // The screen font for a printer font (null: none, which gives a font of
    // the smallest size) at canvasPoints.
    QFont realize(const PrinterFont* font, int32_t canvasPoints) const;

private:
    using Key = std::tuple<std::string, int, bool>;
    mutable std::map<Key, QFont> cache_;
};

// Rounds to the nearest integer, ties to even, clamped to the int range.
int roundHalfEven(double value);

// Writes text in black with its text cell's top-left corner at cellOrigin,
// turned counter-clockwise by a quarter turn per rotation step.
void drawTextCell(QPainter& painter, const QFont& font, int rotation, QPoint cellOrigin,
                  const QString& text);

// The origin of a cell `distance` pixels further along the cell's height:
// where the next line of a text goes.
QPoint nextLineOrigin(int rotation, QPoint cellOrigin, int distance);

// The pixels that drawTextCell covers for a cell `along` pixels long (the
// text's direction) and `across` pixels high.
EdgeRect textCellRect(int rotation, QPoint cellOrigin, int along, int across);
