#include "document/DataStore.h"

#include "platform/IniFile.h"
#include "platform/Windows1252.h"
#include "texts/LanguageFiles.h"
#include "texts/SettingsFile.h"

#include <QLocale>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace {

// The locales of the interface languages, in language-index order.
constexpr QLocale::Language kLanguageLocales[] = {QLocale::English, QLocale::French,
                                                  QLocale::German,  QLocale::Dutch,
                                                  QLocale::Swedish, QLocale::Spanish};
static_assert(std::size(kLanguageLocales) == LanguageFiles::Count);

constexpr int kUnitCount = 4;

// Thousandths of the unit per inch, for the text conversions.
qint64 thousandthsPerInch(int units) {
    switch (units) {
    case DataStore::Millimetres:
        return 25400;
    case DataStore::Inches:
        return 1000;
    default:
        return 72000;
    }
}

// Hundredths of the unit per inch, for dotsToUnits.
qint64 hundredthsPerInch(int units) {
    return thousandthsPerInch(units) / 10;
}

// n ÷ d rounded to the nearest whole number, halves to even like every
// other conversion between dots and screen or units; d > 0.
qint64 roundedQuotient(qint64 n, qint64 d) {
    const qint64 a = std::llabs(n);
    qint64 q = a / d;
    const qint64 twiceRest = 2 * (a % d);
    if (twiceRest > d || (twiceRest == d && q % 2 != 0))
        ++q;
    return n < 0 ? -q : q;
}

