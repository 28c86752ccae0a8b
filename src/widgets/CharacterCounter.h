#pragma once

#include <QLabel>

class QLineEdit;

// A label beside a field with a length limit that counts what the field
// holds against the limit, "4/10", as the user types. The field gets the
// limit as its tool tip and the counter as its accessible description.
class CharacterCounter : public QLabel {
    Q_OBJECT

public:
    CharacterCounter(QLineEdit& field, QWidget* parent = nullptr);

    // hint is the tool tip's text with %1 for the limit ("up to %1 characters").
    void setLimit(int limit, const QString& hint);
    int limit() const { return limit_; }

private:
    void count();

    QLineEdit& field_;
    int limit_ = 0;
};
