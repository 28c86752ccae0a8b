#include "office/InkCost.h"

#include <QImage>

#include <cmath>

double InkCost::usage(std::int64_t prints) const {
    return dotLitres * double(dots) * double(prints);
}

std::int64_t InkCost::printsFor(double usage) const {
    const double perPrint = dotLitres * double(dots);
    if (perPrint == 0.0)
        return 0;
    const double prints = std::round(usage / perPrint);
    // Beyond what a count can hold there is no sensible answer either.
    if (!std::isfinite(prints) || std::fabs(prints) > 9.0e18)
        return 0;
    return std::int64_t(prints);
}

double InkCost::totalCost(double usage) const {
    return price * usage;
}

double InkCost::unitCost() const {
    return dotLitres * double(dots) * price;
}

double InkCost::unitsUsed(double usage) const {
    if (unitSize == 0)
        return 0.0;
    return usage * 1000.0 / double(unitSize);
}

int InkCost::countedRows(const QImage& picture, int margin) {
    return std::max(picture.height() - 2 * margin, 0);
}

std::int64_t InkCost::countDots(const QImage& picture, int margin,
                                const std::function<void(int rows)>& rowDone) {
    const QImage pixels =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_RGB32);
    const int rows = countedRows(pixels, margin);
    const int right = pixels.width() - margin;
    std::int64_t count = 0;
    for (int row = 0; row < rows; ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(margin + row));
        for (int x = margin; x < right; ++x)
            if ((line[x] & 0x00FFFFFFu) == 0)
                ++count;
        if (rowDone)
            rowDone(row + 1);
    }
    return count;
}

InkCostFormat::InkCostFormat(QLocale locale) : locale_(std::move(locale)) {
    locale_.setNumberOptions(locale_.numberOptions() | QLocale::OmitGroupSeparator |
                             QLocale::RejectGroupSeparator);
}

QString InkCostFormat::precise(double value) const {
    return locale_.toString(value, 'f', 14);
}

QString InkCostFormat::prints(std::int64_t value) const {
    return locale_.toString(qlonglong(value));
}

QString InkCostFormat::currency(double value) const {
    if (locale_.language() == QLocale::C)
        return twoDecimals(value);
    return locale_.toCurrencyString(value);
}

QString InkCostFormat::units(double value) const {
    return locale_.toString(value, 'g', 15);
}

QString InkCostFormat::twoDecimals(double value) const {
    return locale_.toString(value, 'f', 2);
}

std::optional<double> InkCostFormat::decimal(const QString& text) const {
    QString typed = text.trimmed();
    bool ok = false;
    double value = locale_.toDouble(typed, &ok);
    if (!ok) {
        typed.replace(u',', u'.');
        value = QLocale::c().toDouble(typed, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> InkCostFormat::integer(const QString& text) const {
    bool ok = false;
    const qlonglong value = locale_.toLongLong(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return std::int64_t(value);
}
