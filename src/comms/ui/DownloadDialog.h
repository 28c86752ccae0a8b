#pragma once

#include "comms/DownloadEngine.h"
#include "comms/DownloadTexts.h"
#include "comms/LinkWorker.h"

#include <QDialog>

#include <memory>
#include <string>

class ActivityIndicator;
class DownloadBuffer;
class IniFile;
class Messages;
class Prompter;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTimer;

// The download dialog, settings section "DownloadForm": carries a compiled
// image to the handheld, page by page — the image's names, the handheld's answer to
// the status request (full, empty, faults), the choice of an image to
// overwrite, the transfer with its progress and packet log, the list of
// stored images afterwards — and hosts the erase page of the Erase command.
// The serial link runs on a thread of its own while the dialog waits for
// what it reports, so the dialog stays responsive during every wait; Cancel
// stops the link at any moment.
class DownloadDialog : public QDialog {
    Q_OBJECT

public:
    enum Page {
        InfoPage,
        ProgressPage,
        ErrorPage,
        FullPage,
        ReplaceImagePage,
        ShowImagesPage,
        EraseHandsetPage,
        InterrogateHandsetPage,
    };

    // Texts and position come from section "DownloadForm" of settings.
    DownloadDialog(const IniFile* settings, Packet& replyPacket, const Messages& messages,
                   LinkTimeouts timeouts = {}, QWidget* parent = nullptr);
    ~DownloadDialog() override;

    void setPacing(DownloadPacing pacing) { pacing_ = pacing; }
    const DownloadTexts& texts() const { return texts_; }
    // Whether the serial port is open.
    bool portOpen() const { return link_.worker()->portOpen(); }
    Page currentPage() const;
    // The phase of the download as last reported.
    DownloadEngine::Phase phase() const { return phase_; }

    // Opens the chosen port (0..3); when it opens, shows the image's names
    // and runs the dialog modally until the user closes it. The port is
    // closed however the dialog closes.
    void run(Prompter& prompter, int commsPort, const DownloadBuffer& image,
             const std::string& shortName, const std::string& longName);
    // The erase page: the port is opened only when the user proceeds.
    void runErase(Prompter& prompter, int commsPort);

    // Stops the link and closes the port before closing.
    void done(int result) override;

private:
    QWidget* makeInfoPage();
    QWidget* makeProgressPage();
    QWidget* makeErrorPage();
    QWidget* makeFullPage();
    QWidget* makeReplacePage();
    QWidget* makeShowImagesPage();
    QWidget* makeErasePage();
    void readTexts(const IniFile* settings);
    void readPosition(const IniFile* settings);
    void showPage(Page page);

    // The download.
    void download();
    void phaseChanged(int phase, int failure, bool finalListRead);
    void showPhase(DownloadEngine::Phase phase);
    void startImageList();
    void beginTransfer();
    void imageListed(const QString& name);
    void showError(const QString& text);
    void replaceChosen();
    void decline();
    void post(std::function<void(LinkWorker&)> work);

    // The link at work: Cancel is offered, and the log.
    void setBusy(bool busy);
    void cancelLink();
    void addLogLine(const QString& line, bool detail);
    void showDetails(bool shown);

    // The erase.
    void proceedErase();
    void showErasing(bool erasing);
    void eraseEnded(bool erased);
    void eraseCompleted();

    DownloadTexts texts_;
    DownloadPacing pacing_;
    LinkThread link_;
    Prompter* prompter_ = nullptr;
    int commsPort_ = 0;
    // The download given to run, and where it is.
    bool downloading_ = false;
    std::vector<std::uint8_t> image_;
    std::string shortName_;
    std::string longName_;
    DownloadEngine::Phase phase_ = DownloadEngine::Phase::Ready;
    DownloadEngine::Failure failure_ = DownloadEngine::Failure::None;
    bool finalListRead_ = false;

    QStackedWidget* pages_;
    QTimer* eraseTimer_;
    QPushButton* linkCancelButton_ = nullptr;
    QCheckBox* detailsBox_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QPushButton* downloadButton_ = nullptr;
    QPushButton* infoCancelButton_ = nullptr;
    QLabel* progressLabel_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QListWidget* packetsListBox_ = nullptr;
    QPushButton* doneButton_ = nullptr;
    QLabel* errorLabel_ = nullptr;
    QPushButton* continueButton_ = nullptr;
    QLabel* fullLabel_ = nullptr;
    QPushButton* yesButton_ = nullptr;
    QPushButton* noButton_ = nullptr;
    QListWidget* replaceListBox_ = nullptr;
    QPushButton* replaceButton_ = nullptr;
    QPushButton* replaceCancelButton_ = nullptr;
    QListWidget* imagesListBox_ = nullptr;
    ActivityIndicator* copyAnimation_ = nullptr;
    QPushButton* proceedButton_ = nullptr;
    QLabel* listNotReadLabel_ = nullptr;
    QPushButton* eraseProceedButton_ = nullptr;
    ActivityIndicator* deleteAnimation_ = nullptr;
    QPushButton* eraseCancelButton_ = nullptr;
    QLabel* completedLabel_ = nullptr;
    QPushButton* eraseOKButton_ = nullptr;
};
