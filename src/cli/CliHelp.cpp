#include "cli/CliHelp.h"

#include "items/ItemKinds.h"

#include <QStringList>

namespace {

const char* const OverviewText = R"(Usage: tolvane-cli COMMAND [OPTIONS]

Image files of the designer and the handheld, without the designer's window.

Commands:
  dump IMAGE                print an image file as JSON
  build JSON -o IMAGE       write an image file from such JSON
  render IMAGE -o OUT.png   draw an image as the designer's view shows it
  export IMAGE -o OUT.png|OUT.svg|OUT.pdf
                            write an image's dots for other programs
  inkcost IMAGE             count an image's dots and estimate its ink cost
  compile IMAGE -o OUT.bin  compile an image into the bytes the handheld takes
  download IMAGE --port DEVICE [--replace N]
                            send an image to the handheld
  list --port DEVICE        list the images the handheld stores
  erase --port DEVICE       erase the images the handheld stores
  barcode --kind KIND --text TEXT -o OUT.png
                            draw one barcode symbol as a barcode item prints it

Options:
  -h, --help                print this help and exit
  -v, --version             print the version and exit

"tolvane-cli COMMAND --help" describes a command. The commands use the
designer's settings file (tolv.ini) and installation folder. The exit status
is 0 on success; on failure it is 1 and one line on standard error names the
file and the problem.
)";

const char* const TextsNote =
    R"(Texts in an image file are bytes. In JSON each byte is the character of the
same Latin-1 code (U+0000 to U+00FF), so texts in any encoding survive a dump
and a build unchanged; build refuses characters above U+00FF.
)";

const char* const DumpText = R"(Usage: tolvane-cli dump IMAGE

Prints the image file IMAGE as JSON on standard output, field for field:
  "version"            the file's version string, e.g. "nebra V3.1X000"
  "LongName", "ShortName"
  "TypeCode"           the printer type code (absent in nebra V1.0X008 files)
  "ExtraTypeInts"      the two values after type code 3 (only where present)
  "Area"               {"Left", "Top", "Right", "Bottom"}, margins included
  "MonthLanguageName", "MonthStrings"
  "Shifts"             the 25 slots of the shift table: {"Day" (7: empty),
                       "Start" (fraction of a day, exact), "Code"}
  "Items"              the items in order: {"Class", "FontNumber", "X", "Y",
                       "Width", "Height", "Rotation", "Justification", and the
                       fields of the class}; X and Y as stored, without the
                       50-dot margin.)";

// The help's lines are at most this long; the field list indents so far.
constexpr qsizetype HelpWidth = 79;
constexpr qsizetype FieldIndent = 23;

// The dump help with what each item kind adds to the common fields,
// "TextItem adds "Text", ...", filled into the lines of the field list.
QString dumpHelp() {
    QString text = QString::fromUtf8(DumpText);
    qsizetype lineLength = text.size() - text.lastIndexOf(u'\n') - 1;
    const auto addWord = [&](const QString& word) {
        if (lineLength + 1 + word.size() > HelpWidth) {
            text += u'\n' + QString(FieldIndent, u' ') + word;
            lineLength = FieldIndent + word.size();
        } else {
            text += u' ' + word;
            lineLength += 1 + word.size();
        }
    };
    for (const ItemKind* kind : itemKinds()) {
        const std::vector<const char*>& fields = kind->json.ownFields;
        if (fields.empty())
            continue;
        addWord(QLatin1String(kind->recordName));
        addWord(QStringLiteral("adds"));
        for (size_t i = 0; i < fields.size(); ++i)
            addWord(QString(QLatin1Char('"')) + QLatin1String(fields[i]) + QLatin1Char('"') +
                    QLatin1Char(i + 1 < fields.size() ? ',' : '.'));
    }
    return text + QStringLiteral("\n\n");
}

const char* const BuildText = R"(Usage: tolvane-cli build JSON -o IMAGE [--model-extension]

Writes the image file IMAGE from JSON as "dump" prints it. The file is
replaced only when all of it has been written. "version" chooses the layout
(default "nebra V3.1X000"), so a dumped file builds back byte for byte;
items are written as that version holds them (a NumberItem before
"nebra V2.0X001" keeps only "Increment" and "Number").
"TypeCode" and "Area" are required; the names, month strings, shifts (slots
left out are empty) and items may be left out. Unknown fields are refused.

