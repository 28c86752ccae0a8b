#pragma once

#include "ScriptedPrompter.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

// Runs body on a dialog that the code under test shows modally, and answers
// how the dialog was closed (one still open counts as cancelled).
template <typename Body> ScriptedPrompter::DialogScript drive(Body body) {
    return [body](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        body(dialog);
        const int result = dialog.isVisible() ? int(QDialog::Rejected) : dialog.result();
        dialog.hide();
        return result;
    };
}

// Packets are paced by timers: the event loop runs until the condition holds.
template <typename Condition> bool eventually(Condition condition, int timeoutMs = 15000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

template <typename Widget> Widget* control(const QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

inline void click(const QWidget& dialog, const char* button) {
    QTest::mouseClick(control<QAbstractButton>(dialog, button), Qt::LeftButton);
}

inline bool shown(const QWidget& dialog, const char* name) {
    const QWidget* widget = control<QWidget>(dialog, name);
    return widget && widget->isVisible();
}

inline QString labelText(const QWidget& dialog, const char* name) {
    const QLabel* label = control<QLabel>(dialog, name);
    return label ? label->text() : QString();
}

inline QStringList listLines(const QWidget& dialog, const char* name) {
    QStringList lines;
    if (const QListWidget* list = control<QListWidget>(dialog, name))
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
    return lines;
}
