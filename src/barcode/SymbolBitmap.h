#pragma once

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// One row of dots built bar by bar, laid over a band of a SymbolBitmap at
// once: every bar of a symbol is as tall as its neighbours, so a symbol is
// drawn as a few rows repeated rather than as one rectangle a bar.
class DotRow {
public:
    explicit DotRow(int width);
    // Blackens the dots x .. x + width - 1 (clipped to the row).
    void fill(int x, int width);
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    int width_;
    std::vector<uint8_t> bytes_; // the row as QImage::Format_Mono lays it out
};

// The bitmap a symbol is drawn into: one pixel a printer dot,
// QImage::Format_Mono with colour 0 white and colour 1 black.
class SymbolBitmap {
public:
    // A white bitmap; null when the size is not positive or beyond what a
    // symbol can sensibly need (only damaged values ask for that).
    SymbolBitmap(int width, int height);

    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Lays row over the rows y .. y + height - 1 (clipped to the bitmap).
    void fillRows(const DotRow& row, int y, int height);
    // Blackens a rectangle (clipped to the bitmap).
    void fill(int x, int y, int width, int height);
    // Draws text (Windows-1252 bytes) in the human-readable font with the top
    // of its line at (x, y).
    void drawText(int x, int y, const std::string& text);

    // The finished bitmap, turned by 180 degrees when turned is set.
    QImage finish(bool turned) &&;

    // The height of a line of the human-readable font (that of "012345").
    static int textHeight();
    // The width of text in that font, in dots.
    static int textWidth(const std::string& text);

private:
    QImage image_;
};
