#include "widgets/LengthEdit.h"

LengthEdit::LengthEdit(QWidget* parent) : QLineEdit(parent) {}

void LengthEdit::setAxis(const DataStore& data, DataStore::Axis axis) {
    data_ = &data;
    axis_ = axis;
}

void LengthEdit::showDots(int dots) {
    shownDots_ = dots;
    shown_ = data_ ? data_->dotsToText(dots, axis_) : QString::number(dots);
    setText(shown_);
    // The unit may have changed since the field was last shown.
    if (data_)
        setToolTip(data_->unitName());
}

std::optional<int> LengthEdit::dots() const {
    if (!isChanged())
        return shownDots_;
    return data_ ? data_->textToDots(text(), axis_) : std::nullopt;
}
