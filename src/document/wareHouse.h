#pragma once

#include "printer/miprinters.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class IniFile;
class Prompter;

// The shared data store (component nebraData): what many windows need and
// no single dialog or item owns — display units and their conversions, the
// grid, the open image's descriptions and month strings, the month languages
// and time formats offered to date and time items, the printer models and
// the diagnostic mode. Created once at start-up; its destruction writes the
// display units and the grid back to the settings file.
class TNEBRAData {
public:
    enum Unit : std::uint8_t { Dots = 0, Millimetres = 1, Inches = 2, Points = 3 };
    // X and widths run along the print, Y and heights across it; each axis
    // has its own resolution.
    enum class Axis : std::uint8_t { X, Y };

    struct MonthLanguage {
        QString name;    // MonthLanguage<n>Name
        QString strings; // MonthLanguage<n>, laid out as the date item expects
    };

    static constexpr int kDefaultPitch = 40;

    // settings: the open settings file, or null when there is none.
    explicit TNEBRAData(const IniFile* settings);
    ~TNEBRAData();
    TNEBRAData(const TNEBRAData&) = delete;
    TNEBRAData& operator=(const TNEBRAData&) = delete;

    // Writes DisplayUnits, SnapOn, GridOn and Pitch, in that order, when the
    // settings file exists now. The destructor calls it.
    void writeSettings(Prompter* prompter = nullptr) const;

    std::uint8_t DisplayUnits() const { return units_; }
    // Ignored for a value that is not a unit, so conversions always have one.
    void SetDisplayUnits(int units);
    QString UnitName() const;

    // A length in the current unit: dots as an integer, other units with three
    // decimals after the interface language's separator. Halves round to even.
    QString DotsToText(int dots, int dpi) const;
    // The dots of a typed length in the current unit; nothing when the text
    // is not a number or the length does not fit. Either '.' or ',' may
    // separate the decimals, whatever the language.
    std::optional<int> TextToDots(const QString& text, int dpi) const;

    // The selected model's resolution on an axis: along the print for X,
    // across it for Y.
    int AxisDPI(Axis axis) const;
    // Positions and sizes on an axis of the image, at that axis' resolution.
    QString DotsToText(int dots, Axis axis) const { return DotsToText(dots, AxisDPI(axis)); }
    std::optional<int> TextToDots(const QString& text, Axis axis) const {
        return TextToDots(text, AxisDPI(axis));
    }
    // Image dots in one display unit on an axis (1 for dots), for the rulers.
    double DotsPerUnit(Axis axis) const;
    // The locale of the interface language, for numbers in display units.
    const QLocale& locale() const { return locale_; }

    // The length in the current unit at the selected model's print resolution.
    float DotsToUnits(int dots) const;

    int Pitch() const { return pitch_; }
    // A pitch that is not positive would give no grid at all: it becomes 40.
    void SetPitch(int dots);
    bool GridOn() const { return gridOn_; }
    void SetGridOn(bool on) { gridOn_ = on; }
    bool SnapOn() const { return snapOn_; }
    void SetSnapOn(bool on) { snapOn_ = on; }

    // The open image's descriptions and month strings (bytes, as files keep them).
    const std::string& ShortName() const { return shortName_; }
    void SetShortName(std::string name) { shortName_ = std::move(name); }
    const std::string& LongName() const { return longName_; }
    void SetLongName(std::string name) { longName_ = std::move(name); }
    const std::string& MonthLanguageName() const { return monthLanguageName_; }
    void SetMonthLanguageName(std::string name) { monthLanguageName_ = std::move(name); }
    const std::string& MonthStrings() const { return monthStrings_; }
    void SetMonthStrings(std::string strings) { monthStrings_ = std::move(strings); }
    // The open image takes month language 1.
    void resetMonthLanguage();

    // Month languages 1 to 4 at indexes 0 to 3.
    const std::array<MonthLanguage, 4>& monthLanguages() const { return monthLanguages_; }
    // Format0 … Format4; empty when there is no settings file.
    const QStringList& timeFormats() const { return timeFormats_; }

    TCoderList& printers() { return printers_; }
    const TCoderList& printers() const { return printers_; }

    bool diagnostic() const { return diagnostic_; }
    // Switches the diagnostic mode on for the rest of the run and asks the
    // main window to show its diagnostic label.
    void switchOnDiagnostic();
    std::function<void()> showDiagnosticLabel;

private:
    void readUnits(const IniFile* settings);
    void readLanguage(const IniFile* settings);
    void readMonthLanguages(const IniFile* settings);
    void readTimeFormats(const IniFile* settings);
    void readGrid(const IniFile* settings);

    std::uint8_t units_ = Dots;
    QLocale locale_;
    std::array<QString, 4> unitNames_;
    int pitch_ = kDefaultPitch;
    bool gridOn_ = false;
    bool snapOn_ = false;
    std::string shortName_;
    std::string longName_;
    bool diagnostic_ = false;
    QStringList timeFormats_;
    std::array<MonthLanguage, 4> monthLanguages_;
    std::string monthLanguageName_;
    std::string monthStrings_;
    TCoderList printers_;
};
