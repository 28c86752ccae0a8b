#include "cli/CliHandheld.h"

#include "app/MainSettings.h"
#include "cli/CliHelp.h"
#include "cli/CliPrompter.h"
#include "cli/CliSession.h"
#include "comms/CommsPort.h"
#include "comms/DownloadCompiler.h"
#include "comms/DownloadEngine.h"
#include "comms/HandheldLister.h"
#include "comms/SerialLink.h"
#include "document/DataStore.h"
#include "document/ImageDocument.h"
#include "document/ImageFile.h"
#include "platform/AtomicFile.h"
#include "platform/Clock.h"
#include "platform/TolvError.h"
#include "platform/Windows1252.h"
#include "printer/DotCanvas.h"
#include "printer/FontSet.h"
#include "texts/SettingsFile.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

const QStringList Commands = {QStringLiteral("compile"), QStringLiteral("download"),
                              QStringLiteral("list"), QStringLiteral("erase")};

// Set by Ctrl+C while the handheld is being talked to: the link stops after
// the packet on the line, as the window's Cancel does.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void interruptLink(int) {
    interrupted = true;
}

// Ctrl+C cancels the conversation while it lasts; a second one ends the
// program at once.
class InterruptGuard {
public:
    InterruptGuard() {
        interrupted = false;
        struct sigaction action {};
        action.sa_handler = interruptLink;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptGuard() { sigaction(SIGINT, &previous_, nullptr); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction previous_ {};
};

// Sleeps, waking early when interrupted.
void sleepUnlessInterrupted(int delayMs) {
    constexpr int sliceMs = 50;
    for (int left = delayMs; left > 0 && !interrupted; left -= sliceMs)
        QThread::msleep(static_cast<unsigned long>(std::min(left, sliceMs)));
}

[[noreturn]] void fail(const QString& message) {
    throw TolvError(message.toStdString());
}

struct CommandLine {
    QString command;
    QString image;
    QString output;
    QString port;
    QString now;      // --now, for compile and download
    int replace = -1; // -1: not given
    bool log = false;
};

QCommandLineOption valued(const char* name, const char* valueName) {
    return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName));
}

int replaceNumber(const QString& command, const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 0 || n > 255)
        fail(command +
             QStringLiteral(": --replace needs a number from 0 to 255, not \"%1\"").arg(text));
    return n;
}

bool compiling(const QString& command) {
    return command == QLatin1String("compile");
}

bool downloading(const QString& command) {
    return command == QLatin1String("download");
}

struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QString()};
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("file")};
    QCommandLineOption now = valued("now", "moment");
    QCommandLineOption port = valued("port", "device");
    QCommandLineOption replace = valued("replace", "n");
    QCommandLineOption log{QStringLiteral("log"), QString()};

    // The options the command takes.
    void addTo(QCommandLineParser& p, const QString& command) const {
        p.addOption(help);
        if (compiling(command))
            p.addOptions({output, now});
        else
            p.addOptions({port, log});
        if (downloading(command))
            p.addOptions({replace, now});
    }
};

void readImage(const QCommandLineParser& p, CommandLine& line) {
    const bool withImage = compiling(line.command) || downloading(line.command);
    const QStringList files = p.positionalArguments();
    if (files.size() == (withImage ? 1 : 0)) {
        line.image = files.value(0);
        return;
    }
    fail(line.command +
         (withImage
              ? QStringLiteral(": expected one image file (see --help)")
              : QStringLiteral(": unexpected argument \"%1\" (see --help)").arg(files.value(0))));
}

void readCompileOptions(const QCommandLineParser& p, const Options& o, CommandLine& line) {
    line.output = p.value(o.output);
    if (line.output.isEmpty())
        fail(QStringLiteral("compile: the output file is missing: -o FILE (see --help)"));
    line.now = p.value(o.now);
    CliSession::clockOf(line.command, line.now); // refused before anything is read
}

void readPortOptions(const QCommandLineParser& p, const Options& o, CommandLine& line) {
    line.port = p.value(o.port);
    if (line.port.isEmpty())
        fail(line.command + QStringLiteral(": the port is missing: --port DEVICE (see --help)"));
    line.log = p.isSet(o.log);
    if (p.isSet(o.replace))
        line.replace = replaceNumber(line.command, p.value(o.replace));
    if (downloading(line.command)) {
        line.now = p.value(o.now);
        CliSession::clockOf(line.command, line.now);
    }
}

