#include "cli/CliHelp.h"

#include <QStringList>

namespace {

const char* const OverviewText = R"(Usage: tolvane-cli COMMAND [OPTIONS]

Image files of the designer, without its window.

Commands:
  dump IMAGE                print an image file as JSON
  build JSON -o IMAGE       write an image file from such JSON
  render IMAGE -o OUT.png   draw an image as the designer's view shows it

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
                       50-dot margin. TextItem adds "Text", "OperatorRequest",
                       "Prompt", "MaxChars".

)";

const char* const BuildText = R"(Usage: tolvane-cli build JSON -o IMAGE [--model-extension]

Writes the image file IMAGE from JSON as "dump" prints it. The file is
replaced only when all of it has been written. "version" chooses the layout
(default "nebra V3.1X000"), so a dumped file builds back byte for byte.
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

const QStringList Commands = {QStringLiteral("dump"), QStringLiteral("build"),
                              QStringLiteral("render")};

} // namespace

namespace CliHelp {

bool IsCommand(const QString& name) {
    return Commands.contains(name);
}

QString Overview() {
    return QString::fromUtf8(OverviewText);
}

QString ForCommand(const QString& name) {
    if (name == QLatin1String("dump"))
        return QString::fromUtf8(DumpText) + QString::fromUtf8(TextsNote);
    if (name == QLatin1String("build"))
        return QString::fromUtf8(BuildText) + QString::fromUtf8(TextsNote);
    return QString::fromUtf8(RenderText);
}

QString UnknownCommand(const QString& name) {
    const QString commands = Commands.join(QStringLiteral(", "));
    if (name.isEmpty())
        return QStringLiteral("no command given (one of %1; see --help)").arg(commands);
    return QStringLiteral("unknown command \"%1\" (one of %2; see --help)").arg(name, commands);
}

} // namespace CliHelp
