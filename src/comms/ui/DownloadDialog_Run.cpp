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
    image_.assign(image.Bytes.begin(), image.Bytes.begin() + image.Size);
    shortName_ = shortName;
    longName_ = longName;
    downloading_ = true;
    phase_ = DownloadEngine::Phase::Ready;
    nameLabel_->setText(texts_.NameLabel + u' ' + shown(shortName) + u' ' + shown(longName));
    prompter.runModal(*this);
    link_.stop();
    downloading_ = false;
    prompter_ = nullptr;
}

// The engine starts afresh on the link's thread, on the port run opened.
void DownloadDialog::download() {
    packetsListBox_->clear();
    if (!downloading_)
        return;
    setBusy(true);
    post([image = image_, shortName = shortName_, longName = longName_, pacing = pacing_](
             LinkWorker& link) { link.startDownload(image, shortName, longName, pacing); });
}

void DownloadDialog::phaseChanged(int phase, int failure, bool finalListRead) {
    using Phase = DownloadEngine::Phase;
    phase_ = Phase(phase);
    failure_ = DownloadEngine::Failure(failure);
    finalListRead_ = finalListRead;
    switch (phase_) {
    case Phase::Status:
    case Phase::Listing:
    case Phase::Erasing:
    case Phase::Settling:
    case Phase::ListingForReplace:
    case Phase::Transfer:
    case Phase::Ending:
    case Phase::FinalListing:
        setBusy(true);
        break;
    default:
        setBusy(false);
    }
    showPhase(phase_);
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
        listNotReadLabel_->setVisible(!finalListRead_);
        return proceedButton_->show();
    case Phase::Failed:
        return showError(DownloadEngine::failureText(failure_, texts_));
    case Phase::Cancelled:
        return showError(texts_.Cancelled);
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
    progressBar_->setRange(1, DownloadEngine::packetCountFor(image_.size()));
    progressBar_->setValue(1);
    showPage(ProgressPage);
}

void DownloadDialog::imageListed(const QString& name) {
    const bool choosing = phase_ == DownloadEngine::Phase::ListingForReplace;
    (choosing ? replaceListBox_ : imagesListBox_)->addItem(name);
}

void DownloadDialog::showError(const QString& text) {
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
    post([slot = row + 1](LinkWorker& link) { link.replace(slot); });
}

// The engine closes the port and reports the download closed, which closes
// the dialog.
void DownloadDialog::decline() {
    if (downloading_ && phase_ != DownloadEngine::Phase::Ready)
        post([](LinkWorker& link) { link.decline(); });
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
    setBusy(true);
    post([](LinkWorker& link) { link.erase(); });
}

void DownloadDialog::eraseEnded(bool erased) {
    setBusy(false);
    if (!erased)
        return showError(texts_.spacedError(texts_.CommsError));
    eraseTimer_->start(pacing_.eraseWaitMs);
}

void DownloadDialog::eraseCompleted() {
    completedLabel_->show();
    deleteAnimation_->stop();
    eraseOKButton_->show();
}
