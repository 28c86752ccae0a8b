// tolvane-cli: image files without the designer's window.
#include "cli/CliCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Qt's own notes (a missing runtime folder, what the headless platform lacks)
// would break the promise of one line on failure; only its errors pass.
QtMessageHandler defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        defaultHandler(type, context, message);
}

void write(std::FILE* stream, const QByteArray& bytes) {
    if (!bytes.isEmpty())
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

int main(int argc, char** argv) {
    defaultHandler = qInstallMessageHandler(quietHandler);
    // Drawing needs fonts, hence a GUI application; it never needs a screen.
    // Compiling measures justified items with the same fonts; barcodes
    // draw their human-readable line.
    const QByteArray command = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    const bool drawing = command == "render" || command == "compile" || command == "download" ||
                         command == "export" || command == "inkcost" ||
                         command == "barcode";
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (drawing)
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tolvane"));

    const CliCommands::Outcome outcome = CliCommands::run(QCoreApplication::arguments().mid(1));
    write(stdout, outcome.out);
    write(stderr, outcome.err);
    return outcome.status;
}
