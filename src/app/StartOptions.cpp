#include "app/StartOptions.h"

#include "platform/Version.h"

namespace StartOptions {

namespace {

const char* const HelpText = R"(Usage: tolvane [OPTION] [IMAGE]

Designs the images (labels) that handheld ink-jet coders print: text,
counters, dates, times, shift codes, barcodes and logos on a grid of printer
dots. Images are saved as files and downloaded to the handheld over a serial
line. IMAGE, an image file (.G4E, .G1A or .G3C), is opened on start.

Options:
  -h, --help     print this help and exit
  -v, --version  print the version and exit

The settings and the texts of the chosen language are kept in tolv.ini in
$TOLV_CONFIG_DIR, else in ~/.config/Tolvane/; the first start creates it from
the installed English.ini. The language files and the font map FONTMAP.DEF
are read from $TOLVPATH, else from the installation folder share/tolvane
beside the program's bin folder.
)";

} // namespace

std::optional<QByteArray> informationFor(const QStringList& args) {
    // The first of the two options decides; whatever follows it is not read.
    for (const QString& arg : args) {
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return QByteArray(HelpText);
        if (arg == QLatin1String("--version") || arg == QLatin1String("-v"))
            return QByteArrayLiteral("tolvane " TOLVANE_VERSION "\n");
        if (arg == QLatin1String("--"))
            break;
    }
    return std::nullopt;
}

QStringList fromArgv(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

} // namespace StartOptions
