#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Pictures for graphic items from files. A Windows bitmap (".bmp") must
// have one bit per pixel and is taken as it is, every pixel that is not
// white a dot; any other picture Qt reads (PNG, GIF, JPEG, ...) comes back
// as it is, for the user to turn into dots at a threshold.
//
// Files are hostile input: the size a file declares is checked against the
// limit, and a bitmap's length against that size, before its pixels are
// allocated.
namespace PictureFile {

// Where a Windows bitmap keeps its bits per pixel.
constexpr qint64 BitCountOffset = 28;

enum class Problem {
    None,
    Unreadable,   // missing, not a picture, truncated or damaged
    ColourBitmap, // a Windows bitmap of more than one bit per pixel
    TooLarge,     // wider or higher than the limit
};

struct Loaded {
    Problem problem = Problem::Unreadable;
    bool windowsBitmap = false; // the file starts as a Windows bitmap does
    QSize size;                 // what the file declares, once known
    // For a Windows bitmap its dots (MonoBitmap); otherwise the picture.
    QImage picture;
};

// Reads the picture of path, at most limit in each direction.
Loaded load(const QString& path, QSize limit);

} // namespace PictureFile
