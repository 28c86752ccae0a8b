#include "platform/ui/WidgetPrompter.h"

#include "platform/ui/AccessibleNames.h"
#include "platform/ui/DialogFit.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <algorithm>

namespace {

QMessageBox::Icon toQt(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Stop:
        return QMessageBox::Critical;
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Prompter::Buttons buttons) {
    switch (buttons) {
    case Prompter::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompter::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QStringList qtFileFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        result << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return result;
}

Prompter::Answer WidgetPrompter::message(const QString& text, const QString& caption, Icon icon,
                                         Buttons buttons) {
    QMessageBox box(toQt(icon), caption.isEmpty() ? QApplication::applicationName() : caption, text,
                    toQt(buttons), parent_);
    DialogFit::fit(box);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}

Prompter::FileAnswer WidgetPrompter::runFileDialog(const FileRequest& request, bool save) {
    QFileDialog dialog(parent_, request.caption, request.initialDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.dialogConfirmsOverwrite);
    const QStringList filters = qtFileFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.filterIndex, filters.first()));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    FileAnswer answer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.accepted = true;
    answer.fileName = dialog.selectedFiles().first();
    answer.filterIndex = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return answer;
}

Prompter::FileAnswer WidgetPrompter::openFile(const FileRequest& request) {
    return runFileDialog(request, false);
}

Prompter::FileAnswer WidgetPrompter::saveFile(const FileRequest& request) {
    return runFileDialog(request, true);
}

void WidgetPrompter::beep() {
    QApplication::beep();
}

int WidgetPrompter::runModal(QDialog& dialog) {
    AccessibleNames::complete(dialog);
    DialogFit::fit(dialog);
    return dialog.exec();
}
