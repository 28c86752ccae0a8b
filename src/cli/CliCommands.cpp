#include "cli/CliCommands.h"

#include "cli/CliBarcode.h"
#include "cli/CliHandheld.h"
#include "cli/CliHelp.h"
#include "cli/CliSession.h"
#include "cli/ImageJson.h"
#include "document/ImageDocument.h"
#include "items/ItemKinds.h"
#include "office/ImageExport.h"
#include "office/InkCost.h"
#include "platform/Clock.h"
#include "platform/Folders.h"
#include "platform/TolvError.h"
#include "platform/Version.h"
#include "platform/Windows1252.h"
#include "printer/FontRealizer.h"
#include "printer/FontSet.h"
#include "printer/ProgramFonts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {

constexpr qint64 MaxJsonSize = 64 * 1024 * 1024;
constexpr double MinZoom = 0.1;
constexpr double MaxZoom = 8.0;
constexpr int MaxPictureSide = 32767; // the painter's limit

[[noreturn]] void fail(const QString& message) {
    throw TolvError(message.toStdString());
}

QString quoted(const QString& path) {
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

// A message about a file, from an error that does not name it.
[[noreturn]] void failWith(const QString& what, const QString& path, const TolvError& e) {
    fail(what + u' ' + quoted(path) + QStringLiteral(": ") + QString::fromStdString(e.what()));
}

struct CommandLine {
    QStringList files;
    QString output;
    QString zoom;
    QString now;
    bool modelExtension = false;
    bool margins = false;
    QString dot;
    QString price;
    QString count;
};

// Parses the arguments after the subcommand's name; answers false for --help.
bool parse(const QString& command, const QStringList& args, CommandLine& line) {
    const bool dumping = command == QLatin1String("dump");
    const bool rendering = command == QLatin1String("render");
    const bool exporting = command == QLatin1String("export");
    const bool costing = command == QLatin1String("inkcost");
    QCommandLineParser p;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                    QStringLiteral("file"));
    const QCommandLineOption zoom(QStringLiteral("zoom"), QString(), QStringLiteral("z"));
    const QCommandLineOption now(QStringLiteral("now"), QString(), QStringLiteral("moment"));
    const QCommandLineOption modelExtension(QStringLiteral("model-extension"), QString());
    const QCommandLineOption margins(QStringLiteral("margins"), QString());
    const QCommandLineOption dot(QStringLiteral("dot"), QString(), QStringLiteral("pl"));
    const QCommandLineOption price(QStringLiteral("price"), QString(), QStringLiteral("p"));
    const QCommandLineOption count(QStringLiteral("count"), QString(), QStringLiteral("n"));
    p.addOption(help);
    if (!dumping && !costing)
        p.addOption(output);
    if (rendering)
        p.addOptions({zoom, now});
    else if (exporting)
        p.addOptions({now, margins});
    else if (costing)
        p.addOptions({now, dot, price, count});
    else if (!dumping)
        p.addOption(modelExtension);
    if (!p.parse(QStringList{QStringLiteral("tolvane-cli")} + args))
        fail(command + QStringLiteral(": ") + p.errorText() + QStringLiteral(" (see --help)"));
    if (p.isSet(help))
        return false;
    line.files = p.positionalArguments();
    if (line.files.size() != 1)
        fail(command + QStringLiteral(": expected one input file (see --help)"));
    if (dumping)
        return true;
    if (costing) {
        line.now = p.value(now);
        line.dot = p.value(dot);
        line.price = p.value(price);
        line.count = p.value(count);
        return true;
    }
    line.output = p.value(output);
    if (line.output.isEmpty())
        fail(command + QStringLiteral(": the output file is missing: -o FILE (see --help)"));
    if (rendering) {
        line.zoom = p.value(zoom);
        line.now = p.value(now);
    } else if (exporting) {
        line.now = p.value(now);
        line.margins = p.isSet(margins);
    } else {
        line.modelExtension = p.isSet(modelExtension);
    }
    return true;
}

QByteArray dump(const CommandLine& line, CliSession& session) {
    const QString& path = line.files.front();
    const ImageFileContents contents =
        ImageFile::read(path, session.registry(), session.messages());
    try {
        const QJsonObject json =
            ImageJson::toJson(contents, itemJsonConverters(), session.registry());
        return QJsonDocument(json).toJson(QJsonDocument::Indented);
    } catch (const TolvError& e) {
        failWith(QStringLiteral("Cannot dump"), path, e);
    }
}

