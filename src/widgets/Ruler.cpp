#include "widgets/Ruler.h"

#include <QLocale>
#include <QPainter>

#include <cmath>

namespace {

constexpr int MinLabelSpacing = 60; // pixels between numbered ticks
constexpr int MinTickSpacing = 4;   // pixels between any two ticks

// Decimals that show a multiple of step exactly.
int decimalsFor(double step) {
    return step >= 1.0 ? 0 : int(std::ceil(-std::log10(step) - 1e-9));
}

} // namespace

Ruler::Ruler(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
    setSizePolicy(orientation == Qt::Horizontal
                      ? QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
                      : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void Ruler::setScale(double pixelsPerDot) {
    scale_ = pixelsPerDot > 0 ? pixelsPerDot : 1.0;
    update();
}

void Ruler::setOrigin(int pixel) {
    origin_ = pixel;
    update();
}

void Ruler::setMargin(int dots) {
    margin_ = dots;
    update();
}

void Ruler::setDotsPerUnit(double dots) {
    dotsPerUnit_ = dots > 0 ? dots : 1.0;
    update();
}

QSize Ruler::sizeHint() const {
    const int thickness = fontMetrics().height() + 8;
    return orientation_ == Qt::Horizontal ? QSize(100, thickness) : QSize(thickness + 16, 100);
}

double Ruler::labelStep() const {
    const double pixelsPerUnit = scale_ * dotsPerUnit_;
    double power = std::pow(10.0, std::floor(std::log10(MinLabelSpacing / pixelsPerUnit)));
    for (;; power *= 10)
        for (const double factor : {1.0, 2.0, 5.0})
            if (factor * power * pixelsPerUnit >= MinLabelSpacing)
                return factor * power;
}

int Ruler::pixelOf(double units) const {
    return origin_ + int(std::lround((margin_ + units * dotsPerUnit_) * scale_));
}

int Ruler::subdivisions(double step) const {
    const double pixels = step * dotsPerUnit_ * scale_;
    for (const int parts : {10, 5, 2})
        if (pixels / parts >= MinTickSpacing)
            return parts;
    return 1;
}

void Ruler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const bool horizontal = orientation_ == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    const int thickness = horizontal ? height() : width();
    const double step = labelStep();
    const int parts = subdivisions(step);
    const double tick = step / parts;
    // From the first tick at or before the ruler's start to its end.
    const double startUnits = ((0 - origin_) / scale_ - margin_) / dotsPerUnit_;
    for (long long i = std::llround(std::floor(startUnits / step)) * parts;; ++i) {
        const int pixel = pixelOf(double(i) * tick);
        if (pixel > length)
            break;
        const bool labelled = i % parts == 0;
        const bool half = parts % 2 == 0 && i % (parts / 2) == 0;
        paintTick(painter, pixel, labelled ? thickness / 2 : half ? thickness / 3 : thickness / 5);
        if (labelled)
            paintLabel(painter, pixel, double(i) * tick, step);
    }
    painter.drawLine(horizontal ? QLine(0, thickness - 1, length, thickness - 1)
                                : QLine(thickness - 1, 0, thickness - 1, length));
}

void Ruler::paintTick(QPainter& painter, int pixel, int length) const {
    const int thickness = orientation_ == Qt::Horizontal ? height() : width();
    if (orientation_ == Qt::Horizontal)
        painter.drawLine(pixel, thickness - length, pixel, thickness);
    else
        painter.drawLine(thickness - length, pixel, thickness, pixel);
}

void Ruler::paintLabel(QPainter& painter, int pixel, double value, double step) const {
    const QString text = locale().toString(value, 'f', decimalsFor(step));
    const int ascent = painter.fontMetrics().ascent();
    if (orientation_ == Qt::Horizontal)
        painter.drawText(pixel + 2, ascent + 1, text);
    else
        painter.drawText(2, pixel + ascent + 1, text);
}
