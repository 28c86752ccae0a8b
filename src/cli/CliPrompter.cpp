#include "cli/CliPrompter.h"

Prompter::Answer CliPrompter::message(const QString& text, const QString&, Icon, Buttons buttons) {
    messages_ << text;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

int CliPrompter::runModal(QDialog&) {
    return 0; // QDialog::Rejected, without the widgets library
}
