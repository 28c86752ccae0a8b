#include "printer/ProgramFonts.h"

#include "app/Messages.h"
#include "platform/Folders.h"
#include "platform/Prompter.h"
#include "printer/FontSetUnit.h"

bool loadProgramFonts(TFontSet& fonts, const ClassRegistry& registry, Prompter& prompter) {
    // A path that names no file still empties the set.
    fonts.LoadFontMap(Folders::findDataFile(FontMapFileName), registry);
    if (!fonts.IsEmpty())
        return true;
    prompter.message(Messages::program().NoFontMapsError, QString(), Prompter::Icon::Stop,
                     Prompter::Buttons::Ok);
    return false;
}
