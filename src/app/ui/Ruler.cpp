#include "app/ui/Ruler.h"

#include <QPainter>

#include <cmath>

TRuler::TRuler(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
    setSizePolicy(orientation == Qt::Horizontal
                      ? QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
                      : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void TRuler::setScale(double pixelsPerDot) {
    scale_ = pixelsPerDot > 0 ? pixelsPerDot : 1.0;
    update();
}

void TRuler::setOrigin(int pixel) {
    origin_ = pixel;
    update();
}

void TRuler::setMargin(int dots) {
    margin_ = dots;
    update();
}

QSize TRuler::sizeHint() const {
    const int thickness = fontMetrics().height() + 8;
    return orientation_ == Qt::Horizontal ? QSize(100, thickness) : QSize(thickness + 12, 100);
}

void TRuler::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const bool horizontal = orientation_ == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    const int thickness = horizontal ? height() : width();
    // Small ticks every 10 dots, or every 50 when they would crowd.
    const int step = scale_ * 10 < 4 ? 50 : 10;
    const int first = int(std::floor((-origin_) / scale_)) - margin_;
    const int firstTick = (first / step) * step;
    for (int dot = firstTick;; dot += step) {
        const int pos = origin_ + int(std::lround((dot + margin_) * scale_));
        if (pos > length)
            break;
        const bool major = dot % 100 == 0;
        const int tick = major ? thickness / 2 : thickness / 5;
        if (horizontal)
            p.drawLine(pos, thickness - tick, pos, thickness);
        else
            p.drawLine(thickness - tick, pos, thickness, pos);
        if (major && pos >= 0) {
            const QString label = QString::number(dot);
            if (horizontal)
                p.drawText(pos + 2, fontMetrics().ascent() + 1, label);
            else
                p.drawText(2, pos + fontMetrics().ascent() + 1, label);
        }
    }
    p.drawLine(horizontal ? QLine(0, thickness - 1, length, thickness - 1)
                          : QLine(thickness - 1, 0, thickness - 1, length));
}