QJsonObject readJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot read ") + quoted(path) + QStringLiteral(": ") +
             file.errorString());
    if (file.size() > MaxJsonSize)
        fail(QStringLiteral("Cannot read ") + quoted(path) + QStringLiteral(": too large"));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull())
        fail(QStringLiteral("Cannot read ") + quoted(path) +
             QStringLiteral(": %1 at offset %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        fail(QStringLiteral("Cannot read ") + quoted(path) +
             QStringLiteral(": expected a JSON object"));
    return document.object();
}

void build(const CommandLine& line, CliSession& session) {
    const QString& source = line.files.front();
    ImageFileContents contents;
    try {
        contents = ImageJson::fromJson(readJson(source), itemJsonConverters(), session.registry());
    } catch (const TolvError& e) {
        failWith(QStringLiteral("Cannot build from"), source, e);
    }
    QString target = line.output;
    if (line.modelExtension) {
        const int model = contents.Header.modelIndex().value_or(session.models().selectedIndex());
        target = ImageDocument::forceExtension(target, session.fileExtension(model));
    }
    ImageFile::write(target, contents.Header, *contents.Items, session.registry());
}

float zoomOf(const QString& text) {
    if (text.isEmpty())
        return 1.0f;
    bool ok = false;
    const double zoom = text.toDouble(&ok);
    if (!ok || !(zoom >= MinZoom && zoom <= MaxZoom))
        fail(QStringLiteral("render: --zoom must be a number from 0.1 to 8, not \"%1\"").arg(text));
    return float(zoom);
}

void sizePicture(DotCanvas& display, float zoom, const QString& path) {
    const int width = roundHalfEven(display.displayWidth() * double(zoom));
    const int height = roundHalfEven(display.displayHeight() * double(zoom));
    if (width > MaxPictureSide || height > MaxPictureSide)
        fail(QStringLiteral("Cannot render ") + quoted(path) +
             QStringLiteral(": a picture of %1 x %2 pixels is too large").arg(width).arg(height));
    display.resizeBitmap(width, height);
    display.setScaleX(zoom);
    display.setScaleY(zoom);
}

// An image file drawn as the designer's view shows it, margins included.
struct RenderedImage {
    QImage picture;
    int margin = 0;
    QSize dotsPerInch; // both axes at the model's resolution along the print
    QString longName;
};

RenderedImage renderImage(const QString& command, const CommandLine& line, CliSession& session,
                          float zoom) {
    const std::unique_ptr<Clock> clock = CliSession::clockOf(command, line.now);
    const QString& path = line.files.front();
    ImageFileContents contents = ImageFile::read(path, session.registry(), session.messages());
    FontSet fonts(session.models());
    session.loadFontMap(fonts, command);
    DotCanvas display(fonts, session.models());
    ImageDocument::applyGeometry(contents.Header, session.models(), display);
    const ImageCalendar calendar = session.calendarOf(*clock, contents.Header);
    display.setCalendar(&calendar);
    contents.Items->layOutAtFullSize(display);
    sizePicture(display, zoom, path);
    {
        CanvasPainter painter(display);
        contents.Items->redrawWhole(display);
    }
    const int dpi = session.models().printerDPI();
    return {display.bitmap(), display.margin(), QSize(dpi, dpi),
            Windows1252::decode(contents.Header.LongName)};
}

void render(const CommandLine& line, CliSession& session) {
    const float zoom = zoomOf(line.zoom);
    CliSession::savePicture(renderImage(QStringLiteral("render"), line, session, zoom).picture,
                            line.output);
}

void exportImage(const CommandLine& line, CliSession& session) {
    const std::optional<ImageExport::Format> format = ImageExport::formatOf(line.output);
    if (!format)
        fail(QStringLiteral("export: the output file must end in .png, .svg or .pdf, not ") +
             quoted(line.output));
    const RenderedImage image = renderImage(QStringLiteral("export"), line, session, 1.0f);
    ImageExport::Picture picture{image.picture, image.margin, image.dotsPerInch, line.margins,
                                 image.longName};
    QString error;
    if (!ImageExport::write(line.output, picture, *format, &error))
        fail(QStringLiteral("Cannot save ") + quoted(line.output) + QStringLiteral(": ") + error);
}

