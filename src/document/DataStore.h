#pragma once

#include "printer/PrinterModels.h"

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

// The shared data store: what many windows need and no single dialog or item
// owns — display units and their conversions, the grid, the open image's
// descriptions and month strings, the month languages and time formats
// offered to date and time items, the printer models and the diagnostic mode.
// Created once at start-up; its destruction writes the display units and the
// grid back to the settings file.
class DataStore {
public:
    static inline const QString UnitsSection = QStringLiteral("UnitsForm");
    static inline const QString GridSection = QStringLiteral("GridTForm");
    // The month languages.
    static inline const QString OptionsSection = QStringLiteral("TOLVOptions");
    // The time formats.
    static inline const QString TimeSection = QStringLiteral("TIPropEdForm");

    enum Unit : std::uint8_t { Dots = 0, Millimetres = 1, Inches = 2, Points = 3 };
    // X and widths run along the print, Y and heights across it; each axis
    // has its own resolution.
    enum class Axis : std::uint8_t { X, Y };

    struct MonthLanguage {
        QString name;    // MonthLanguage<n>Name
        QString strings; // MonthLanguage<n>, laid out as the date item expects
    };
    using MonthLanguages = std::array<MonthLanguage, 4>;
    // The four month languages of a settings file (null: none, all empty).
    static MonthLanguages readMonthLanguages(const IniFile* settings);

    static constexpr int kDefaultPitch = 40;

    // settings: the open settings file, or null when there is none.
    explicit DataStore(const IniFile* settings);
    ~DataStore();
    DataStore(const DataStore&) = delete;
    DataStore& operator=(const DataStore&) = delete;

    // Writes displayUnits, snapOn, gridOn and pitch, in that order, when the
    // settings file exists now. The destructor calls it.
    void writeSettings(Prompter* prompter = nullptr) const;

    std::uint8_t displayUnits() const { return units_; }
    // Ignored for a value that is not a unit, so conversions always have one.
    void setDisplayUnits(int units);
    QString unitName() const;

    // A length in the current unit: dots as an integer, other units with three
    // decimals after the interface language's separator. Halves round to even.
    QString dotsToText(int dots, int dpi) const;
    // The dots of a typed length in the current unit; nothing when the text
    // is not a number or the length does not fit. Either '.' or ',' may
    // separate the decimals, whatever the language.
    std::optional<int> textToDots(const QString& text, int dpi) const;

    // The selected model's resolution on an axis: along the print for X,
    // across it for Y.
    int axisDPI(Axis axis) const;
    // Positions and sizes on an axis of the image, at that axis' resolution.
    QString dotsToText(int dots, Axis axis) const { return dotsToText(dots, axisDPI(axis)); }
    std::optional<int> textToDots(const QString& text, Axis axis) const {
        return textToDots(text, axisDPI(axis));
    }
    // Image dots in one display unit on an axis (1 for dots), for the rulers.
    double dotsPerUnit(Axis axis) const;
    // The locale of the interface language, for numbers in display units.
    const QLocale& locale() const { return locale_; }

    // The length in the current unit at the selected model's print resolution.
    float dotsToUnits(int dots) const;

    int pitch() const { return pitch_; }
    // A pitch that is not positive would give no grid at all: it becomes 40.
    void setPitch(int dots);
    bool gridOn() const { return gridOn_; }
    void setGridOn(bool on) { gridOn_ = on; }
    bool snapOn() const { return snapOn_; }
    void setSnapOn(bool on) { snapOn_ = on; }

    // The open image's descriptions and month strings (bytes, as files keep them).
    const std::string& shortName() const { return shortName_; }
    void setShortName(std::string name) { shortName_ = std::move(name); }
    const std::string& longName() const { return longName_; }
    void setLongName(std::string name) { longName_ = std::move(name); }
    const std::string& monthLanguageName() const { return monthLanguageName_; }
    void setMonthLanguageName(std::string name) { monthLanguageName_ = std::move(name); }
    const std::string& monthStrings() const { return monthStrings_; }
    void setMonthStrings(std::string strings) { monthStrings_ = std::move(strings); }
    // The open image takes month language 1.
    void resetMonthLanguage();

    // Month languages 1 to 4 at indexes 0 to 3.
    const MonthLanguages& monthLanguages() const { return monthLanguages_; }
    // Format0 … Format4; empty when there is no settings file.
    const QStringList& timeFormats() const { return timeFormats_; }

    PrinterModels& printers() { return printers_; }
    const PrinterModels& printers() const { return printers_; }

    bool diagnostic() const { return diagnostic_; }
    // Switches the diagnostic mode on for the rest of the run and asks the
    // main window to show its diagnostic label.
    void switchOnDiagnostic();
    std::function<void()> showDiagnosticLabel;

private:
    void readUnits(const IniFile* settings);
    void readLanguage(const IniFile* settings);
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
    MonthLanguages monthLanguages_;
    std::string monthLanguageName_;
    std::string monthStrings_;
    PrinterModels printers_;
};
