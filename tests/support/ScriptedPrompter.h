#pragma once

#include "platform/Prompter.h"

#include <QStringList>

#include "QtPrinters.h"

#include <deque>
#include <functional>
#include <vector>

// A Prompter for tests: records every message, file request, beep and modal
// dialog, and answers from queues the test fills beforehand. An unexpected
// question (empty queue) fails the test and answers Cancel.
class ScriptedPrompter final : public Prompter {
public:
    struct Shown {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };
    // Drives a dialog that the code under test shows modally; returns
    // QDialog::Accepted or QDialog::Rejected.
    using DialogScript = std::function<int(QDialog&)>;

    Answer message(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    FileAnswer openFile(const FileRequest& request) override;
    FileAnswer saveFile(const FileRequest& request) override;
    void beep() override { ++beeps; }
    int runModal(QDialog& dialog) override;

    std::deque<Answer> answers;
    std::deque<FileAnswer> fileAnswers;
    std::deque<DialogScript> dialogScripts;

    std::vector<Shown> shown;
    std::vector<FileRequest> fileRequests;
    QStringList dialogsRun; // object names of the dialogs shown
    int beeps = 0;

    QStringList texts() const;
};
