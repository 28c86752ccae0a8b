#pragma once

#include "RenderHarness.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "document/wareHouse.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

// What a dialog test needs: private settings and installation folders, the
// test fonts on a display, the data store on the same printer model, and a
// scripted prompter. Model 1 by default: 4000 × 128 dots at 185 dpi.
struct DialogHarness {
    explicit DialogHarness(int modelIndex = 1) : render(modelIndex) {
        data.printers().setSelectedIndex(modelIndex);
    }

    TestFolders folders;
    RenderHarness render;
    TNEBRAData data{nullptr};
    ScriptedPrompter prompter;
};

// A control of a dialog by name; fails the test when there is none.
template <typename Widget> Widget* control(const QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
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

inline void click(const QDialog& dialog, const char* button) {
    QTest::mouseClick(control<QAbstractButton>(dialog, button), Qt::LeftButton);
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

// Leaves the focused field of a dialog as the user would, by Tab.
inline void leave(QLineEdit* edit) {
    EXPECT_TRUE(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_Tab);
}
