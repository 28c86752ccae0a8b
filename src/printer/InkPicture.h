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

    // Pictures larger than this on screen are drawn without being kept.
    static constexpr qint64 MaxKeptPixels = qint64(4) << 20;

private:
    struct Run {
        int left, right; // right is one past the last black dot
    };
    // Finds the runs of black of picture stretched to size.
    void keep(const QImage& picture, const QSize& size);
    // Writes the kept runs into pixels at origin, within clip.
    void fill(QImage& pixels, const QRect& clip, QPoint origin) const;

    qint64 pictureKey_ = 0;
    QSize size_;
    std::vector<Run> runs_;      // row after row
    std::vector<int> rowStarts_; // where each row's runs start, and the end
};
