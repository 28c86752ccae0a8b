#pragma once

#include <QString>

class QDialog;

// The one seam through which the program talks to the user outside its own
// windows: message boxes, questions, file dialogs, the warning beep and the
// modal run of a dialog. The real one uses Qt's standard dialogs; tests
// install a scripted one that records what was shown and answers from a queue.
class Prompter {
public:
    enum class Icon { None, Stop, Exclamation, Question, Information };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct FileRequest {
        QString caption;
        // "caption|pattern|caption|pattern…", the patterns separated by ';'.
        QString filter;
        int filterIndex = 0; // 0-based entry of the filter to preselect
        QString initialDir;
        QString fileName;
        // Saving: whether the dialog itself asks before replacing a file
        // (off where the program asks in its own words).
        bool dialogConfirmsOverwrite = false;
    };
    struct FileAnswer {
        bool accepted = false;
        QString fileName;
        int filterIndex = 0; // the entry in use when the dialog closed
    };

    virtual ~Prompter() = default;

    virtual Answer message(const QString& text, const QString& caption, Icon icon,
                           Buttons buttons) = 0;
    virtual FileAnswer openFile(const FileRequest& request) = 0;
    virtual FileAnswer saveFile(const FileRequest& request) = 0;
    virtual void beep() = 0;
    // Shows the dialog modally; answers QDialog::Accepted or QDialog::Rejected.
    virtual int runModal(QDialog& dialog) = 0;

    // A plain message with an OK button.
    void inform(const QString& text, Icon icon = Icon::Exclamation, const QString& caption = {}) {
        message(text, caption, icon, Buttons::Ok);
    }
};
