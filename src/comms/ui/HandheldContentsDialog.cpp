#include "comms/ui/HandheldContentsDialog.h"

#include "comms/ui/ActivityIndicator.h"
#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "platform/ui/AccessibleNames.h"
#include "platform/ui/DialogFit.h"
#include "platform/ui/WindowPlacement.h"
#include "texts/SettingsFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
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
      link_(replyPacket, messages, timeouts), pages_(named<QStackedWidget>(this, "PageControl")) {
    setObjectName(SettingsSection);
    pages_->addWidget(makeViewPage());
    pages_->addWidget(named<QWidget>(nullptr, "ImageDelete"));
    pages_->addWidget(makeErrorPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    const LinkWorker* worker = link_.worker();
    connect(worker, &LinkWorker::imageListed, this,
            [this](const QString& name) { listBox1_->addItem(name); });
    connect(worker, &LinkWorker::listEnded, this, &HandheldContentsDialog::listEnded);
    connect(worker, &LinkWorker::cancelled, this, [this] {
        if (isVisible())
            listFailed(texts_.Cancelled);
    });
    readTexts(settings);
    restorePlace(*this, settings, SettingsSection);
}

HandheldContentsDialog::~HandheldContentsDialog() = default;

QWidget* HandheldContentsDialog::makeViewPage() {
    auto* page = named<QWidget>(nullptr, "ImageView");
    listBox1_ = named<QListWidget>(page, "ListBox1");
    copyAnimation_ = named<ActivityIndicator>(page, "CopyAnimation");
    okButton_ = closingButton(this, page, "OKButton", "OK");
    cancelButton_ = named<QPushButton>(page, "CancelButton");
    cancelButton_->setText(QStringLiteral("Cancel"));
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        cancelButton_->setEnabled(false);
        link_.worker()->cancel();
    });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(listBox1_);
    layout->addWidget(copyAnimation_);
    auto* row = buttonRow(okButton_);
    row->addWidget(cancelButton_);
    layout->addLayout(row);
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
    cancelButton_->setText(SettingsFile::text(settings, DownloadTexts::Section,
                                              QStringLiteral("Cancel"), cancelButton_->text()));
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
    return link_.worker()->portOpen();
}

bool HandheldContentsDialog::view(Prompter& prompter, int commsPort) {
    if (!link_.openCommsPort(commsPort, prompter))
        return false;
    prompter_ = &prompter;
    listBox1_->clear();
    pages_->setCurrentIndex(ImageView);
    copyAnimation_->start();
    okButton_->hide();
    cancelButton_->setEnabled(true);
    cancelButton_->show();
    AccessibleNames::complete(*this);
    DialogFit::fit(*this);
    show();
    link_.post([](LinkWorker& link) { link.startList(); });
    return true;
}

// The link has closed the port.
void HandheldContentsDialog::listEnded(int step) {
    if (!isVisible())
        return; // closed meanwhile
    switch (HandheldLister::Step(step)) {
    case HandheldLister::Step::Ended:
        return listCompleted();
    case HandheldLister::Step::Empty:
        return listFailed(texts_.error(texts_.HandHeldEmpty));
    default:
        return listFailed(texts_.error(texts_.CommsError));
    }
}

void HandheldContentsDialog::listCompleted() {
    copyAnimation_->stop();
    cancelButton_->hide();
    okButton_->show();
    pages_->setCurrentIndex(ImageView);
    listBox1_->setFocus();
}

void HandheldContentsDialog::listFailed(const QString& text) {
    copyAnimation_->stop();
    cancelButton_->hide();
    hide();
    errorLabel_->setText(text);
    pages_->setCurrentIndex(ErrorPage);
    if (!prompter_)
        return;
    // Run modally, a dialog that deletes itself on close is deleted by the
    // modal loop before it returns here; it goes once this handler is over.
    const bool deleteOnClose = testAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_DeleteOnClose, false);
    prompter_->runModal(*this);
    if (deleteOnClose)
        deleteLater();
}

void HandheldContentsDialog::done(int result) {
    link_.stop();
    QDialog::done(result);
}
