#pragma once

#include "comms/DownloadEngine.h"
#include "comms/DownloadTexts.h"
#include "comms/HandheldLister.h"
#include "comms/SerialLink.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class Messages;
class Prompter;
struct PortOpenError;
class QTimer;

// The handheld link on a thread of its own: the port is opened, used and
// closed there, so that a handheld that does not answer keeps only this
// thread waiting. The download, the list and the erase run as they would
// on any thread, with the same packets, time-outs and retries; what they
// report goes out as signals, which reach a window queued on its own thread.
// Everything here but cancel() and portOpen() runs on the link's thread:
// LinkThread posts the calls.
class LinkWorker : public QObject {
    Q_OBJECT

public:
    LinkWorker(Packet& replyPacket, const Messages& messages, LinkTimeouts timeouts);
    ~LinkWorker() override;

    // Thread-safe: stops the work under way after the packet on the line,
    // closes the port and reports it (a download by its phase, a list or an
    // erase by cancelled()).
    void cancel();
    // Thread-safe: cuts the exchange under way short, without reporting;
    // close() follows.
    void interrupt() { cancel_ = true; }
    // Thread-safe: whether the port is open.
    bool portOpen() const { return portOpen_.load(); }

    // On failure, *error says why.
    bool open(const QString& devicePath, PortOpenError* error = nullptr);
    // Drops the work under way, silently, and closes the port.
    void close();

    void startDownload(std::vector<std::uint8_t> image, const std::string& shortName,
                       const std::string& longName, DownloadPacing pacing);
    void overwrite();
    void replace(int slot);
    void finish();
    void decline();

    void startList();
    // Erases and closes the port.
    void erase();

signals:
    // The packet log: each packet in words, then its lines field by field.
    void packetDescribed(const QString& words);
    void logLine(const QString& line);
    // The download's phase with what the window shows of it; phase and
    // failure are DownloadEngine::Phase and DownloadEngine::Failure.
    void phaseChanged(int phase, int failure, bool finalListRead);
    void progressed(int sequence);
    void imageListed(const QString& name);
    // The list is over: step is the HandheldLister::Step it ended with.
    void listEnded(int step);
    void eraseEnded(bool erased);
    // A list or an erase was cancelled; the port is closed.
    void cancelled();

private:
    void schedule(int delayMs);
    void stepDownload();
    void stepList();
    void settle();
    void endList(int step);

    SerialLink link_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> portOpen_{false};
    std::unique_ptr<DownloadEngine> engine_;
    HandheldLister lister_;
    QTimer* timer_;
    bool listing_ = false;
};

// The thread a LinkWorker lives on, owned by a window. Its destructor
// cancels what runs, closes the port and waits for the thread to end.
class LinkThread {
public:
    LinkThread(Packet& replyPacket, const Messages& messages, LinkTimeouts timeouts);
    ~LinkThread();
    LinkThread(const LinkThread&) = delete;
    LinkThread& operator=(const LinkThread&) = delete;

    LinkWorker* worker() const { return worker_; }
    // Runs work on the link's thread, after what was posted before.
    void post(std::function<void(LinkWorker&)> work);

    // Opens the chosen port (0..3) on the link's thread, waiting for it.
    // Shows "Invalid communications port number" or "Could not open
    // communications port" (with the device and the reason) on failure.
    bool openCommsPort(int index, Prompter& prompter);
    // Cancels and closes the port, waiting until it is closed.
    void stop();

private:
    const Messages& messages_;
    QThread thread_;
    LinkWorker* worker_;
};
