#include "ScriptedPrompter.h"

#include <QDialog>

#include <gtest/gtest.h>

Prompter::Answer ScriptedPrompter::message(const QString& text, const QString& caption, Icon icon,
                                           Buttons buttons) {
    shown.push_back({text, caption, icon, buttons});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

Prompter::FileAnswer ScriptedPrompter::openFile(const FileRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.caption.toStdString();
        return {};
    }
    FileAnswer a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

Prompter::FileAnswer ScriptedPrompter::saveFile(const FileRequest& request) {
    return openFile(request);
}

int ScriptedPrompter::runModal(QDialog& dialog) {
    dialogsRun << dialog.objectName();
    if (dialogScripts.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    DialogScript script = std::move(dialogScripts.front());
    dialogScripts.pop_front();
    const int result = script(dialog);
    dialog.setResult(result);
    return result;
}

QStringList ScriptedPrompter::texts() const {
    QStringList t;
    for (const Shown& s : shown)
        t << s.text;
    return t;
}
