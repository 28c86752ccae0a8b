#include "cli/CliBarcode.h"

#include "barcode/BarcodeSymbol.h"
#include "cli/CliHelp.h"
#include "cli/CliSession.h"
#include "platform/TolvError.h"
#include "platform/Windows1252.h"

#include <QCommandLineParser>
#include <QDir>
#include <QPainter>

#include <array>
#include <cctype>
#include <cmath>

namespace {

[[noreturn]] void fail(const QString& message) {
    throw TolvError(message.toStdString());
}

struct Kind {
    const char* name;
    Symbology symbology;
};

constexpr std::array<Kind, SymbologyCount> Kinds = {{{"ean8", Symbology::Ean8},
                                                     {"ean13", Symbology::Ean13},
                                                     {"upca", Symbology::UpcA},
                                                     {"upce", Symbology::UpcE},
                                                     {"code128", Symbology::Code128},
                                                     {"gs1-128", Symbology::Gs1_128},
                                                     {"itf", Symbology::Itf},
                                                     {"code39", Symbology::Code39}}};

QString kindNames() {
    QStringList names;
    for (const Kind& k : Kinds)
        names << QLatin1String(k.name);
    return names.join(QStringLiteral(", "));
}

Symbology symbologyOf(const QString& name) {
    for (const Kind& k : Kinds)
        if (name == QLatin1String(k.name))
            return k.symbology;
    fail(QStringLiteral("barcode: --kind must be one of %1, not \"%2\"").arg(kindNames(), name));
}

int integerOption(const QString& option, const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        fail(QStringLiteral("barcode: --%1 must be a whole number from %2 to %3, not \"%4\"")
                 .arg(option)
                 .arg(low)
                 .arg(high)
                 .arg(text));
    return value;
}

struct CommandLine {
    QString kind;
    QString text;
    QString moduleWidth;
    QString barHeight;
    QString ratio;
    QString rotation;
    QString output;
};

bool parse(const QStringList& args, CommandLine& line) {
    QCommandLineParser p;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption kind(QStringLiteral("kind"), QString(), QStringLiteral("kind"));
    const QCommandLineOption text(QStringLiteral("text"), QString(), QStringLiteral("text"));
    const QCommandLineOption moduleWidth(QStringLiteral("module-width"), QString(),
                                         QStringLiteral("m"));
    const QCommandLineOption barHeight(QStringLiteral("bar-height"), QString(),
                                       QStringLiteral("h"));
    const QCommandLineOption ratio(QStringLiteral("ratio"), QString(), QStringLiteral("r"));
    const QCommandLineOption rotation(QStringLiteral("rotation"), QString(), QStringLiteral("r"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, QString(),
                                    QStringLiteral("file"));
    p.addOptions({help, kind, text, moduleWidth, barHeight, ratio, rotation, output});
    if (!p.parse(QStringList{QStringLiteral("tolvane-cli")} + args))
        fail(QStringLiteral("barcode: ") + p.errorText() + QStringLiteral(" (see --help)"));
    if (p.isSet(help))
        return false;
    if (!p.positionalArguments().isEmpty())
        fail(QStringLiteral("barcode: unexpected argument \"%1\" (see --help)")
                 .arg(p.positionalArguments().front()));
    line = {p.value(kind),  p.value(text),     p.value(moduleWidth), p.value(barHeight),
            p.value(ratio), p.value(rotation), p.value(output)};
    if (line.kind.isEmpty())
        fail(QStringLiteral("barcode: the symbology is missing: --kind KIND (see --help)"));
    if (!p.isSet(text))
        fail(QStringLiteral("barcode: the value is missing: --text TEXT (see --help)"));
    if (line.output.isEmpty())
        fail(QStringLiteral("barcode: the output file is missing: -o FILE (see --help)"));
    return true;
}

std::string bytesOf(const QString& text) {
    const QString bad = Windows1252::firstUnencodable(text);
    if (!bad.isEmpty())
        fail(QStringLiteral("barcode: \"%1\" has no Windows-1252 character").arg(bad));
    return Windows1252::encode(text);
}

std::unique_ptr<BarcodeData> dataOf(const CommandLine& line, CliSession& session) {
    auto data = BarcodeData::create(symbologyOf(line.kind), session.models().fontDPI());
    const std::string text = bytesOf(line.text);
    if (auto* gs1 = dynamic_cast<Gs1_128Data*>(data.get())) {
        for (const Gs1Element& element : CliBarcode::parseGs1(text))
            gs1->addElement(element);
    } else {
        data->Text = text;
    }
    if (!line.moduleWidth.isEmpty())
        data->ModuleWidth = integerOption(QStringLiteral("module-width"), line.moduleWidth,
                                          data->MinModuleWidth, data->MaxModuleWidth);
    if (!line.barHeight.isEmpty())
        data->BarHeight = integerOption(QStringLiteral("bar-height"), line.barHeight, 1, 0xFFFF);
    if (!line.rotation.isEmpty()) {
        if (line.rotation != QLatin1String("0") && line.rotation != QLatin1String("2"))
            fail(QStringLiteral("barcode: --rotation must be 0 or 2, not \"%1\"")
                     .arg(line.rotation));
        data->Rotation = uint8_t(line.rotation.toInt());
    }
    if (!line.ratio.isEmpty()) {
        auto* ratioData = dynamic_cast<RatioData*>(data.get());
        bool ok = false;
        const double ratio = line.ratio.toDouble(&ok);
        if (!ratioData)
            fail(QStringLiteral("barcode: --ratio is for itf and code39 only"));
        if (!ok || !(ratio >= 2.0 && ratio <= 3.0))
            fail(QStringLiteral("barcode: --ratio must be a number from 2.0 to 3.0, not \"%1\"")
                     .arg(line.ratio));
        ratioData->Ratio = uint8_t(std::lround((ratio - 2.0) * 100));
    }
    return data;
}

// The symbol with a white quiet zone of ten modules on every side.
QImage withQuietZone(const QImage& symbol, int moduleWidth) {
    const int margin = 10 * moduleWidth;
    QImage picture(symbol.width() + 2 * margin, symbol.height() + 2 * margin, QImage::Format_Mono);
    picture.setColorTable(symbol.colorTable());
    picture.fill(0);
    for (int y = 0; y < symbol.height(); ++y)
        for (int x = 0; x < symbol.width(); ++x)
            if (symbol.pixelIndex(x, y) != 0)
                picture.setPixel(x + margin, y + margin, 1);
    return picture;
}

} // namespace

namespace CliBarcode {

int fixedLengthOf(const std::string& appId) {
    // The total lengths (identifier and value) that the general
    // specifications predefine by the first two digits of the identifier.
    struct Prefix {
        int first, last, length;
    };
    static constexpr Prefix Fixed[] = {{0, 0, 20},  {1, 3, 16},   {4, 4, 18},  {11, 19, 8},
                                       {20, 20, 4}, {31, 36, 10}, {41, 41, 16}};
    if (appId.size() < 2 || !std::isdigit(static_cast<unsigned char>(appId[0])) ||
        !std::isdigit(static_cast<unsigned char>(appId[1])))
        return 0;
    const int prefix = (appId[0] - '0') * 10 + (appId[1] - '0');
    for (const Prefix& p : Fixed)
        if (prefix >= p.first && prefix <= p.last)
            return p.length;
    return 0;
}

std::vector<Gs1Element> parseGs1(const std::string& text) {
    std::vector<Gs1Element> elements;
    size_t i = 0;
    while (i < text.size()) {
        const size_t close = text.find(')', i);
        if (text[i] != '(' || close == std::string::npos)
            throw TolvError("barcode: gs1-128 text is written as (AI)value(AI)value…, e.g. "
                            "(01)09501101530003(17)261231");
        Gs1Element element;
        element.AppId = text.substr(i + 1, close - i - 1);
        if (element.AppId.size() < 2 || element.AppId.size() > 4 ||
            element.AppId.find_first_not_of("0123456789") != std::string::npos)
            throw TolvError("barcode: \"(" + element.AppId +
                            ")\" is no application identifier (2 to 4 digits)");
        const size_t next = std::min(text.find('(', close), text.size());
        element.Value = text.substr(close + 1, next - close - 1);
        const int fixed = fixedLengthOf(element.AppId);
        element.FixedLength = fixed != 0;
        if (fixed != 0 && int(element.AppId.size() + element.Value.size()) != fixed)
            throw TolvError("barcode: the value of (" + element.AppId + ") must have " +
                            std::to_string(fixed - int(element.AppId.size())) + " characters");
        elements.push_back(std::move(element));
        i = next;
    }
    return elements;
}

CliCommands::Outcome run(const QStringList& args) {
    try {
        CommandLine line;
        if (!parse(args, line))
            return {0, CliHelp::forCommand(Command).toUtf8(), {}};
        CliSession session;
        const std::unique_ptr<BarcodeData> data = dataOf(line, session);
        if (const BarcodeProblem problem = checkBarcode(*data))
            fail(QStringLiteral("barcode: ") + describeBarcodeProblem(problem, session.messages()));
        const QImage symbol = renderSymbol(*data);
        if (symbol.isNull())
            fail(QStringLiteral("barcode: the symbol is too large to draw"));
        CliSession::savePicture(withQuietZone(symbol, data->ModuleWidth), line.output);
        return {0, {}, {}};
    } catch (const TolvError& e) {
        return {1, {}, CliCommands::errorLine(e.what())};
    }
}

} // namespace CliBarcode
