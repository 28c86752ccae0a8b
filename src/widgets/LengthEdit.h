#pragma once

#include "document/DataStore.h"

#include <QLineEdit>

#include <optional>

// A field for a position or size in the display unit, on one axis of the
// image. What the user types stays as typed: the owning dialog reads the
// field when it is left or the dialog is confirmed, never under the cursor.
// Decimals show the interface language's separator and may be typed with a
// point or a comma.
class LengthEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit LengthEdit(QWidget* parent = nullptr);

    // The data store converts the field's lengths on axis; set before use.
    void setAxis(const DataStore& data, DataStore::Axis axis);

    // Shows dots in the display unit. While the text stays as shown it reads
    // back as exactly these dots, which the rounded text alone might miss.
    void showDots(int dots);
    // The dots of the text; nothing for an empty text or one that is not a
    // length in the display unit.
    std::optional<int> dots() const;
    // The text differs from what showDots last put there.
    bool isChanged() const { return text() != shown_; }

private:
    const DataStore* data_ = nullptr;
    DataStore::Axis axis_ = DataStore::Axis::X;
    int shownDots_ = 0;
    QString shown_;
};
