#pragma once

#include <QImage>
#include <QRect>

#include <vector>

class QPainter;

// A two-colour picture's black dots, kept at the size they were last drawn.
// Painting its black dots over what is below is what ANDing the picture
// onto a white-and-black canvas does. Kept as the runs of black in each row
// at the target size, a redraw at the same zoom writes only the black, row
// after row, into the canvas's pixels, instead of stretching the whole
// picture through a raster operation or blending every pixel of it.
class InkPicture {
public:
    // Paints the black dots of picture stretched over target; its white dots
    // leave what is below as it was.
    void paint(QPainter& painter, const QRect& target, const QImage& picture);

    // Keeps the black dots of picture stretched over target, to be written
    // by fill; false, keeping nothing, when the picture is too large.
    bool keep(const QRect& target, const QImage& picture);
    // Keeps the opaque pixels of ink (premultiplied 32-bit, black where
    // opaque) as they are, as its black dots; false, keeping nothing, when
    // some are only partly opaque, which only blending draws.
    bool keepOpaque(const QImage& ink);

    // Writes the kept black dots into pixels (32-bit), with the picture's
    // top-left at topLeft, within clip.
    void fill(QImage& pixels, QPoint topLeft, const QRect& clip) const;

    // Whitens pixels (32-bit) within clip and writes the kept black dots of
    // every picture of inks into them: what erasing and filling each in turn
    // gives, in one pass over the pixels.
    static void fillOnWhite(QImage& pixels, const QRect& clip, std::vector<const InkPicture*> inks);

    // The bitmap of 32-bit pixels the painter paints straight onto, opaque,
    // untransformed and cut at most to one rectangle (clip, in pixels); null
    // for any other painter. Writing into it is what painting would do.
    static QImage* pixelsUnder(QPainter& painter, QRect& clip);

    // Pictures larger than this on screen are drawn without being kept.
    static constexpr qint64 MaxKeptPixels = qint64(4) << 20;

private:
    struct Run {
        int left, right; // right is one past the last black dot
    };
    // Finds the runs of the opaque pixels of ink (premultiplied 32-bit);
    // false when some are only partly opaque.
    bool findRuns(const QImage& ink);
    // Writes the black of the picture's row into line, the picture's left
    // edge at x0, between left and right (inclusive).
    void blackenRow(QRgb* line, int row, int x0, int left, int right) const;

    qint64 pictureKey_ = 0;
    QRect target_;
    std::vector<Run> runs_;      // row after row
    std::vector<int> rowStarts_; // where each row's runs start, and the end
};
