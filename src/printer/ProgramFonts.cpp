#include "printer/ProgramFonts.h"

#include "platform/Folders.h"
#include "platform/Prompter.h"
#include "printer/FontSet.h"
#include "texts/Messages.h"

#include <QDir>

bool loadProgramFonts(FontSet& fonts, const ClassRegistry& registry, Prompter& prompter,
                      const Messages& messages) {
    // A path that names no file still empties the set.
    const QString path = Folders::findDataFile(FontMapFileName);
    fonts.loadFontMap(path, registry);
    if (!fonts.isEmpty())
        return true;
    // The message names the file, and where it was looked for, so that a
    // wrong data folder can be told from a damaged font map.
    QString text;
    if (path.isEmpty()) {
        text = messages.NoFontMapFileError + QStringLiteral("\n\n") + FontMapFileName +
               QStringLiteral(":");
        for (const QString& folder : Folders::dataFileFolders())
            text += QStringLiteral("\n") + QDir::toNativeSeparators(folder);
    } else {
        text = messages.NoFontMapsError + QStringLiteral("\n\n") + QDir::toNativeSeparators(path);
        if (!fonts.loadError().isEmpty())
            text += QStringLiteral("\n") + fonts.loadError();
    }
    prompter.message(text, QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
    return false;
}
