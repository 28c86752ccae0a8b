#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class IniFile;

// One printer model: its print head, longest message, resolutions,
// justification style and ink dot value.
struct PrinterModel {
    QString name;          // caption of the model (the print head types it serves)
    int FontDPI = 0;       // across the print direction: screen fonts, vertical lengths
    int PrinterDPI = 0;    // along the print direction: horizontal lengths, grid pitch
    int Height = 0;        // dots of the print head
    int Width = 0;         // longest message in dots
    double Dot = 0.0;      // ink dot value for the ink cost calculator
    std::uint8_t Just = 0; // 0: left / centre / right buttons, 1: top / middle / bottom
};

// The three printer models, always in the same order, and the selected one.
//
// Values come from section "SelectPrinter" of the settings file; a missing
// file, a missing key or a value no model could have (not a number, not
// positive, absurdly large) takes the built-in value, so the three models
// always exist and every resolution can be divided by.
class PrinterModels {
public:
    static inline const QString SettingsSection = QStringLiteral("SelectPrinter");

    // settings: the open settings file, or null when there is none.
    explicit PrinterModels(const IniFile* settings);

    int count() const { return int(coders_.size()); }
    const PrinterModel& coder(int index) const { return coders_.at(std::size_t(index)); }

    int selectedIndex() const { return selected_; }
    // Ignored unless index names a model.
    void setSelectedIndex(int index);

    // The selected model's geometry.
    int fontDPI() const { return selectedCoder().FontDPI; }
    int printerDPI() const { return selectedCoder().PrinterDPI; }
    int height() const { return selectedCoder().Height; }
    int width() const { return selectedCoder().Width; }
    double dot() const { return selectedCoder().Dot; }
    std::uint8_t just() const { return selectedCoder().Just; }

    // The code that image files and fonts use for the selected model: 1, 2 or 4.
    int selectedModelBit() const { return modelCodeForIndex(selected_); }

    // The caption of model index 0..2 as the settings file names it.
    static QString modelName(const IniFile* settings, int index);

    static int modelCodeForIndex(int index);
    // The model an image file's type code selects; unknown codes mean the middle model.
    static int indexForModelCode(int code);

private:
    const PrinterModel& selectedCoder() const { return coders_[std::size_t(selected_)]; }

    std::vector<PrinterModel> coders_;
    int selected_ = 0;
};