// Parses the arguments after the subcommand's name; false for --help.
bool parse(const QString& command, const QStringList& args, CommandLine& line) {
    const Options o;
    QCommandLineParser p;
    o.addTo(p, command);
    if (!p.parse(QStringList{QStringLiteral("tolvane-cli")} + args))
        fail(command + QStringLiteral(": ") + p.errorText() + QStringLiteral(" (see --help)"));
    if (p.isSet(o.help))
        return false;
    line.command = command;
    readImage(p, line);
    if (compiling(command))
        readCompileOptions(p, o, line);
    else
        readPortOptions(p, o, line);
    return true;
}

// An image file compiled as the designer compiles the open image.
struct Compiled {
    std::vector<std::uint8_t> bytes;
    std::string shortName;
    std::string longName;
};

std::string firstMonthStrings(const IniFile* settings) {
    const QString strings = SettingsFile::text(settings, DataStore::OptionsSection,
                                               QStringLiteral("MonthLanguage1"), QString());
    return Windows1252::encode(strings);
}

// The limits the designer's download takes from the same settings file.
DownloadLimits downloadLimits(const IniFile* settings) {
    MainSettings main;
    main.read(settings);
    return main.downloadLimits(settings);
}

Compiled compile(const CommandLine& line, CliSession& session) {
    const QString& path = line.image;
    const std::unique_ptr<Clock> clock = CliSession::clockOf(line.command, line.now);
    ImageFileContents contents = ImageFile::read(path, session.registry(), session.messages());
    const ImageFileHeader& h = contents.Header;
    FontSet fonts(session.models());
    DotCanvas display(fonts, session.models());
    ImageDocument::applyGeometry(h, session.models(), display);
    session.loadFontMap(fonts, QStringLiteral("compile"));
    // The positions the designer would send: justified items at their edge.
    contents.Items->layOutAtFullSize(display);
    const bool ownMonths = !h.MonthStrings.empty() && !h.MonthLanguageName.empty();
    const ImageCalendar calendar = session.calendarOf(*clock, h);
    const DownloadSource source{h.ShortName,
                                h.LongName,
                                ownMonths ? h.MonthStrings : firstMonthStrings(session.settings()),
                                h.Shifts,
                                *contents.Items,
                                fonts,
                                session.models().selectedIndex(),
                                calendar};
    const DownloadCompiler::Result result =
        DownloadCompiler::compile(source, downloadLimits(session.settings()));
    if (result.refusal != DownloadCompiler::Refusal::None)
        fail(DownloadCompiler::messageFor(result, *contents.Items, session.messages(),
                                          session.kindNames()) +
             QStringLiteral(" (\"%1\")").arg(QDir::toNativeSeparators(path)));
    const DownloadBuffer& image = *result.image;
    return {{image.Bytes.begin(), image.Bytes.begin() + image.Size}, h.ShortName, h.LongName};
}

