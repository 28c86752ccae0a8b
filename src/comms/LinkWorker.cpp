#include "comms/LinkWorker.h"

#include "comms/CommsPort.h"
#include "comms/Packet.h"
#include "comms/QtSerialBytePort.h"
#include "platform/Prompter.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QTimer>

LinkWorker::LinkWorker(Packet& replyPacket, const Messages& messages, LinkTimeouts timeouts)
    : link_(replyPacket, messages, timeouts), lister_(link_), timer_(new QTimer(this)) {
    link_.setCancelFlag(&cancel_);
    link_.setLogSink([this](const QString& line) { emit logLine(line); });
    link_.setPacketSink([this](const Packet& packet, const QString& header) {
        const int dataPackets = engine_ ? engine_->packetCount() - 1 : 0;
        emit packetDescribed(PacketLog::describe(packet, header, dataPackets));
    });
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (listing_)
            stepList();
        else
            stepDownload();
    });
}

LinkWorker::~LinkWorker() = default;

void LinkWorker::cancel() {
    cancel_ = true;
    // What waits for the user, or for the next packet's turn, is stopped
    // here; an exchange under way stops by itself and is ended after it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!cancel_)
                return;
            timer_->stop();
            if (engine_ && !engine_->over()) {
                engine_->cancel();
            } else if (listing_) {
                listing_ = false;
                link_.closePort();
                settle();
                emit cancelled();
            }
            link_.closePort();
            settle();
        },
        Qt::QueuedConnection);
}

void LinkWorker::settle() {
    portOpen_ = link_.isOpen();
}

bool LinkWorker::open(const QString& devicePath, PortOpenError* error) {
    cancel_ = false;
    timer_->stop();
    engine_.reset();
    listing_ = false;
    // The prompter belongs to the window: the caller reports a failure.
    link_.closePort();
    auto port = QtSerialBytePort::open(devicePath, link_.timeouts().byteWriteMs, error);
    if (port)
        link_.attach(std::move(port));
    settle();
    return link_.isOpen();
}

void LinkWorker::close() {
    timer_->stop();
    listing_ = false;
    engine_.reset();
    link_.closePort();
    settle();
}

void LinkWorker::schedule(int delayMs) {
    settle();
    if (delayMs >= 0)
        timer_->start(delayMs);
}

void LinkWorker::startDownload(std::vector<std::uint8_t> image, const std::string& shortName,
                               const std::string& longName, DownloadPacing pacing) {
    engine_ =
        std::make_unique<DownloadEngine>(link_, std::move(image), shortName, longName, pacing);
    DownloadEngine* engine = engine_.get();
    engine_->setObserver({[this, engine](DownloadEngine::Phase phase) {
                              emit phaseChanged(int(phase), int(engine->failure()),
                                                engine->finalListRead());
                          },
                          [this](const QString& name) { emit imageListed(name); },
                          [this](int sequence) { emit progressed(sequence); }});
    schedule(engine_->start());
}

void LinkWorker::stepDownload() {
    if (engine_)
        schedule(engine_->step());
}

void LinkWorker::overwrite() {
    if (engine_)
        schedule(engine_->overwrite());
}

void LinkWorker::replace(int slot) {
    if (engine_)
        schedule(engine_->replace(slot));
}

void LinkWorker::finish() {
    if (engine_)
        schedule(engine_->finish());
}

void LinkWorker::decline() {
    timer_->stop();
    if (engine_)
        engine_->decline();
    settle();
}

void LinkWorker::startList() {
    engine_.reset();
    lister_.restart();
    listing_ = true;
    timer_->start(0);
}

// One packet per turn of the thread's event loop, so that a cancel posted
// meanwhile is seen between the packets as well.
void LinkWorker::stepList() {
    const HandheldLister::Step step = lister_.next();
    if (link_.cancelled()) {
        listing_ = false;
        link_.closePort();
        settle();
        emit cancelled();
        return;
    }
    switch (step) {
    case HandheldLister::Step::Receiving:
        break;
    case HandheldLister::Step::Name:
        emit imageListed(lister_.names().back());
        break;
    default:
        return endList(int(step));
    }
    timer_->start(0);
}

void LinkWorker::endList(int step) {
    listing_ = false;
    link_.closePort();
    settle();
    emit listEnded(step);
}

void LinkWorker::erase() {
    const bool erased = link_.sendAndLog(Packet::request(PacketCommand::Erase));
    link_.closePort();
    settle();
    if (link_.cancelled())
        emit cancelled();
    else
        emit eraseEnded(erased);
}

LinkThread::LinkThread(Packet& replyPacket, const Messages& messages, LinkTimeouts timeouts)
    : messages_(messages), worker_(new LinkWorker(replyPacket, messages, timeouts)) {
    thread_.setObjectName(QStringLiteral("HandheldLink"));
    worker_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

LinkThread::~LinkThread() {
    stop();
    thread_.quit();
    thread_.wait();
}

void LinkThread::post(std::function<void(LinkWorker&)> work) {
    LinkWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker_, [worker, work = std::move(work)] { work(*worker); }, Qt::QueuedConnection);
}

bool LinkThread::openCommsPort(int index, Prompter& prompter) {
    stop();
    if (!CommsPort::isValid(index)) {
        prompter.message(messages_.InvalidCommsPortNoError, QString(), Prompter::Icon::Stop,
                         Prompter::Buttons::Ok);
        return false;
    }
    const auto settings = SettingsFile::open(&prompter);
    const QString device = CommsPort::devicePath(settings.get(), index);
    bool opened = false;
    PortOpenError error;
    LinkWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker_, [worker, device, &opened, &error] { opened = worker->open(device, &error); },
        Qt::BlockingQueuedConnection);
    if (!opened)
        prompter.message(error.message(messages_), QString(), Prompter::Icon::Stop,
                         Prompter::Buttons::Ok);
    return opened;
}

void LinkThread::stop() {
    if (!thread_.isRunning())
        return;
    worker_->interrupt();
    LinkWorker* worker = worker_;
    QMetaObject::invokeMethod(
        worker_, [worker] { worker->close(); }, Qt::BlockingQueuedConnection);
}
