#pragma once

#include <QWidget>

// A ruler beside the image: tick marks for the image's dots at the current
// zoom, numbered every hundred dots, following the image's scroll offset.
class TRuler : public QWidget {
    Q_OBJECT
public:
    explicit TRuler(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Screen pixels per image dot, and the screen position of dot 0.
    void setScale(double pixelsPerDot);
    void setOrigin(int pixel);
    // The first printable dot (the margin) is numbered 0.
    void setMargin(int dots);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
    double scale_ = 1.0;
    int origin_ = 0;
    int margin_ = 50;
};
