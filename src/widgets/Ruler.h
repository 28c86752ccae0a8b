#pragma once

#include <QWidget>

// A ruler beside the image: tick marks and numbers in the display unit, at
// the current zoom, following the image's scroll offset. The first printable
// dot (just inside the margin) is 0. Numbers follow the widget's locale.
class Ruler : public QWidget {
    Q_OBJECT
public:
    explicit Ruler(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Screen pixels per image dot, and the screen position of dot 0.
    void setScale(double pixelsPerDot);
    void setOrigin(int pixel);
    void setMargin(int dots);
    // Image dots in one display unit (1 for dots).
    void setDotsPerUnit(double dots);

    // The spacing of the numbered ticks, in units: 1, 2 or 5 times a power
    // of ten, the smallest whose numbers do not crowd.
    double labelStep() const;
    // The screen position of a length in units from the first printable dot.
    int pixelOf(double units) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Ticks between numbered ones: 10, 5, 2 or none, whichever is the
    // finest that keeps them apart.
    int subdivisions(double step) const;
    void paintTick(QPainter& painter, int pixel, int length) const;
    void paintLabel(QPainter& painter, int pixel, double value, double step) const;

    Qt::Orientation orientation_;
    double scale_ = 1.0;
    int origin_ = 0;
    int margin_ = 50;
    double dotsPerUnit_ = 1.0;
};
