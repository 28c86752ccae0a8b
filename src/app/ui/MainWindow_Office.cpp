// The main window's office commands: the proof print and its preview, the
// printer's resolution, the export to other programs' files, and the ink cost.
#include "app/ui/MainWindow.h"

#include "document/AppContext.h"
#include "document/DataStore.h"
#include "editor/ui/EditingSurface.h"
#include "office/ui/InkCostDialog.h"
#include "office/ui/OfficeCommands.h"
#include "platform/Windows1252.h"
#include "printer/ui/PrinterSetupDialog.h"
#include "texts/Messages.h"

#include <QAction>
#include <QPrinter>

void MainWindow::connectOfficeCommands(const IniFile* settings) {
    printerSetupForm_ = new PrinterSetupDialog(settings, this);
    inkCostForm_ = new InkCostDialog(settings, context_.data.locale(), this);
    const auto connectEntry = [this](const char* key, void (MainWindow::*command)()) {
        QAction* entry = action(QLatin1String(key));
        entry->setEnabled(true);
        connect(entry, &QAction::triggered, this, command);
    };
    connectEntry("FileMenuPrint", &MainWindow::printImage);
    connectEntry("FileMenuPrintPreview", &MainWindow::previewPrint);
    connectEntry("FileMenuPrintSetup", &MainWindow::setUpPrinter);
    connectEntry("FileMenuExport", &MainWindow::exportImage);
    connectEntry("InkCostButtonHint", &MainWindow::showInkCost);
}

OfficeCommandContext MainWindow::officeContext() {
    return {context_.prompter, *surface_, context_.data.printers(), this,
            printerSetupForm_->dotsPerInch()};
}

QPrinter& MainWindow::printer() {
    if (!printer_)
        printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void MainWindow::printImage() {
    OfficeCommands::printImage(officeContext(), printer());
}

void MainWindow::previewPrint() {
    OfficeCommands::previewPrint(officeContext(), printer());
}

void MainWindow::setUpPrinter() {
    printerSetupForm_->execute(context_.prompter);
}

void MainWindow::exportImage() {
    ExportTexts texts;
    texts.caption = QString(texts_.FileMenuExport).remove(u'&').remove(QStringLiteral("..."));
    texts.pngFilter = texts_.ExportPngFilter;
    texts.svgFilter = texts_.ExportSvgFilter;
    texts.pdfFilter = texts_.ExportPdfFilter;
    texts.marginsQuestion = texts_.ExportMarginsQuestion;
    texts.writeError = context_.messages.ExportWriteError;
    OfficeCommands::exportImage(officeContext(), texts,
                                Windows1252::decode(context_.data.longName()));
}

void MainWindow::showInkCost() {
    OfficeCommands::showInkCost(officeContext(), *inkCostForm_);
}
