#pragma once

#include "document/ImageFile.h"
#include "platform/Prompter.h"

#include <QString>

class Messages;
class DotCanvas;
class PrinterModels;
class DataStore;

// What the New, Open, Save and Save As commands do with an image file,
// apart from the windows: where the parts of an open image come from when
// saving, where a read file's parts go, and how a save name is chosen.
namespace ImageDocument {

// The name with its extension replaced by extension (or extension appended
// when it has none). An extension given without its dot gets one; an empty
// extension leaves the name as it is.
QString forceExtension(const QString& name, const QString& extension);

// The header the designer writes for the open image: the current version,
// the data store's names and month strings, the selected model's type code,
// the display's area and the shift table.
ImageFileHeader headerForSave(const DataStore& data, const DotRect& area, const ShiftTable& shifts);

// Selects the file's model (a file without a type code keeps the selected
// one) and sets the display up as the file was saved: that model's font
// resolution, the file's area as the restricted area, and an image as long
// as the area reaches (as high as the model's head, or the area when it
// reaches further). The model's own length is left alone, so a new image
// still gets it.
void applyGeometry(const ImageFileHeader& header, PrinterModels& models, DotCanvas& display);

// Makes a read file the open image: names, model and geometry, month
// strings, shift table, and the items, which move into the open list (it
// keeps its identity). Cannot fail, so a file is applied whole or, when
// reading it failed, not at all. The caller then resets the zoom.
void applyLoadedImage(ImageFileContents& contents, DataStore& data, ShiftTable& shifts,
                      ItemList& openItems, DotCanvas& display);

// Shows the save dialog until a name is settled: the chosen name gets the
// extension forced; when that file exists, OverwriteFileWarning asks Yes
// (take it), No (ask again with an empty name) or Cancel. Answers the name,
// or an empty text when the user cancelled.
QString askSaveFileName(Prompter& prompter, Prompter::FileRequest request, const QString& extension,
                        const Messages& messages);

} // namespace ImageDocument
