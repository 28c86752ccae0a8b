#pragma once

#include <QRect>
#include <QWidget>

#include <functional>

class ImageEditor;

// What the surface shows over the picture of the items.
struct SurfaceOverlay {
    int gridPitch = 0; // dots between grid lines; 0: no grid
    QRect area;        // the printable part of the restricted area, picture pixels
    QRect highlight;   // the selected item, picture pixels; null when none
};

// The picture of the image: the display's bitmap, each of its pixels shown
// as a square of magnification × magnification pixels (1 up to 200 %, more
// for the dot-level zooms, where the bitmap holds one pixel per dot), with
// the selection, the grid and the restricted area painted over it, so that
// the bitmap itself holds nothing but the items. The grid goes under the
// items: it only darkens, and never lightens an item's dot.
//
// Mouse events leave it as signals in the picture's pixels (left of or
// above the picture counts as 0).
class ImageWidget : public QWidget {
    Q_OBJECT
public:
    ImageWidget(ImageEditor& editor, QWidget* parent = nullptr);

    // Asked at every paint.
    void setOverlaySource(std::function<SurfaceOverlay()> source);

    // The widget takes the picture's size times the magnification.
    void setMagnification(int magnification);
    int magnification() const { return magnification_; }
    // The picture pixel under a pixel of the widget, and the middle of a
    // picture pixel's square on the widget.
    QPoint picturePixelAt(QPoint widgetPixel) const;
    QPoint widgetPixelOf(QPoint picturePixel) const;
    // Repaints what shows these picture pixels; a null rectangle: all.
    void updatePicture(const QRect& picturePixels);

    QSize sizeHint() const override;

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pixel);
    void mouseMoved(Qt::KeyboardModifiers shift, QPoint pixel);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pixel);
    // The second press of a double click with the left button, in place of
    // its mouseDown.
    void doubleClicked(QPoint pixel);
    // A Windows bitmap file (".bmp") was dropped on the picture.
    void bitmapDropped(const QString& path, QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QRect onWidget(const QRect& picturePixels) const;
    void paintPicture(QPainter& painter, const QRect& exposed) const;
    void paintGrid(QPainter& painter, const QRect& exposed, int pitch) const;

    ImageEditor& editor_;
    std::function<SurfaceOverlay()> overlaySource_;
    int magnification_ = 1;
};
