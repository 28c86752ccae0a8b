#include "comms/ui/DownloadDialog.h"

#include "comms/PacketLog.h"
#include "comms/ui/ActivityIndicator.h"
#include "platform/IniFile.h"
#include "platform/ui/WindowPlacement.h"
#include "texts/SettingsFile.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
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

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = named<QPushButton>(parent, name);
    b->setText(QLatin1String(caption));
    return b;
}

// A page of the notebook; its layout holds the page's controls in a column.
QWidget* page(const char* name, QVBoxLayout*& layout) {
    auto* p = new QWidget;
    p->setObjectName(QLatin1String(name));
    layout = new QVBoxLayout(p);
    return p;
}

void addButtonRow(QVBoxLayout* layout, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    layout->addLayout(row);
}

// A caption of the settings file; the control's own caption is the default.
template <typename Control>
void readCaption(const IniFile* settings, const char* key, Control* control) {
    control->setText(
        SettingsFile::text(settings, DownloadTexts::Section, QLatin1String(key), control->text()));
}

} // namespace

DownloadDialog::DownloadDialog(const IniFile* settings, Packet& replyPacket,
                               const Messages& messages, LinkTimeouts timeouts, QWidget* parent)
    : QDialog(parent), texts_(DownloadTexts::read(settings)),
      pacing_(DownloadPacing::read(settings)), link_(replyPacket, messages, timeouts),
      pages_(named<QStackedWidget>(this, "PageControl")),
      eraseTimer_(named<QTimer>(this, "EraseTimer")) {
    setObjectName(DownloadTexts::Section);
    for (QWidget* p : {makeInfoPage(), makeProgressPage(), makeErrorPage(), makeFullPage(),
                       makeReplacePage(), makeShowImagesPage(), makeErasePage()})
        pages_->addWidget(p);
    pages_->addWidget(named<QWidget>(nullptr, "InterrogateHandsetPage"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    // Shown, whatever the page, while the link is at work.
    linkCancelButton_ = button(this, "LinkCancelButton", "Cancel");
    linkCancelButton_->hide();
    addButtonRow(layout, {linkCancelButton_});
    connect(linkCancelButton_, &QPushButton::clicked, this, &DownloadDialog::cancelLink);
    eraseTimer_->setSingleShot(true);
    connect(eraseTimer_, &QTimer::timeout, this, &DownloadDialog::eraseCompleted);
    const LinkWorker* worker = link_.worker();
    connect(worker, &LinkWorker::packetDescribed, this,
            [this](const QString& words) { addLogLine(words, false); });
    connect(worker, &LinkWorker::logLine, this, [this](const QString& line) {
        const bool words = line == PacketLog::WriteError || line == PacketLog::ReadError;
        addLogLine(line, !words);
    });
    connect(worker, &LinkWorker::phaseChanged, this, &DownloadDialog::phaseChanged);
    connect(worker, &LinkWorker::progressed, this,
            [this](int sequence) { progressBar_->setValue(sequence); });
    connect(worker, &LinkWorker::imageListed, this, &DownloadDialog::imageListed);
    connect(worker, &LinkWorker::eraseEnded, this, &DownloadDialog::eraseEnded);
    connect(worker, &LinkWorker::cancelled, this, [this] {
        setBusy(false);
        showError(texts_.Cancelled);
    });
    readTexts(settings);
    readPosition(settings);
}

DownloadDialog::~DownloadDialog() = default;

QWidget* DownloadDialog::makeInfoPage() {
    QVBoxLayout* layout = nullptr;
    QWidget* p = page("InfoPage", layout);
    nameLabel_ = named<QLabel>(p, "NameLabel");
    downloadButton_ = button(p, "DownloadButton", "Download");
    infoCancelButton_ = button(p, "CancelButton", "Cancel");
    layout->addWidget(nameLabel_);
    layout->addStretch();
    addButtonRow(layout, {downloadButton_, infoCancelButton_});
    connect(downloadButton_, &QPushButton::clicked, this, &DownloadDialog::download);
    connect(infoCancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    return p;
}

QWidget* DownloadDialog::makeProgressPage() {
    QVBoxLayout* layout = nullptr;
    QWidget* p = page("ProgressPage", layout);
    progressLabel_ = named<QLabel>(p, "ProgressLabel");
    progressLabel_->setText(QStringLiteral("Progress:"));
    progressBar_ = named<QProgressBar>(p, "ProgressBar");
    packetsListBox_ = named<QListWidget>(p, "PacketsListBox");
    detailsBox_ = named<QCheckBox>(p, "DetailsCheckBox");
    detailsBox_->setText(QStringLiteral("Details"));
    doneButton_ = button(p, "DoneButton", "Done");
    doneButton_->setEnabled(false);
    layout->addWidget(progressLabel_);
    layout->addWidget(progressBar_);
    layout->addWidget(packetsListBox_);
    layout->addWidget(detailsBox_);
    addButtonRow(layout, {doneButton_});
    connect(detailsBox_, &QCheckBox::toggled, this, &DownloadDialog::showDetails);
    connect(doneButton_, &QPushButton::clicked, this,
            [this] { post([](LinkWorker& link) { link.finish(); }); });
    return p;
}

QWidget* DownloadDialog::makeErrorPage() {
    QVBoxLayout* layout = nullptr;
    QWidget* p = page("ErrorPage", layout);
    errorLabel_ = named<QLabel>(p, "ErrorLabel");
    continueButton_ = button(p, "ContinueButton", "Continue");
    layout->addWidget(errorLabel_);
    layout->addStretch();
    addButtonRow(layout, {continueButton_});
    connect(continueButton_, &QPushButton::clicked, this, &QDialog::reject);
    return p;
}

QWidget* DownloadDialog::makeFullPage() {
    QVBoxLayout* layout = nullptr;
    QWidget* p = page("FullPage", layout);
    fullLabel_ = named<QLabel>(p, "FullLabel");
    fullLabel_->setWordWrap(true);
    yesButton_ = button(p, "YesButton", "&Yes");
    noButton_ = button(p, "NoButton", "&No");
    layout->addWidget(fullLabel_);
    layout->addStretch();
    addButtonRow(layout, {yesButton_, noButton_});
    connect(yesButton_, &QPushButton::clicked, this,
            [this] { post([](LinkWorker& link) { link.overwrite(); }); });
    connect(noButton_, &QPushButton::clicked, this, &DownloadDialog::decline);
    return p;
}

QWidget* DownloadDialog::makeReplacePage() {
    QVBoxLayout* layout = nullptr;
    QWidget* p = page("ReplaceImagePage", layout);
    replaceListBox_ = named<QListWidget>(p, "ReplaceListBox");
    replaceListBox_->setSelectionMode(QAbstractItemView::SingleSelection);
    replaceButton_ = button(p, "ReplaceButton", "Replace");
    replaceCancelButton_ = button(p, "ReplaceCancelButton", "Cancel");
    layout->addWidget(replaceListBox_);
    addButtonRow(layout, {replaceButton_, replaceCancelButton_});
    connect(replaceButton_, &QPushButton::clicked, this, &DownloadDialog::replaceChosen);
    connect(replaceCancelButton_, &QPushButton::clicked, this, &DownloadDialog::decline);
    return p;
}

QWidget* DownloadDialog::makeShowImagesPage() {
    QVBoxLayout* layout = nullptr;
    QWidget* p = page("ShowImagesPage", layout);
    imagesListBox_ = named<QListWidget>(p, "ImagesListBox");
    copyAnimation_ = named<ActivityIndicator>(p, "CopyAnimation");
    proceedButton_ = button(p, "ProceedButton", "Proceed");
    listNotReadLabel_ = named<QLabel>(p, "ListNotReadLabel");
    listNotReadLabel_->setWordWrap(true);
    listNotReadLabel_->hide();
    layout->addWidget(imagesListBox_);
    layout->addWidget(copyAnimation_);
    layout->addWidget(listNotReadLabel_);
    addButtonRow(layout, {proceedButton_});
    connect(proceedButton_, &QPushButton::clicked, this, &QDialog::accept);
    return p;
}

QWidget* DownloadDialog::makeErasePage() {
    QVBoxLayout* layout = nullptr;
    QWidget* p = page("EraseHandsetPage", layout);
    deleteAnimation_ = named<ActivityIndicator>(p, "DeleteAnimation");
    completedLabel_ = named<QLabel>(p, "CompletedLabel");
    completedLabel_->setAlignment(Qt::AlignCenter);
    QFont large = completedLabel_->font();
    large.setPointSize(large.pointSize() * 2);
    completedLabel_->setFont(large);
    eraseProceedButton_ = button(p, "EraseProceedButton", "proceed");
    eraseCancelButton_ = button(p, "EraseCancelButton", "Cancel");
    eraseOKButton_ = button(p, "EraseOKButton", "OK");
    layout->addWidget(deleteAnimation_);
    layout->addWidget(completedLabel_);
    addButtonRow(layout, {eraseProceedButton_, eraseCancelButton_, eraseOKButton_});
    connect(eraseProceedButton_, &QPushButton::clicked, this, &DownloadDialog::proceedErase);
    connect(eraseCancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(eraseOKButton_, &QPushButton::clicked, this, &QDialog::accept);
    return p;
}

void DownloadDialog::readTexts(const IniFile* settings) {
    setWindowTitle(texts_.Caption);
    fullLabel_->setText(texts_.HandheldFull);
    completedLabel_->setText(texts_.Completed);
    listNotReadLabel_->setText(texts_.ListNotRead);
    detailsBox_->setText(texts_.Details);
    readCaption(settings, "Download", downloadButton_);
    readCaption(settings, "Done", doneButton_);
    readCaption(settings, "OK", eraseOKButton_);
    for (QPushButton* cancel :
         {infoCancelButton_, replaceCancelButton_, eraseCancelButton_, linkCancelButton_})
        readCaption(settings, "Cancel", cancel);
    readCaption(settings, "Progress", progressLabel_);
    readCaption(settings, "Continue", continueButton_);
    readCaption(settings, "Yes", yesButton_);
    readCaption(settings, "No", noButton_);
    readCaption(settings, "Replace", replaceButton_);
    readCaption(settings, "Proceed", proceedButton_);
    readCaption(settings, "Proceed", eraseProceedButton_);
}

void DownloadDialog::readPosition(const IniFile* settings) {
    restorePlace(*this, settings, DownloadTexts::Section);
}

DownloadDialog::Page DownloadDialog::currentPage() const {
    return Page(pages_->currentIndex());
}

void DownloadDialog::showPage(Page page) {
    pages_->setCurrentIndex(page);
}

void DownloadDialog::done(int result) {
    eraseTimer_->stop();
    link_.stop();
    setBusy(false);
    QDialog::done(result);
}

void DownloadDialog::post(std::function<void(LinkWorker&)> work) {
    link_.post(std::move(work));
}

void DownloadDialog::setBusy(bool busy) {
    linkCancelButton_->setVisible(busy);
    linkCancelButton_->setEnabled(true);
    downloadButton_->setEnabled(!busy);
    infoCancelButton_->setVisible(!busy);
}

// The link stops after the packet on the line and closes the port; the
// dialog says so when it has.
void DownloadDialog::cancelLink() {
    linkCancelButton_->setEnabled(false);
    link_.worker()->cancel();
}

// The packets in words; their bytes, line by line, only with Details.
void DownloadDialog::addLogLine(const QString& line, bool detail) {
    auto* item = new QListWidgetItem(line, packetsListBox_);
    item->setData(Qt::UserRole, detail);
    item->setHidden(detail && !detailsBox_->isChecked());
    packetsListBox_->scrollToBottom();
}

void DownloadDialog::showDetails(bool shown) {
    for (int row = 0; row < packetsListBox_->count(); ++row) {
        QListWidgetItem* item = packetsListBox_->item(row);
        if (item->data(Qt::UserRole).toBool())
            item->setHidden(!shown);
    }
    packetsListBox_->scrollToBottom();
}
