#pragma once

#include "office/InkCost.h"

#include <QDialog>
#include <QImage>

class IniFile;
class Prompter;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

// The ink cost dialog, settings section "InkCostForm": counts the black dots
// of the view when it comes up (a progress bar steps once per row), then
// shows the ink a run of prints takes and what it costs. The number of
// prints (Edit1), the price per litre (Edit2), the usage in litres (Edit3)
// and the unit size in millilitres (Edit4) can be typed; each recomputes the
// results that follow from it as it is typed, and a text that is not a number
// is replaced when the field is left. The price (InkPrice) and the number of
// prints (HowMany) are written back when the dialog closes.
class InkCostDialog : public QDialog {
    Q_OBJECT

public:
    static inline const QString SettingsSection = InkCost::SettingsSection;

    InkCostDialog(const IniFile* settings, const QLocale& locale, QWidget* parent = nullptr);

    // Shows the dialog for the picture of the view at one pixel per dot,
    // margins included, with the model's ink per dot in picolitres.
    void execute(Prompter& prompter, const QImage& picture, int margin, double dotPicolitres);

    // The dots counted when the dialog last came up; 0 until then.
    std::int64_t dotCount() const { return cost_.dots; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void readTexts(const IniFile* settings);
    void readSettings(const IniFile* settings);
    void countDots();

    // The recomputations, each after the field that drives it.
    void computeAll();
    void printsTyped();
    void priceTyped();
    void usageTyped();
    void unitSizeTyped();
    // Replaces a text that is not a number when its field is left.
    void replaceInvalid(QLineEdit* edit);

    void showUsage();
    void showPrintsForUsage();
    void showTotalCost();
    void showUnitCost();
    void showUnitsUsed();
    std::int64_t typedPrints() const;
    double typedDecimal(const QLineEdit* edit) const;
    std::int64_t typedUnitSize() const;
    QString zeroDecimal() const;

    InkCostFormat format_;
    InkCost cost_;
    double usage_ = 0.0;
    // The number of prints as the user typed it or a usage gave it; kept when
    // the field shows 0 because a usage cannot be turned into prints.
    std::int64_t prints_ = 0;
    bool printsStandIn_ = false; // the field shows 0 for want of ink per print
    Prompter* prompter_ = nullptr;
    QImage picture_;
    int margin_ = 0;
    bool counted_ = false;

    QLineEdit* printsEdit_;   // Edit1
    QLineEdit* priceEdit_;    // Edit2
    QLineEdit* usageEdit_;    // Edit3
    QLineEdit* unitSizeEdit_; // Edit4
    QLabel* totalCost_;
    QLabel* unitCost_;
    QLabel* unitsUsed_; // Label2
    QProgressBar* progress_;
    QPushButton* okButton_;
    QLabel* printsLabel_;
    QLabel* priceLabel_;
    QLabel* usageLabel_;
    QLabel* unitSizeLabel_;
    QLabel* totalCostLabel_;
    QLabel* unitCostLabel_;
    QLabel* unitsUsedLabel_;
};
