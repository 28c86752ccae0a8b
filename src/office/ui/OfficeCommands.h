#pragma once

#include "office/ImageExport.h"
#include "office/ProofPrint.h"

#include <QImage>
#include <QString>

class EditingSurface;
class InkCostDialog;
class PrinterModels;
class Prompter;
class QPrinter;
class QWidget;

// What the office commands of the main window need of it.
struct OfficeCommandContext {
    Prompter& prompter;
    EditingSurface& surface;
    const PrinterModels& models;
    QWidget* parent = nullptr;
    // The printer setup's resolution, dots per inch; 0 leaves the printer's.
    int resolution = 0;
};

// The texts of the export: the file dialog's entries, the question about the
// margins, and the message when the file cannot be written (%1 the file, %2
// the reason).
struct ExportTexts {
    QString caption;
    QString pngFilter;
    QString svgFilter;
    QString pdfFilter;
    QString marginsQuestion;
    QString writeError;
};

namespace OfficeCommands {

// The view as a proof print takes it, and the size of a dot there: both axes
// at the model's resolution along the print.
ProofPrint::View printedView(EditingSurface& surface);
QSize dotsPerInch(const PrinterModels& models);

// The view switched to 100 %, and its picture at one pixel per dot.
QImage fullSizePicture(EditingSurface& surface);

// Paints the proof print on the printer; false when there was nothing to
// print or the printer refused.
bool printOn(QPrinter& printer, const OfficeCommandContext& context);

// File > Print: the print dialog, then the print; false when cancelled.
bool printImage(const OfficeCommandContext& context, QPrinter& printer);
// File > Print Preview: the preview, from which the user may print.
void previewPrint(const OfficeCommandContext& context, QPrinter& printer);

// File > Export: a file name and type, whether the margins go with it, and
// the file. False when cancelled or not written (the reason was shown).
bool exportImage(const OfficeCommandContext& context, const ExportTexts& texts,
                 const QString& title);

// The ink cost button: the view switched to 100 %, then the dialog.
void showInkCost(const OfficeCommandContext& context, InkCostDialog& dialog);

} // namespace OfficeCommands
