#pragma once

#include "ScriptedPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <utility>

// Driving dialogs as a user would, for every test that opens one: finding
// their controls, typing and clicking, and answering the dialogs that the
// code under test runs, whether through the scripted prompter (script,
// modalScript) or in real modal loops (ModalDriver).

// A control of a dialog by name; fails the test when there is none.
template <typename Widget> Widget* control(const QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

inline void click(const QWidget& dialog, const char* button) {
    QTest::mouseClick(control<QAbstractButton>(dialog, button), Qt::LeftButton);
}

// Replaces the text of an edit as a user would, by key strokes.
inline void typeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        QTest::keyClicks(edit, text);
    else // beyond what key clicks can type: as pasted
        edit->insert(text);
}

// Leaves the focused field of a dialog as the user would, by Tab.
inline void leave(QLineEdit* edit) {
    EXPECT_TRUE(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Tab);
}

inline bool shown(const QWidget& dialog, const char* name) {
    const QWidget* widget = control<QWidget>(dialog, name);
    return widget && widget->isVisible();
}

inline QString labelText(const QWidget& dialog, const char* name) {
    const QLabel* label = control<QLabel>(dialog, name);
    return label ? label->text() : QString();
}

// A file dropped on a widget as a file manager drops it: whether the widget
// took the drag and then the drop.
inline bool dropFile(QWidget* target, const QString& path, QPoint at) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

inline QStringList listLines(const QWidget& dialog, const char* name) {
    QStringList lines;
    if (const QListWidget* list = control<QListWidget>(dialog, name))
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
    return lines;
}

// Work paced by timers (packets, progress): the event loop runs until the
// condition holds.
template <typename Condition> bool eventually(Condition condition, int timeoutMs = 15000) {
    return QTest::qWaitFor(condition, timeoutMs);
}

// Runs body on the shown dialog and answers how the dialog was closed (a
// dialog still open counts as cancelled).
template <typename Body> ScriptedPrompter::DialogScript script(Body body) {
    return [body](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        body(dialog);
        const int result = dialog.isVisible() ? int(QDialog::Rejected) : dialog.result();
        dialog.hide();
        return result;
    };
}

// As script, but the dialog runs its own modal event loop (exec) as it does
// for the user; body runs inside that loop with the dialog active.
template <typename Body> ScriptedPrompter::DialogScript modalScript(Body body) {
    return [body](QDialog& dialog) {
        QTimer::singleShot(0, &dialog, [&dialog, body] {
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            body(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.exec();
    };
}

// Answers the modal windows that the code under test opens in real modal
// loops (QDialog::exec, message boxes), as a user at the screen would: each
// modal window that comes up gets the next step, in order. A window that
// comes when no step is left is rejected and counted as unexpected, so a
// test that goes wrong fails instead of hanging.
class ModalDriver : public QObject {
public:
    using Step = std::function<void(QWidget&)>;

    explicit ModalDriver(std::initializer_list<Step> steps = {}) : steps_(steps) { poll(); }

    void add(Step step) { steps_.push_back(std::move(step)); }
    bool allStepsTaken() const { return steps_.empty(); }

    QStringList met; // class names of the modal windows that came up, in order
    int unexpected = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched == current_)
            current_ = nullptr; // the same dialog shown again counts anew
        return false;
    }

private:
    void poll() {
        QTimer::singleShot(5, this, [this] { look(); });
    }
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        // The next look is due before the step runs: a step may open a
        // modal loop of its own (a message about what it typed).
        poll();
        if (!modal || modal == current_ || !modal->isVisible())
            return;
        current_ = modal;
        modal->installEventFilter(this);
        met << QString::fromLatin1(modal->metaObject()->className());
        if (steps_.empty()) {
            ++unexpected;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
            return;
        }
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step(*modal);
    }

    std::deque<Step> steps_;
    QPointer<QWidget> current_;
};
