#include "texts/TextHelpers.h"

#include <QLocale>

#include <cmath>

namespace TextHelpers {

QString removeSpaces(const QString& text) {
    QString result = text;
    result.remove(u' ');
    return result;
}

bool isInteger(const QString& text) {
    bool ok = false;
    text.toInt(&ok, 10);
    return ok;
}

bool isDecimalNumber(const QString& text) {
    const QString separator = QLocale().decimalPoint();
    QString digits = text;
    if (digits.count(separator) > 1)
        return false;
    digits.remove(separator);
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

bool isReal(const QString& text) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    return ok && std::isfinite(value);
}

bool isLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

} // namespace TextHelpers
