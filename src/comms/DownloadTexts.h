#pragma once

#include <QString>

class IniFile;

// The texts of the download dialog (section "DownloadForm") that the
// download, the listing and the erase report with; the command line shows
// the same ones.
struct DownloadTexts {
    static inline const QString Section = QStringLiteral("DownloadForm");

    QString Caption = QStringLiteral("DownLoad Iaaamage");
    QString NameLabel = QStringLiteral("Image:");
    QString EraseForm = QStringLiteral("Erase Image");
    QString Error = QStringLiteral("Error:");
    QString HandheldFull =
        QStringLiteral("Handheld full. Do you want to overwrite an existing image?");
    QString CommsError = QStringLiteral("Comms error");
    QString LowBattError = QStringLiteral("Low battery");
    QString SRAMError = QStringLiteral("SRAM fault");
    QString HandHeldEmpty = QStringLiteral("Hand Held Empty");
    QString Completed = QStringLiteral("Completed");
    // After a download whose final list could not be read.
    QString ListNotRead =
        QStringLiteral("The image was stored, but the handheld's list could not be read.");
    // After the user stopped a download, a list or an erase.
    QString Cancelled = QStringLiteral("Cancelled");
    // The toggle that shows the packets' bytes in the log.
    QString Details = QStringLiteral("Details");

    // The texts of the settings file, each with its built-in default.
    static DownloadTexts read(const IniFile* settings);

    // "Error:" and the reason: with a space between them after the status
    // request and the erase, directly after it everywhere else.
    QString spacedError(const QString& reason) const { return Error + u' ' + reason; }
    QString error(const QString& reason) const { return Error + reason; }
};

// How the download is paced: the pause before each data packet (key
// "packetInterval" of section "DownloadForm", 500 ms by default) and the time
// an emptied handheld is given before the image follows.
struct DownloadPacing {
    static constexpr int DefaultPacketIntervalMs = 500;
    static constexpr int DefaultEraseWaitMs = 3000;

    int packetIntervalMs = DefaultPacketIntervalMs;
    int eraseWaitMs = DefaultEraseWaitMs;

    // A negative interval takes the default.
    static DownloadPacing read(const IniFile* settings);
};
