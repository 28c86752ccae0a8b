#pragma once

class QBoxLayout;
class QDialog;
class QPushButton;

// The closing buttons of the program's small dialogs: a right-aligned row
// with OK (the default button, accepts; object name "OKButton") and, when
// asked for, Cancel (rejects; "CancelButton"). The caller sets their texts.
struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;

    static DialogButtons addTo(QDialog& dialog, QBoxLayout& layout, bool withCancel = true);
};