// A typed length as thousandths of its unit: exactly three decimals, more
// are cut off (not rounded), fewer are padded with zeros. A point or a comma
// separates the decimals, so a length types the same in every language.
std::optional<int> toThousandths(const QString& text) {
    qsizetype at = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'.' && text[i] != u',')
            continue;
        if (at >= 0)
            return std::nullopt;
        at = i;
    }
    if (!std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    const QString whole = at < 0 ? text : text.left(at);
    const QString decimals = at < 0 ? QString() : text.mid(at + 1);
    bool ok = false;
    const int value = (whole + decimals.left(3).leftJustified(3, u'0')).toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> toInt(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

DataStore::DataStore(const IniFile* settings) : printers_(settings) {
    readLanguage(settings);
    readUnits(settings);
    monthLanguages_ = readMonthLanguages(settings);
    readTimeFormats(settings);
    readGrid(settings);
}

DataStore::~DataStore() {
    writeSettings();
}

void DataStore::readUnits(const IniFile* settings) {
    unitNames_ = {
        SettingsFile::text(settings, UnitsSection, QStringLiteral("PelsStr"),
                           QStringLiteral("Pixels")),
        SettingsFile::text(settings, UnitsSection, QStringLiteral("mmStr"), QStringLiteral("mm")),
        SettingsFile::text(settings, UnitsSection, QStringLiteral("InchesStr"),
                           QStringLiteral("Inches")),
        SettingsFile::text(settings, UnitsSection, QStringLiteral("PointsStr"),
                           QStringLiteral("Points"))};
    if (settings)
        setDisplayUnits(settings->readInteger(UnitsSection, QStringLiteral("DisplayUnits"), 0));
}

void DataStore::readLanguage(const IniFile* settings) {
    const int index = settings ? settings->readInteger(LanguageFiles::SettingsSection,
                                                       QStringLiteral("Language"), 0)
                               : 0;
    const bool known = index >= 0 && index < LanguageFiles::Count;
    locale_ = QLocale(kLanguageLocales[known ? index : 0]);
    // Lengths are short; a group separator would only be mistaken for decimals.
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
}

DataStore::MonthLanguages DataStore::readMonthLanguages(const IniFile* settings) {
    MonthLanguages languages;
    for (int n = 1; n <= int(languages.size()); ++n) {
        const QString key = QStringLiteral("MonthLanguage%1").arg(n);
        MonthLanguage& language = languages[std::size_t(n - 1)];
        language.name =
            SettingsFile::text(settings, OptionsSection, key + QStringLiteral("Name"), QString());
        language.strings = SettingsFile::text(settings, OptionsSection, key, QString());
    }
    return languages;
}

void DataStore::readTimeFormats(const IniFile* settings) {
    if (!settings)
        return;
    const QStringList builtIn{QStringLiteral("None"), QStringLiteral("A/P"),
                              QStringLiteral("AM/PM"), QStringLiteral("a/p"),
                              QStringLiteral("am/pm")};
    for (int i = 0; i < builtIn.size(); ++i)
        timeFormats_ << settings->readString(TimeSection, QStringLiteral("Format%1").arg(i),
                                             builtIn[i]);
}

void DataStore::readGrid(const IniFile* settings) {
    if (!settings)
        return;
    snapOn_ = settings->readBool(GridSection, QStringLiteral("SnapOn"), false);
    gridOn_ = settings->readBool(GridSection, QStringLiteral("GridOn"), false);
    setPitch(settings->readInteger(GridSection, QStringLiteral("Pitch"), kDefaultPitch));
}

void DataStore::writeSettings(Prompter* prompter) const {
    const auto settings = SettingsFile::open(prompter);
    if (!settings)
        return;
    settings->writeInteger(UnitsSection, QStringLiteral("DisplayUnits"), units_);
    settings->writeBool(GridSection, QStringLiteral("SnapOn"), snapOn_);
    settings->writeBool(GridSection, QStringLiteral("GridOn"), gridOn_);
    settings->writeInteger(GridSection, QStringLiteral("Pitch"), pitch_);
}

void DataStore::setDisplayUnits(int units) {
    if (units >= 0 && units < kUnitCount)
        units_ = std::uint8_t(units);
}

QString DataStore::unitName() const {
    return unitNames_[units_];
}

QString DataStore::dotsToText(int dots, int dpi) const {
    if (units_ == Dots)
        return QString::number(dots);
    const qint64 q = dpi > 0 ? roundedQuotient(qint64(dots) * thousandthsPerInch(units_), dpi) : 0;
    const QString digits =
        (q >= 1 ? QString::number(q) : QStringLiteral("0000")).rightJustified(3, u'0');
    return digits.left(digits.size() - 3) + locale_.decimalPoint() + digits.right(3);
}

int DataStore::axisDPI(Axis axis) const {
    return axis == Axis::X ? printers_.printerDPI() : printers_.fontDPI();
}

double DataStore::dotsPerUnit(Axis axis) const {
    const double dpi = axisDPI(axis);
    return units_ == Dots ? 1.0 : dpi * 1000.0 / double(thousandthsPerInch(units_));
}

std::optional<int> DataStore::textToDots(const QString& text, int dpi) const {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (units_ == Dots)
        return toInt(trimmed);
    const std::optional<int> thousandths = toThousandths(trimmed);
    if (!thousandths || dpi <= 0)
        return std::nullopt;
    const qint64 dots = roundedQuotient(qint64(*thousandths) * dpi, thousandthsPerInch(units_));
    if (dots < std::numeric_limits<int>::min() || dots > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(dots);
}

float DataStore::dotsToUnits(int dots) const {
    if (units_ == Dots)
        return float(dots);
    const qint64 q =
        roundedQuotient(qint64(dots) * hundredthsPerInch(units_), printers_.printerDPI());
    return q < 1 ? 0.0f : float(q) / 100.0f;
}

void DataStore::setPitch(int dots) {
    pitch_ = dots > 0 ? dots : kDefaultPitch;
}

void DataStore::resetMonthLanguage() {
    const MonthLanguage& first = monthLanguages_[0];
    monthLanguageName_ = Windows1252::encode(first.name);
    monthStrings_ = Windows1252::encode(first.strings);
}

void DataStore::switchOnDiagnostic() {
    diagnostic_ = true;
    if (showDiagnosticLabel)
        showDiagnosticLabel();
}
