#include "comms/ui/HandheldContentsDialog.h"

#include "comms/ui/ActivityIndicator.h"
#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "platform/ui/WindowPlacement.h"
#include "texts/SettingsFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

template <typename Widget> Widget* named(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* closingButton(QDialog* dialog, QWidget* parent, const char* name,
                           const char* caption) {
    auto* b = named<QPushButton>(parent, name);
    b->setText(QLatin1String(caption));
    QObject::connect(b, &QPushButton::clicked, dialog, &QDialog::accept);
    return b;
}

QHBoxLayout* buttonRow(QPushButton* button) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return row;
}

} // namespace

HandheldContentsDialog::HandheldContentsDialog(const IniFile* settings, Packet& replyPacket,
                                               const Messages& messages, LinkTimeouts timeouts,
                                               QWidget* parent)
    : QDialog(parent), texts_(DownloadTexts::read(settings)),
      link_(replyPacket, messages, timeouts), lister_(link_),
      pages_(named<QStackedWidget>(this, "PageControl")),
      listTimer_(named<QTimer>(this, "ListTimer")) {
    setObjectName(SettingsSection);
    pages_->addWidget(makeViewPage());
    pages_->addWidget(named<QWidget>(nullptr, "ImageDelete"));
    pages_->addWidget(makeErrorPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    listTimer_->setSingleShot(true);
    connect(listTimer_, &QTimer::timeout, this, &HandheldContentsDialog::listStep);
    readTexts(settings);
    restorePlace(*this, settings, SettingsSection);
}

HandheldContentsDialog::~HandheldContentsDialog() = default;

QWidget* HandheldContentsDialog::makeViewPage() {
    auto* page = named<QWidget>(nullptr, "ImageView");
    listBox1_ = named<QListWidget>(page, "ListBox1");
    copyAnimation_ = named<ActivityIndicator>(page, "CopyAnimation");
    okButton_ = closingButton(this, page, "OKButton", "OK");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(listBox1_);
    layout->addWidget(copyAnimation_);
    layout->addLayout(buttonRow(okButton_));
    return page;
}

QWidget* HandheldContentsDialog::makeErrorPage() {
    auto* page = named<QWidget>(nullptr, "ErrorPage");
    errorLabel_ = named<QLabel>(page, "ErrorLabel");
    continueButton_ = closingButton(this, page, "ContinueButton", "Continue");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(errorLabel_);
    layout->addStretch();
    layout->addLayout(buttonRow(continueButton_));
    return page;
}

void HandheldContentsDialog::readTexts(const IniFile* settings) {
    setWindowTitle(SettingsFile::text(settings, SettingsSection, QStringLiteral("Caption"),
                                      QStringLiteral("Handheld")));
    okButton_->setText(
        SettingsFile::text(settings, SettingsSection, QStringLiteral("OK"), okButton_->text()));
    continueButton_->setText(SettingsFile::text(
        settings, SettingsSection, QStringLiteral("Continue"), continueButton_->text()));
}

HandheldContentsDialog::Page HandheldContentsDialog::currentPage() const {
    return Page(pages_->currentIndex());
}

QStringList HandheldContentsDialog::imageNames() const {
    QStringList names;
    for (int row = 0; row < listBox1_->count(); ++row)
        names << listBox1_->item(row)->text();
    return names;
}

bool HandheldContentsDialog::listing() const {
    return link_.isOpen();
}

bool HandheldContentsDialog::view(Prompter& prompter, int commsPort) {
    if (!link_.openCommsPort(commsPort, prompter))
        return false;
    prompter_ = &prompter;
    lister_.restart();
    listBox1_->clear();
    pages_->setCurrentIndex(ImageView);
    copyAnimation_->start();
    okButton_->hide();
    show();
    repaint();
    listTimer_->start(0);
    return true;
}

// One packet per turn of the event loop, so the dialog stays responsive.
void HandheldContentsDialog::listStep() {
    switch (lister_.next()) {
    case HandheldLister::Step::Receiving:
        break;
    case HandheldLister::Step::Name:
        listBox1_->addItem(lister_.names().back());
        break;
    case HandheldLister::Step::Ended:
        return listEnded();
    case HandheldLister::Step::Empty:
        return listFailed(texts_.error(texts_.HandHeldEmpty));
    default:
        return listFailed(texts_.error(texts_.CommsError));
    }
    listTimer_->start(0);
}

void HandheldContentsDialog::listEnded() {
    link_.closePort();
    copyAnimation_->stop();
    okButton_->show();
    pages_->setCurrentIndex(ImageView);
    listBox1_->setFocus();
}

void HandheldContentsDialog::listFailed(const QString& text) {
    link_.closePort();
    copyAnimation_->stop();
    hide();
    errorLabel_->setText(text);
    pages_->setCurrentIndex(ErrorPage);
    if (prompter_)
        prompter_->runModal(*this);
}

void HandheldContentsDialog::done(int result) {
    listTimer_->stop();
    link_.closePort();
    QDialog::done(result);
}