Options:
  -o, --output IMAGE    the image file to write
  --model-extension     give IMAGE the extension of its printer model (the
                        FileName section of tolv.ini; built-in: .G4E, .G1A,
                        .G3C)

)";

const char* const RenderText =
    R"(Usage: tolvane-cli render IMAGE -o OUT.png [--zoom Z] [--now "YYYY-MM-DD hh:mm"]

Draws the image file IMAGE as the designer's editing view shows it at the
zoom Z, margins included and without the grid, and saves the picture as PNG.
The printer model comes from the file (a nebra V1.0X008 file uses the model
last used in the designer); the fonts from the font map FONTMAP.DEF, found in
the current folder or else in the installation folder.

Options:
  -o, --output OUT.png  the picture to write
  --zoom Z              screen pixels per printer dot, 0.1 to 8 (default 1)
  --now "YYYY-MM-DD hh:mm"
                        the moment that date, time and shift items show
                        (default: the current time)
)";

const char* const ExportText =
    R"(Usage: tolvane-cli export IMAGE -o OUT.png|OUT.svg|OUT.pdf [--margins]
                          [--now "YYYY-MM-DD hh:mm"]

Draws the image file IMAGE as "render" does at one pixel per dot and writes
its dots in the format OUT's extension names: PNG with one pixel per dot
(its resolution set to the printer model's), SVG and PDF at the true size of
the print, one dot being 1/PrinterDPI of an inch (section SelectPrinter of
tolv.ini), the dots drawn as filled rectangles.

Options:
  -o, --output OUT      the file to write; replaced only when all of it has
                        been written
  --margins             keep the 50-dot margin around the image
  --now "YYYY-MM-DD hh:mm"
                        the moment that date, time and shift items show
                        (default: the current time)
)";

const char* const InkCostText =
    R"(Usage: tolvane-cli inkcost IMAGE [--dot PL] [--price P] [--count N]
                           [--now "YYYY-MM-DD hh:mm"]

Counts the black dots of the image file IMAGE, drawn as "render" does at one
pixel per dot, inside its margins, and prints what the designer's ink cost
dialog shows for them, one "name: value" a line:
  dots               the dots counted
  total usage        litres of ink for N prints
  number of prints   the prints that usage is enough for (0 without ink
                     per print)
  total cost         the cost of that usage at P per litre
  unit cost          the ink cost of one print
  units used         the ink units (of UnitSize millilitres, section
                     InkCostForm of tolv.ini, default 1000) the usage takes;
                     0 for a unit size of 0

Options:
  --dot PL              picolitres of ink per dot (default: the Dot value of
                        the image's printer model, section SelectPrinter)
  --price P             the price of a litre (default: InkPrice of section
                        InkCostForm, built-in 10.00)
  --count N             the number of prints (default: HowMany of section
                        InkCostForm, built-in 1000)
  --now "YYYY-MM-DD hh:mm"
                        the moment that date, time and shift items show
                        (default: the current time)
)";

const char* const CompileText =
    R"(Usage: tolvane-cli compile IMAGE -o OUT.bin [--now "YYYY-MM-DD hh:mm"]

Compiles the image file IMAGE into the bytes that a download sends to the
handheld, after the designer's checks: both names present, at least one item,
and a size below handheldMaxSize (section MainForm of tolv.ini, default
32512; without a settings file every image is refused). Each failed check is
one line on standard error. The short name is padded or cut to
shortNameLength (section NamesFm, default 10); missing month strings are
taken from the first month language. Font download codes come from the font
map FONTMAP.DEF (current folder, then the installation folder).

Options:
  -o, --output OUT.bin  the file to write: exactly the compiled bytes
  --now "YYYY-MM-DD hh:mm"
                        the moment that time-dependent items are compiled for
                        (default: the current time)
)";

const char* const PortNote =
    R"(DEVICE is the serial device (e.g. /dev/ttyUSB0), or COM1 to COM4 as the
designer's port settings map them (section CommsPortForm of tolv.ini). The
line runs at 9600 baud, 8 data bits, no parity, 1 stop bit.

Options:
  --port DEVICE         the serial device of the handheld
  --log                 print the packet log on standard output, also when
                        the command fails
)";

const char* const DownloadText =
    R"(Usage: tolvane-cli download IMAGE --port DEVICE [--replace N] [--now "YYYY-MM-DD hh:mm"]
                            [--log]

