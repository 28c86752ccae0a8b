#include "cli/CliSession.h"

#include "app/MainSettings.h"
#include "app/Messages.h"
#include "app/SettingsFile.h"
#include "document/ImagePLists.h"
#include "document/ItemTypeNames.h"
#include "items/ItemClasses.h"
#include "printer/NEBRAFonts.h"

CliSession::CliSession() : settings_(SettingsFile::open()), models_(settings_.get()) {
    registerPersistClasses(registry_);
    registerFontClasses(registry_);
    registerDocumentClasses(registry_);
    registerItemClasses(registry_);
    Messages::program().load(settings_.get());
    ItemTypeNames::program().load(settings_.get());
}

QString CliSession::FileExtension(int modelIndex) const {
    // The main window's settings read nothing without a settings file; the
    // extensions then are the built-in ones.
    static const std::array<QString, 3> builtIn = {QStringLiteral(".G4E"), QStringLiteral(".G1A"),
                                                   QStringLiteral(".G3C")};
    if (!settings_)
        return builtIn.at(size_t(modelIndex));
    MainSettings main;
    main.read(settings_.get());
    return main.FileExtension.at(size_t(modelIndex));
}
