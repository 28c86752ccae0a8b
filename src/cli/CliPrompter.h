#pragma once

#include "platform/Prompter.h"

#include <QStringList>

// The command line's prompter: there is nobody to ask, so every message is
// kept for the error line, questions are answered No (or Cancel), and file
// and modal dialogs count as cancelled.
class CliPrompter final : public Prompter {
public:
    Answer message(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    FileAnswer openFile(const FileRequest&) override { return {}; }
    FileAnswer saveFile(const FileRequest&) override { return {}; }
    void beep() override {}
    int runModal(QDialog& dialog) override;

    // The messages shown so far, in one line.
    QString messages() const { return messages_.join(u' '); }

private:
    QStringList messages_;
};
