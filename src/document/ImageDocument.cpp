#include "document/ImageDocument.h"

#include "document/DataStore.h"
#include "printer/DotCanvas.h"
#include "texts/Messages.h"

#include <QFileInfo>

#include <algorithm>

namespace ImageDocument {

QString forceExtension(const QString& name, const QString& extension) {
    if (extension.isEmpty())
        return name;
    const QString dotted = extension.startsWith(u'.') ? extension : u'.' + extension;
    const qsizetype folderEnd = name.lastIndexOf(u'/');
    const qsizetype dot = name.lastIndexOf(u'.');
    return (dot > folderEnd ? name.left(dot) : name) + dotted;
}

ImageFileHeader headerForSave(const DataStore& data, const DotRect& area,
                              const ShiftTable& shifts) {
    ImageFileHeader h;
    h.LongName = data.longName();
    h.ShortName = data.shortName();
    h.TypeCode = data.printers().selectedModelBit();
    h.Area = area;
    h.MonthLanguageName = data.monthLanguageName();
    h.MonthStrings = data.monthStrings();
    h.Shifts = shifts;
    return h;
}

void applyGeometry(const ImageFileHeader& header, PrinterModels& models, DotCanvas& display) {
    if (const auto index = header.modelIndex())
        models.setSelectedIndex(*index);
    const DotRect& a = header.Area;
    display.setGeometry(models.fontDPI(), a.Left, a.Top, a.Right, a.Bottom);
    // Reading checked the area, so the length is sound; the height is the
    // head's, so a damaged area cannot ask for a picture of any size.
    display.setImageSize(int32_t(header.imageWidth()), models.height());
}

void applyLoadedImage(ImageFileContents& contents, DataStore& data, ShiftTable& shifts,
                      ItemList& openItems, DotCanvas& display) {
    const ImageFileHeader& h = contents.Header;
    data.setLongName(h.LongName);
    data.setShortName(h.ShortName);
    applyGeometry(h, data.printers(), display);
    data.setMonthLanguageName(h.MonthLanguageName);
    data.setMonthStrings(h.MonthStrings);
    shifts = h.Shifts;
    openItems.freeAll();
    if (!contents.Items)
        return;
    while (contents.Items->count() > 0)
        openItems.append(contents.Items->extract(1));
}

QString askSaveFileName(Prompter& prompter, Prompter::FileRequest request, const QString& extension,
                        const Messages& messages) {
    for (;;) {
        const Prompter::FileAnswer answer = prompter.saveFile(request);
        if (!answer.accepted)
            return {};
        const QString name = forceExtension(answer.fileName, extension);
        if (!QFileInfo::exists(name))
            return name;
        switch (prompter.message(messages.OverwriteFileWarning, QString(),
                                 Prompter::Icon::Exclamation, Prompter::Buttons::YesNoCancel)) {
        case Prompter::Answer::Yes:
            return name;
        case Prompter::Answer::No:
            request.fileName.clear();
            break;
        default:
            return {};
        }
    }
}

} // namespace ImageDocument