void writeFile(const QString& path, const std::vector<std::uint8_t>& bytes) {
    QString error;
    if (!AtomicFile::write(path, QByteArrayView(bytes.data(), qsizetype(bytes.size())), &error))
        fail(QStringLiteral("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), error));
}

// One conversation with the handheld over a port named on the command line:
// a device path, or COM1 … COM4 as the settings file maps them.
class HandheldLine {
public:
    HandheldLine(const CommandLine& line, const CliSession& session)
        : line_(line), texts_(DownloadTexts::read(session.settings())),
          link_(reply_, session.messages()) {
        link_.setLogSink([this](const QString& text) { log_ += text.toUtf8() + '\n'; });
        link_.setCancelFlag(&interrupted);
    }

    void open() {
        const bool opened = CommsPort::indexOfName(line_.port) >= 0
                                ? link_.openPort(line_.port, prompter_)
                                : link_.openDevice(line_.port, prompter_);
        // The message names the device and the reason on a second line;
        // the command line says it all on one.
        if (!opened)
            failWith(prompter_.messages().replace(u'\n', QStringLiteral(": ")) +
                     QStringLiteral(" \"%1\"").arg(line_.port));
    }
    [[noreturn]] void failWith(const QString& text) {
        const bool cancelled = link_.cancelled();
        link_.closePort();
        fail(line_.command + QStringLiteral(": ") + (cancelled ? texts_.Cancelled : text));
    }
    QByteArray log() const { return line_.log ? log_ : QByteArray(); }
    SerialLink& link() { return link_; }
    const DownloadTexts& texts() const { return texts_; }

private:
    const CommandLine& line_;
    DownloadTexts texts_;
    Packet reply_;
    SerialLink link_;
    CliPrompter prompter_;
    QByteArray log_;
};

QByteArray lines(const QStringList& names) {
    QByteArray text;
    for (const QString& name : names)
        text += name.toUtf8() + '\n';
    return text;
}

QStringList listImages(HandheldLine& line) {
    HandheldLister lister(line.link());
    for (;;) {
        const HandheldLister::Step step = lister.next();
        if (line.link().cancelled())
            line.failWith(line.texts().Cancelled);
        switch (step) {
        case HandheldLister::Step::Receiving:
        case HandheldLister::Step::Name:
            continue;
        case HandheldLister::Step::Ended:
        case HandheldLister::Step::Empty:
            return lister.names();
        default:
            line.failWith(line.texts().error(line.texts().CommsError));
        }
    }
}

QByteArray erase(HandheldLine& line) {
    if (!line.link().sendAndLog(Packet::request(PacketCommand::Erase)))
        line.failWith(line.texts().spacedError(line.texts().CommsError));
    return line.texts().Completed.toUtf8() + '\n';
}

void showProgress(int sequence, int packets) {
    static const bool terminal = isatty(STDERR_FILENO) == 1;
    if (terminal)
        std::fprintf(stderr, "packet %d of %d\n", sequence, packets);
}

// Where the dialog would ask the user, the command line has its answer
// already: overwrite only with --replace, and "Done" at once.
int decide(DownloadEngine& engine, HandheldLine& line, int replace) {
    using Phase = DownloadEngine::Phase;
    switch (engine.phase()) {
    case Phase::Full:
        if (replace < 0)
            line.failWith(QStringLiteral("the handheld is full: give --replace N to overwrite "
                                         "stored image N (0 stores it as a new one)"));
        return engine.overwrite();
    case Phase::ChoosingReplace:
        if (replace > engine.listedNames().size())
            line.failWith(QStringLiteral("--replace %1: the handheld stores %2 images")
                              .arg(replace)
                              .arg(engine.listedNames().size()));
        return engine.replace(replace);
    case Phase::Sent:
        return engine.finish();
    case Phase::Failed:
        line.failWith(engine.failureText(line.texts()));
    case Phase::Ready:
        line.failWith(QStringLiteral("the handheld did not acknowledge the status request"));
    case Phase::Cancelled:
        line.failWith(line.texts().Cancelled);
    default:
        return -1;
    }
}

// The names the handheld lists afterwards. When it stored the image but its
// list could not be read, the download has succeeded: *note says so.
QStringList download(HandheldLine& line, const Compiled& image, int replace,
                     const IniFile* settings, QByteArray* note) {
    DownloadEngine engine(line.link(), image.bytes, image.shortName, image.longName,
                          DownloadPacing::read(settings));
    engine.setObserver({{}, {}, [&engine](int n) { showProgress(n, engine.packetCount()); }});
    int delay = engine.start();
    while (engine.phase() != DownloadEngine::Phase::Finished) {
        if (delay < 0) {
            delay = decide(engine, line, replace);
            continue;
        }
        sleepUnlessInterrupted(delay);
        delay = engine.step();
    }
    if (!engine.finalListRead())
        *note = CliCommands::errorLine(line.texts().ListNotRead.toUtf8());
    return engine.listedNames();
}

CliCommands::Outcome runOnHandheld(const CommandLine& line, CliSession& session) {
    const Compiled image = downloading(line.command) ? compile(line, session) : Compiled{};
    HandheldLine handheld(line, session);
    const InterruptGuard guard;
    try {
        handheld.open();
        QByteArray out;
        QByteArray note;
        if (line.command == QLatin1String("list"))
            out = lines(listImages(handheld));
        else if (downloading(line.command))
            out = lines(download(handheld, image, line.replace, session.settings(), &note));
        else
            out = erase(handheld);
        return {0, handheld.log() + out, note};
    } catch (const TolvError& e) {
        return {1, handheld.log(), CliCommands::errorLine(e.what())};
    }
}

CliCommands::Outcome runCommand(const QString& command, const QStringList& args) {
    CommandLine line;
    if (!parse(command, args, line))
        return {0, CliHelp::forCommand(command).toUtf8(), {}};
    CliSession session;
    if (!compiling(command))
        return runOnHandheld(line, session);
    writeFile(line.output, compile(line, session).bytes);
    return {};
}

} // namespace

namespace CliHandheld {

bool isCommand(const QString& name) {
    return Commands.contains(name);
}

CliCommands::Outcome run(const QString& command, const QStringList& args) {
    try {
        return runCommand(command, args);
    } catch (const std::exception& e) {
        return {1, {}, CliCommands::errorLine(e.what())};
    }
}

} // namespace CliHandheld
