#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QImage;

// The ink a print run of an image takes and what it costs: the image's black
// dots times the printer model's ink per dot, related to a number of prints,
// a price per litre and the size of an ink unit (a cartridge or a bottle).
//
// A result that would divide by zero (no dots, no ink per dot, a unit size of
// 0) is 0; nothing else depends on it.
class InkCost {
public:
    // The settings of the ink cost dialog: price per litre, number of prints
    // and unit size.
    static inline const QString SettingsSection = QStringLiteral("InkCostForm");
    static inline const QString PriceKey = QStringLiteral("InkPrice");
    static inline const QString PrintsKey = QStringLiteral("HowMany");
    static inline const QString UnitSizeKey = QStringLiteral("UnitSize");
    static constexpr std::int64_t DefaultUnitSize = 1000;
    // The printer models keep their ink per dot in picolitres.
    static constexpr double LitresPerPicolitre = 1e-12;

    double dotLitres = 0.0;    // ink of one dot, litres
    std::int64_t dots = 0;     // black dots of the image
    double price = 0.0;        // per litre
    std::int64_t unitSize = 0; // millilitres

    // Litres for a number of prints.
    double usage(std::int64_t prints) const;
    // The prints a usage is enough for, to the nearest print.
    std::int64_t printsFor(double usage) const;
    double totalCost(double usage) const;
    // The ink cost of one print.
    double unitCost() const;
    // Units of unitSize a usage takes.
    double unitsUsed(double usage) const;

    // The black pixels of a picture drawn at one pixel per dot, inside the
    // margin on every side (the printable area). rowDone, when given, is told
    // after each row counted, with the number of rows counted so far.
    static std::int64_t countDots(const QImage& picture, int margin,
                                  const std::function<void(int rows)>& rowDone = {});
    // The rows countDots goes through.
    static int countedRows(const QImage& picture, int margin);
};

// How the ink cost's numbers are written and read, in the interface
// language's locale: litres and the cost of one print with 14 decimals, the
// total cost as currency, units used with up to 15 significant digits. Reading accepts
// '.' or ',' for decimals, whatever the language.
class InkCostFormat {
public:
    explicit InkCostFormat(QLocale locale = QLocale::c());

    const QLocale& locale() const { return locale_; }
    QString precise(double value) const; // 14 decimals
    QString prints(std::int64_t value) const;
    // The locale's currency; the plain locale (the command line's) writes two
    // decimals without a symbol.
    QString currency(double value) const;
    QString units(double value) const;
    // A number with two decimals, as the price starts out: "10.00".
    QString twoDecimals(double value) const;

    std::optional<double> decimal(const QString& text) const;
    std::optional<std::int64_t> integer(const QString& text) const;

private:
    QLocale locale_;
};
