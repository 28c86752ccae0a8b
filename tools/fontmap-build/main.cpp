// fontmap-build SOURCE.txt -o FONTMAP.DEF: turns the readable font table into
// the binary font map that the designer loads.
#include "FontMapBuilder.h"

#include "persist/ClassRegistry.h"
#include "platform/TolvError.h"

#include <QFile>

#include <iostream>
#include <optional>

namespace {

constexpr int BadInput = 1;
constexpr int BadUsage = 2;

struct Paths {
    QString source;
    QString output;
};

std::optional<Paths> parseArguments(int argc, char** argv) {
    Paths paths;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("-o") && i + 1 < argc)
            paths.output = QString::fromLocal8Bit(argv[++i]);
        else if (paths.source.isEmpty() && !arg.startsWith(u'-'))
            paths.source = arg;
        else
            return std::nullopt;
    }
    if (paths.source.isEmpty() || paths.output.isEmpty())
        return std::nullopt;
    return paths;
}

QByteArray readSource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TolvError("cannot be read: " + file.errorString().toStdString());
    return file.readAll();
}

int report(const QString& file, const TolvError& error) {
    std::cerr << "fontmap-build: " << file.toStdString() << ": " << error.what() << '\n';
    return BadInput;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Paths> paths = parseArguments(argc, argv);
    if (!paths) {
        std::cerr << "usage: fontmap-build SOURCE.txt -o FONTMAP.DEF\n";
        return BadUsage;
    }
    FontTable fonts;
    try {
        fonts = parseFontTable(readSource(paths->source));
    } catch (const TolvError& e) {
        return report(paths->source, e);
    }
    ClassRegistry registry;
    registerFontClasses(registry);
    try {
        writeFontMap(paths->output, fonts, registry);
    } catch (const TolvError& e) {
        return report(paths->output, e);
    }
    return 0;
}
