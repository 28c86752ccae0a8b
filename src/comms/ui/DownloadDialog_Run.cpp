// The download and the erase as the dialog runs them.
#include "comms/ui/DownloadDialog.h"

#include "comms/ui/ActivityIndicator.h"
#include "persist/DownloadBuffer.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

QString shown(const std::string& bytes) {
    return Windows1252::decode(bytes);
}

} // namespace

void DownloadDialog::run(Prompter& prompter, int commsPort, const DownloadBuffer& image,
                         const std::string& shortName, const std::string& longName) {
    showPage(InfoPage);
    if (!link_.openCommsPort(commsPort, prompter))
        return;
    prompter_ = &prompter;
    std::vector<std::uint8_t> bytes(image.Bytes.begin(), image.Bytes.begin() + image.Size);
    engine_ =
        std::make_unique<DownloadEngine>(link_, std::move(bytes), shortName, longName, pacing_);
    engine_->setObserver({[this](DownloadEngine::Phase phase) { showPhase(phase); },
                          [this](const QString& name) { imageListed(name); },
                          [this](int sequence) { progressBar_->setValue(sequence); }});
    nameLabel_->setText(texts_.NameLabel + u' ' + shown(shortName) + u' ' + shown(longName));
    prompter.runModal(*this);
    link_.closePort();
    engine_.reset();
    prompter_ = nullptr;
}

void DownloadDialog::download() {
    packetsListBox_->clear();
    if (engine_)
        schedule(engine_->start());
}

// One exchange per tick; the timer is started again only after it, so
// ticks never overlap.
void DownloadDialog::schedule(int delayMs) {
    if (delayMs >= 0)
        sendPacketTimer_->start(delayMs);
}

void DownloadDialog::tick() {
    sendPacketTimer_->stop();
    if (engine_)
        schedule(engine_->step());
}

void DownloadDialog::showPhase(DownloadEngine::Phase phase) {
    using Phase = DownloadEngine::Phase;
    switch (phase) {
    case Phase::Ready:
        return showPage(InfoPage);
    case Phase::Listing:
    case Phase::FinalListing:
        return startImageList();
    case Phase::Full:
        return showPage(FullPage);
    case Phase::ListingForReplace:
        return replaceListBox_->clear();
    case Phase::ChoosingReplace:
        showPage(ReplaceImagePage);
        return replaceListBox_->setFocus();
    case Phase::Transfer:
        return beginTransfer();
    case Phase::Sent:
        doneButton_->setEnabled(true);
        return doneButton_->show();
    case Phase::Finished:
        copyAnimation_->stop();
        listNotReadLabel_->setVisible(!engine_->finalListRead());
        return proceedButton_->show();
    case Phase::Failed:
        return showError(engine_->failureText(texts_));
    case Phase::Closed:
        return reject();
    default:
        return;
    }
}

void DownloadDialog::startImageList() {
    imagesListBox_->clear();
    listNotReadLabel_->hide();
    proceedButton_->hide();
    copyAnimation_->start();
    showPage(ShowImagesPage);
    raise();
}

void DownloadDialog::beginTransfer() {
    copyAnimation_->stop();
    doneButton_->setEnabled(false);
    doneButton_->hide();
    progressBar_->setRange(1, engine_->packetCount());
    progressBar_->setValue(1);
    showPage(ProgressPage);
}

void DownloadDialog::imageListed(const QString& name) {
    const bool choosing = engine_->phase() == DownloadEngine::Phase::ListingForReplace;
    (choosing ? replaceListBox_ : imagesListBox_)->addItem(name);
}

void DownloadDialog::showError(const QString& text) {
    sendPacketTimer_->stop();
    copyAnimation_->stop();
    deleteAnimation_->stop();
    errorLabel_->setText(text);
    showPage(ErrorPage);
}

// Without a selected line the image goes in as a new one.
void DownloadDialog::replaceChosen() {
    const int row = replaceListBox_->currentItem() && replaceListBox_->currentItem()->isSelected()
                        ? replaceListBox_->currentRow()
                        : -1;
    if (engine_)
        schedule(engine_->replace(row + 1));
}

void DownloadDialog::decline() {
    if (engine_)
        engine_->decline();
    else
        reject();
}

void DownloadDialog::runErase(Prompter& prompter, int commsPort) {
    prompter_ = &prompter;
    commsPort_ = commsPort;
    showErasing(false);
    completedLabel_->hide();
    eraseOKButton_->hide();
    showPage(EraseHandsetPage);
    setWindowTitle(texts_.EraseForm);
    prompter.runModal(*this);
    setWindowTitle(texts_.Caption);
    prompter_ = nullptr;
}

void DownloadDialog::showErasing(bool erasing) {
    eraseProceedButton_->setVisible(!erasing);
    eraseCancelButton_->setVisible(!erasing);
    if (erasing)
        deleteAnimation_->start();
    else
        deleteAnimation_->stop();
}

// A port that will not open leaves the page as it was, so the user can try
// again or cancel. Only an acknowledged erase counts as completed.
void DownloadDialog::proceedErase() {
    showErasing(true);
    repaint();
    if (!prompter_ || !link_.openCommsPort(commsPort_, *prompter_)) {
        showErasing(false);
        return;
    }
    const bool erased = link_.sendAndLog(Packet::request(PacketCommand::Erase));
    link_.closePort();
    if (!erased)
        return showError(texts_.spacedError(texts_.CommsError));
    eraseTimer_->start(pacing_.eraseWaitMs);
}

void DownloadDialog::eraseCompleted() {
    completedLabel_->show();
    deleteAnimation_->stop();
    eraseOKButton_->show();
}
