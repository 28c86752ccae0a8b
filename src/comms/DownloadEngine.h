#pragma once

#include "comms/DownloadTexts.h"
#include "comms/HandheldLister.h"
#include "comms/Packet.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class SerialLink;

// The download of one compiled image over an open link, as a sequence of
// steps of one exchange each: the status request, the handheld's list (and
// the erase of an empty handheld, or the choice of an image to overwrite on
// a full one), the names packet, the data packets, the end packet and the
// final list. The caller runs step() after the delay the previous call
// asked for, so a window stays responsive between packets; where the user
// has to decide the engine waits for overwrite(), replace(), finish() or
// decline(). The dialog and the command line drive the same engine.
class DownloadEngine {
public:
    enum class Phase {
        Ready,             // nothing sent; start() begins
        Status,            // the status request is due
        Listing,           // reading the handheld's list before sending
        Erasing,           // the handheld is empty: its memory is erased first
        Settling,          // giving the emptied handheld time
        Full,              // memory full: waits for overwrite() or decline()
        ListingForReplace, // reading the list to choose the image to overwrite
        ChoosingReplace,   // waits for replace() or decline()
        Transfer,          // the names packet and the data packets
        Ending,            // the end packet is due
        Sent,              // the image is stored: waits for finish()
        FinalListing,      // reading the list after the transfer
        Finished,          // the image is stored; see finalListRead()
        Failed,            // failure() says why
        Closed,            // the user declined; the port is closed
        Cancelled,         // stopped by cancel(); the port is closed
    };
    enum class Failure {
        None,
        StatusComms, // no acknowledgement of the status request
        Comms,       // any later exchange failed
        LowBattery,
        SramFault,
    };
    struct Observer {
        std::function<void(Phase)> phaseChanged;
        std::function<void(const QString& name)> imageListed;
        // The number of the packet about to go, 1 … packetCount().
        std::function<void(int sequence)> progressed;
    };

    // The names are as stored; the names packet carries them whole.
    DownloadEngine(SerialLink& link, std::vector<std::uint8_t> image, const std::string& shortName,
                   const std::string& longName, DownloadPacing pacing = {});

    void setObserver(Observer observer) { observer_ = std::move(observer); }

    Phase phase() const { return phase_; }
    Failure failure() const { return failure_; }
    // The error text the user is shown for the failure.
    QString failureText(const DownloadTexts& texts) const { return failureText(failure_, texts); }
    static QString failureText(Failure failure, const DownloadTexts& texts);
    // The names of the list read last.
    const QStringList& listedNames() const { return lister_.names(); }
    // Whether the list after the transfer arrived whole. When it did not,
    // the image is stored all the same: the handheld acknowledged the end.
    bool finalListRead() const { return finalListRead_; }
    int packetCount() const { return packetCountFor(image_.size()); }
    int sequenceNumber() const { return sequence_; }
    int replaceSlot() const { return replaceSlot_; }

    // Each returns the milliseconds after which step() is due, or -1 when
    // nothing is due (the engine waits for the user, or is over).
    int start();
    int step();
    int overwrite();
    // slot: 1-based number of the stored image to overwrite, 0 = as a new one.
    int replace(int slot);
    int finish();
    void decline();
    // Stops the download where it is: after an exchange cut short by the
    // link's cancel flag, or while the engine waits for the user. Once the
    // handheld has acknowledged the end packet the image is stored, and the
    // download ends finished (without its final list) instead.
    void cancel();
    // Whether the engine has nothing more to do.
    bool over() const;

    // The packet of a sequence number: 1 is the names packet (with the
    // replace slot in Control byte1), n > 1 carries image bytes from
    // (n − 2) × 128 on.
    Packet packet(int sequence) const;
    // The names packet and one packet per 128 image bytes begun.
    static int packetCountFor(std::size_t imageLength);

private:
    int stepPhase();
    int checkStatus();
    int listStep();
    int listEnded();
    int listRefused(HandheldLister::Step step);
    int finishWithoutList();
    int eraseStep();
    int beginTransfer(int slot);
    int sendStep();
    int endStep();
    int startListing(Phase phase);
    int fail(Failure failure);
    void enter(Phase phase);

    SerialLink& link_;
    std::vector<std::uint8_t> image_;
    std::string names_;
    DownloadPacing pacing_;
    HandheldLister lister_;
    Observer observer_;
    Phase phase_ = Phase::Ready;
    Failure failure_ = Failure::None;
    int sequence_ = 1;
    int replaceSlot_ = 0;
    bool finalListRead_ = false;
};