Compiles IMAGE as "compile" does and sends it to the handheld as the
designer's download dialog does: the status request, the list of stored
images (an empty handheld is erased first), the names packet, the image in
128-byte packets paced by packetInterval (section DownloadForm, default 500
ms), the end packet and the list of stored images, which is printed, one
name a line. On a terminal a line on standard error reports each packet.
  --replace N           when the handheld reports a full memory, overwrite
                        its stored image N (1-based; 0 stores the image as a
                        new one); without it a full handheld is a failure
  --now "YYYY-MM-DD hh:mm"
                        the moment that time-dependent items are compiled for
                        (default: the current time)
)";

const char* const ListText = R"(Usage: tolvane-cli list --port DEVICE [--log]

Prints the names of the images the handheld stores, one a line, in the order
the handheld sends them; nothing when it stores none.
)";

const char* const EraseText = R"(Usage: tolvane-cli erase --port DEVICE [--log]

Erases every image the handheld stores and prints "Completed" once the
handheld has acknowledged it.
)";

const char* const BarcodeText =
    R"(Usage: tolvane-cli barcode --kind KIND --text TEXT [--module-width M]
                            [--bar-height H] [--ratio R] [--rotation 0|2] -o OUT.png

Draws one barcode symbol exactly as a barcode item of the designer draws it,
one pixel a printer dot, black on white, with a white quiet zone of ten
modules around it, and saves it as PNG. A value the symbology cannot encode
is refused with the reason. Options left out take the defaults of a new
barcode item (itf: from the vertical resolution of the printer model last
used in the designer).

Options:
  --kind KIND           ean8, ean13, upca, upce (the digits without the check
                        digit, which is added), code128, gs1-128, itf or code39
  --text TEXT           the value; for gs1-128 the application identifiers in
                        brackets, each followed by its value, e.g.
                        (01)09501101530003(17)261231. An identifier starting
                        with 00-04, 11-20, 31-36 or 41 has a value of fixed
                        length; the others end with a function 1 character
                        when an element follows
  --module-width M      the narrowest bar in dots (2 to 6; itf 2 to 29)
  --bar-height H        the height of the bars in dots
  --ratio R             itf and code39: wide to narrow, 2.0 to 3.0 (default 2.5)
  --rotation 0|2        2 turns the symbol by 180 degrees
  -o, --output OUT.png  the picture to write
)";

const QStringList Commands = {
    QStringLiteral("dump"),     QStringLiteral("build"),   QStringLiteral("render"),
    QStringLiteral("export"),   QStringLiteral("inkcost"), QStringLiteral("compile"),
    QStringLiteral("download"), QStringLiteral("list"),    QStringLiteral("erase"),
    QStringLiteral("barcode")};

} // namespace

namespace CliHelp {

bool isCommand(const QString& name) {
    return Commands.contains(name);
}

QString overview() {
    return QString::fromUtf8(OverviewText);
}

QString forCommand(const QString& name) {
    if (name == QLatin1String("dump"))
        return dumpHelp() + QString::fromUtf8(TextsNote);
    if (name == QLatin1String("build"))
        return QString::fromUtf8(BuildText) + QString::fromUtf8(TextsNote);
    if (name == QLatin1String("render"))
        return QString::fromUtf8(RenderText);
    if (name == QLatin1String("export"))
        return QString::fromUtf8(ExportText);
    if (name == QLatin1String("inkcost"))
        return QString::fromUtf8(InkCostText);
    if (name == QLatin1String("barcode"))
        return QString::fromUtf8(BarcodeText);
    if (name == QLatin1String("compile"))
        return QString::fromUtf8(CompileText);
    if (name == QLatin1String("download"))
        return QString::fromUtf8(DownloadText) + u'\n' + QString::fromUtf8(PortNote);
    return QString::fromUtf8(name == QLatin1String("list") ? ListText : EraseText) + u'\n' +
           QString::fromUtf8(PortNote);
}

QString unknownCommand(const QString& name) {
    const QString commands = Commands.join(QStringLiteral(", "));
    if (name.isEmpty())
        return QStringLiteral("no command given (one of %1; see --help)").arg(commands);
    return QStringLiteral("unknown command \"%1\" (one of %2; see --help)").arg(name, commands);
}

} // namespace CliHelp