// A number of an option, or the settings file's (a value there that is not
// a number counts as the ink cost dialog counts it).
template <typename Value>
Value optionOrSetting(const QString& option, const QString& text, std::optional<Value> typed,
                      std::optional<Value> setting, Value fallback) {
    if (text.isEmpty())
        return setting.value_or(fallback);
    if (!typed)
        fail(QStringLiteral("inkcost: %1 must be a number, not \"%2\"").arg(option, text));
    return *typed;
}

QByteArray inkCost(const CommandLine& line, CliSession& session) {
    const InkCostFormat format;
    const IniFile* settings = session.settings();
    const auto setting = [settings](const QString& key, const char* builtIn) {
        const QString fallback = QLatin1String(builtIn);
        return settings ? settings->readString(InkCost::SettingsSection, key, fallback) : fallback;
    };
    const std::optional<double> dotText = format.decimal(line.dot);
    if (!line.dot.isEmpty() && (!dotText || *dotText < 0))
        fail(QStringLiteral("inkcost: --dot must be picolitres per dot, 0 or more, not \"%1\"")
                 .arg(line.dot));
    const double price =
        optionOrSetting<double>(QStringLiteral("--price"), line.price, format.decimal(line.price),
                                format.decimal(setting(InkCost::PriceKey, "10.00")), 0.0);
    const std::optional<std::int64_t> typedCount = format.integer(line.count);
    if (!line.count.isEmpty() && (!typedCount || *typedCount < 0))
        fail(QStringLiteral("inkcost: --count must be a whole number of prints, not \"%1\"")
                 .arg(line.count));
    const std::int64_t prints =
        optionOrSetting<std::int64_t>(QStringLiteral("--count"), line.count, typedCount,
                                      format.integer(setting(InkCost::PrintsKey, "1000")), 0);
    const RenderedImage image = renderImage(QStringLiteral("inkcost"), line, session, 1.0f);

    InkCost cost;
    cost.dotLitres =
        (line.dot.isEmpty() ? session.models().dot() : *dotText) * InkCost::LitresPerPicolitre;
    cost.dots = InkCost::countDots(image.picture, image.margin);
    cost.price = price;
    cost.unitSize =
        format.integer(setting(InkCost::UnitSizeKey, "1000")).value_or(InkCost::DefaultUnitSize);
    const double usage = cost.usage(prints);
    const QStringList lines = {
        QStringLiteral("dots: ") + format.prints(cost.dots),
        QStringLiteral("total usage: ") + format.precise(usage),
        QStringLiteral("number of prints: ") + format.prints(cost.printsFor(usage)),
        QStringLiteral("total cost: ") + format.currency(cost.totalCost(usage)),
        QStringLiteral("unit cost: ") + format.precise(cost.unitCost()),
        QStringLiteral("units used: ") + format.units(cost.unitsUsed(usage)),
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QByteArray runCommand(const QString& command, const QStringList& args) {
    CommandLine line;
    if (!parse(command, args, line))
        return CliHelp::forCommand(command).toUtf8();
    CliSession session;
    if (command == QLatin1String("dump"))
        return dump(line, session);
    if (command == QLatin1String("inkcost"))
        return inkCost(line, session);
    if (command == QLatin1String("build"))
        build(line, session);
    else if (command == QLatin1String("export"))
        exportImage(line, session);
    else
        render(line, session);
    return {};
}

} // namespace

namespace CliCommands {

QByteArray errorLine(QByteArray message) {
    message.replace('\n', ' ').replace('\r', ' ');
    return QByteArray("tolvane-cli: ") + message + '\n';
}

QString subcommandOf(const QStringList& args) {
    return args.isEmpty() ? QString() : args.front();
}

Outcome run(const QStringList& args) {
    const QString command = subcommandOf(args);
    if (command == QLatin1String("--help") || command == QLatin1String("-h"))
        return {0, CliHelp::overview().toUtf8(), {}};
    if (command == QLatin1String("--version") || command == QLatin1String("-v"))
        return {0, QByteArrayLiteral("tolvane-cli " TOLVANE_VERSION "\n"), {}};
    if (CliHandheld::isCommand(command))
        return CliHandheld::run(command, args.mid(1));
    if (command == CliBarcode::Command)
        return CliBarcode::run(args.mid(1));
    if (!CliHelp::isCommand(command))
        return {1, {}, errorLine(CliHelp::unknownCommand(command).toUtf8())};
    try {
        return {0, runCommand(command, args.mid(1)), {}};
    } catch (const TolvError& e) {
        return {1, {}, errorLine(e.what())};
    } catch (const std::exception& e) {
        return {1, {}, errorLine(e.what())};
    }
}

} // namespace CliCommands
