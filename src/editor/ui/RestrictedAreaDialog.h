#pragma once

#include "printer/DotCanvas.h"

#include <QDialog>

#include <array>
#include <optional>

class IniFile;
class Prompter;
class QGroupBox;
class QLabel;
class QPushButton;
class LengthEdit;
class DataStore;

// The restricted area by numbers ("Size of restricted area"), settings
// section "RestrictedAreaForm": position X, Y and size W, H in the display
// unit.
class RestrictedAreaDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("RestrictedAreaForm");

    RestrictedAreaDialog(const IniFile* settings, QWidget* parent = nullptr);

    // Shows the current area; on OK answers the new area in image
    // coordinates, margins included: (X, Y) to (X + W + 100, Y + H + 100),
    // where a field left as shown keeps its exact current value. Nothing on
    // Cancel or when a field is not a number (reported). The caller checks
    // that the area fits the image and holds every item.
    std::optional<DotRect> execute(Prompter& prompter, const DataStore& data,
                                   const DotRect& current);

protected:
    // OK with a field that is not a length is reported and keeps the dialog open.
    void accept() override;

private:
    enum Field { X, Y, W, H, FieldCount };

    void buildControls();
    QGroupBox* buildGroup(const char* name, Field first);
    void readTexts(const IniFile* settings);
    void showArea(const std::array<int, FieldCount>& dots);
    std::optional<DotRect> typedArea();
    std::optional<int> typedValue(Field field);
    void reportInvalid(Field field);
    void fieldLeft(Field field);

    Prompter* prompter_ = nullptr;
    const DataStore* data_ = nullptr;
    std::array<LengthEdit*, FieldCount> edits_{};
    std::array<QLabel*, FieldCount> labels_{};
    std::array<QLabel*, 2> unitLabels_{};
    QGroupBox* positionGroupBox_ = nullptr;
    QGroupBox* sizeGroupBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QString invalidValueError_;
};
