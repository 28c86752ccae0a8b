#pragma once

#include "comms/DownloadTexts.h"
#include "comms/LinkWorker.h"

#include <QDialog>

class ActivityIndicator;
class IniFile;
class Messages;
class Prompter;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

// The handheld dialog of the view command, settings section "HandHeldForm":
// the names of the images the handheld stores, read on the link's own thread
// while the dialog is shown, or the reason they could not be read. Cancel
// stops the reading at any moment.
class HandheldContentsDialog : public QDialog {
    Q_OBJECT

public:
    static inline const QString SettingsSection = QStringLiteral("HandHeldForm");

    enum Page { ImageView, ImageDelete, ErrorPage };

    // Texts and position come from section "HandHeldForm" of settings, the
    // error texts from section "DownloadForm".
    HandheldContentsDialog(const IniFile* settings, Packet& replyPacket, const Messages& messages,
                           LinkTimeouts timeouts = {}, QWidget* parent = nullptr);
    ~HandheldContentsDialog() override;

    // Opens the chosen port (0..3) and, when it opens, shows the dialog (not
    // modally) while the list arrives. On success the dialog stays open until
    // the user closes it; a failure is shown on the error page, modally.
    // False when the port did not open (the message has been shown).
    bool view(Prompter& prompter, int commsPort);

    Page currentPage() const;
    QStringList imageNames() const;
    bool listing() const;

    void done(int result) override;

private:
    QWidget* makeViewPage();
    QWidget* makeErrorPage();
    void readTexts(const IniFile* settings);
    void listEnded(int step);
    void listCompleted();
    void listFailed(const QString& text);

    DownloadTexts texts_;
    LinkThread link_;
    Prompter* prompter_ = nullptr;

    QStackedWidget* pages_;
    QListWidget* listBox1_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    ActivityIndicator* copyAnimation_ = nullptr;
    QLabel* errorLabel_ = nullptr;
    QPushButton* continueButton_ = nullptr;
};
