#include "widgets/CharacterCounter.h"

#include <QLineEdit>

CharacterCounter::CharacterCounter(QLineEdit& field, QWidget* parent)
    : QLabel(parent), field_(field) {
    setObjectName(field.objectName() + QStringLiteral("Counter"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(&field_, &QLineEdit::textChanged, this, &CharacterCounter::count);
    count();
}

void CharacterCounter::setLimit(int limit, const QString& hint) {
    limit_ = limit;
    const QString tip = hint.arg(limit);
    field_.setToolTip(tip);
    setToolTip(tip);
    // Room for the widest count, so that the label does not jump as it grows.
    const QString widest = QStringLiteral("%1/%1").arg(limit);
    setMinimumWidth(fontMetrics().horizontalAdvance(widest));
    count();
}

void CharacterCounter::count() {
    const QString shown = QStringLiteral("%1/%2").arg(field_.text().size()).arg(limit_);
    setText(shown);
    field_.setAccessibleDescription(toolTip() + QStringLiteral(" (") + shown + u')');
}
