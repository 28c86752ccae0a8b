#include "office/ui/OfficeCommands.h"

#include "editor/ImageEditor.h"
#include "editor/ui/EditingSurface.h"
#include "office/ui/InkCostDialog.h"
#include "platform/Prompter.h"
#include "printer/PrinterModels.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace OfficeCommands {

ProofPrint::View printedView(EditingSurface& surface) {
    ImageEditor& editor = surface.editor();
    const DotCanvas& display = editor.display();
    ProofPrint::View view;
    view.picture = display.bitmap().size();
    view.scaleX = display.scaleX();
    view.scaleY = display.scaleY();
    view.areaEnd = QPoint(display.areaRect().Right, display.areaRect().Bottom);
    view.scroll = surface.scrollPosition();
    view.rulerExtent = surface.pictureOffset();
    return view;
}

QSize dotsPerInch(const PrinterModels& models) {
    return {models.printerDPI(), models.printerDPI()};
}

QImage fullSizePicture(EditingSurface& surface) {
    if (surface.preview() || surface.zoomLevel() != 1)
        surface.applyZoomLevel(1);
    const DotCanvas& display = surface.editor().display();
    const QImage& picture = display.bitmap();
    const QSize full(display.displayWidth(), display.displayHeight());
    if (picture.size() == full)
        return picture;
    return picture.scaled(full, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool printOn(QPrinter& printer, const OfficeCommandContext& context) {
    // Set again here: the print dialog may have chosen another printer, or a
    // file, since.
    if (context.resolution > 0 && printer.resolution() != context.resolution)
        printer.setResolution(context.resolution);
    return ProofPrint::paint(printer, context.surface.editor().display().bitmap(),
                             printedView(context.surface), dotsPerInch(context.models));
}

bool printImage(const OfficeCommandContext& context, QPrinter& printer) {
    if (context.resolution > 0)
        printer.setResolution(context.resolution);
    QPrintDialog dialog(&printer, context.parent);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    if (context.prompter.runModal(dialog) != QDialog::Accepted)
        return false;
    return printOn(printer, context);
}

void previewPrint(const OfficeCommandContext& context, QPrinter& printer) {
    if (context.resolution > 0)
        printer.setResolution(context.resolution);
    QPrintPreviewDialog dialog(&printer, context.parent);
    dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&context](QPrinter* target) { printOn(*target, context); });
    context.prompter.runModal(dialog);
}

bool exportImage(const OfficeCommandContext& context, const ExportTexts& texts,
                 const QString& title) {
    Prompter::FileRequest request;
    request.caption = texts.caption;
    request.filter = texts.pngFilter + QStringLiteral("|*.png|") + texts.svgFilter +
                     QStringLiteral("|*.svg|") + texts.pdfFilter + QStringLiteral("|*.pdf");
    request.dialogConfirmsOverwrite = true;
    const Prompter::FileAnswer answer = context.prompter.saveFile(request);
    if (!answer.accepted || answer.fileName.isEmpty())
        return false;
    QString path = answer.fileName;
    std::optional<ImageExport::Format> format = ImageExport::formatOf(path);
    if (!format) {
        // A name without a known extension takes the chosen entry's.
        const char* extensions[] = {".png", ".svg", ".pdf"};
        const int entry = std::clamp(answer.filterIndex, 0, 2);
        path += QLatin1String(extensions[entry]);
        format = ImageExport::formatOf(path);
    }
    const Prompter::Answer margins = context.prompter.message(
        texts.marginsQuestion, QString(), Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
    if (margins == Prompter::Answer::Cancel)
        return false;
    ImageExport::Picture picture;
    picture.pixels = fullSizePicture(context.surface);
    picture.margin = context.surface.editor().display().margin();
    picture.dpi = dotsPerInch(context.models);
    picture.withMargins = margins == Prompter::Answer::Yes;
    picture.title = title;
    QString error;
    if (!ImageExport::write(path, picture, *format, &error)) {
        context.prompter.inform(texts.writeError.arg(QDir::toNativeSeparators(path), error),
                                Prompter::Icon::Stop);
        return false;
    }
    return true;
}

void showInkCost(const OfficeCommandContext& context, InkCostDialog& dialog) {
    const QImage picture = fullSizePicture(context.surface);
    dialog.execute(context.prompter, picture, context.surface.editor().display().margin(),
                   context.models.dot());
}

} // namespace OfficeCommands
