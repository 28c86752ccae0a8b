// Start-up of the designer.
#include "app/ProgramClasses.h"
#include "app/StartOptions.h"
#include "app/ui/MainWindow.h"
#include "document/AppContext.h"
#include "document/DataStore.h"
#include "document/ItemTypeNames.h"
#include "persist/ClassRegistry.h"
#include "platform/Clock.h"
#include "platform/ui/WidgetPrompter.h"
#include "printer/FontSet.h"
#include "printer/ProgramFonts.h"
#include "texts/LanguageFiles.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    // --help and --version answer without a display.
    if (const auto info = StartOptions::informationFor(StartOptions::fromArgv(argc, argv))) {
        std::fwrite(info->constData(), 1, size_t(info->size()), stdout);
        return 0;
    }
    // The persistent classes are known before any file can be read; the
    // message texts start with their built-in defaults.
    ClassRegistry registry;
    registerProgramClasses(registry);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvane"));
    WidgetPrompter prompter;

    LanguageFiles::createSettingsIfMissing();
    const std::unique_ptr<IniFile> settings = SettingsFile::open(&prompter);
    Messages messages;
    messages.load(settings.get());
    if (settings)
        LanguageFiles::installQtTranslations(
            settings->readInteger(LanguageFiles::SettingsSection, QStringLiteral("Language"), 0));
    ItemTypeNames kindNames;
    kindNames.load(settings.get());

    SystemClock clock;
    DataStore data(settings.get());
    FontSet fonts(data.printers());
    if (!loadProgramFonts(fonts, registry, prompter, messages))
        return 1;

    AppContext context{prompter, clock, data, registry, fonts, messages, kindNames};
    MainWindow window(context);
    prompter.setParent(&window);
    window.show();
    // An image named on the command line (a file manager passes the file
    // this way) opens once the window is up, so a message about a bad file
    // has its window.
    QTimer::singleShot(0, &window, [&window] { window.openNamedImage(QApplication::arguments()); });
    return QApplication::exec();
}
