#pragma once

#include "platform/Prompter.h"

class QWidget;

// The production Prompter: Qt's message boxes and file dialogs.
class WidgetPrompter final : public Prompter {
public:
    explicit WidgetPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    FileAnswer openFile(const FileRequest& request) override;
    FileAnswer saveFile(const FileRequest& request) override;
    void beep() override;
    int runModal(QDialog& dialog) override;

private:
    FileAnswer runFileDialog(const FileRequest& request, bool save);

    QWidget* parent_;
};

// "caption|pattern|caption|pattern" into Qt's "caption (pattern);;…" filters.
QStringList qtFileFilters(const QString& filter);
