// Every dialog in every language: its title fits in its title bar and no
// column header of its tables is elided or cut off. The dialogs run through
// the program's own prompter in real modal loops, as the user sees them.
#include "DialogDriving.h"
#include "MainWindowFixture.h"
#include "RenderHarness.h"
#include "TestFolders.h"
#include "app/ui/GridDialog.h"
#include "app/ui/LanguageDialog.h"
#include "app/ui/UnitsDialog.h"
#include "comms/Packet.h"
#include "comms/ui/DownloadDialog.h"
#include "comms/ui/HandheldContentsDialog.h"
#include "comms/ui/SerialPortDialog.h"
#include "document/DataStore.h"
#include "document/ItemTypeNames.h"
#include "document/ui/ImageNamesDialog.h"
#include "document/ui/LabelStructureDialog.h"
#include "document/ui/MonthStringsDialog.h"
#include "document/ui/ShiftTimesDialog.h"
#include "editor/ui/ItemListDialog.h"
#include "editor/ui/RestrictedAreaDialog.h"
#include "items/ItemKind.h"
#include "items/ItemKinds.h"
#include "items/ui/ItemDialogKinds.h"
#include "items/ui/ItemPropertiesDialog.h"
#include "office/ui/InkCostDialog.h"
#include "platform/ui/AccessibleNames.h"
#include "platform/ui/DialogFit.h"
#include "platform/ui/WidgetPrompter.h"
#include "printer/ui/PrinterModelDialog.h"
#include "printer/ui/PrinterSetupDialog.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QAccessible>
#include <QDir>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QStringList kLanguages{"English", "French", "German", "Dutch", "Swedish", "Spanish"};

// What the dialogs of one language are made from.
struct Language {
    explicit Language(const QString& name) {
        folders.writeIni(fileBytes(
            QDir::cleanPath(testDataPath(QStringLiteral("../../data/%1.ini").arg(name)))));
        settings = SettingsFile::open();
        messages.load(settings.get());
        kindNames.load(settings.get());
        data = std::make_unique<DataStore>(settings.get());
    }

    TestFolders folders;
    std::unique_ptr<IniFile> settings;
    Messages messages;
    ItemTypeNames kindNames;
    std::unique_ptr<DataStore> data;
    RenderHarness render;
    Packet reply;
    WidgetPrompter prompter;
};

using MakeDialog = std::function<std::unique_ptr<QDialog>(Language&)>;

// A dialog made from the settings and the parts of the language it names.
template <typename Dialog, typename... Parts> MakeDialog made(Parts... parts) {
    return [parts...](Language& l) {
        return std::make_unique<Dialog>(l.settings.get(), (l.*parts)...);
    };
}

const std::vector<std::pair<const char*, MakeDialog>>& dialogs() {
    static const std::vector<std::pair<const char*, MakeDialog>> table{
        {"GridDialog", made<GridDialog>()},
        {"UnitsDialog", made<UnitsDialog>()},
        {"LanguageDialog", [](Language&) { return std::make_unique<LanguageDialog>(); }},
        {"PrinterModelDialog", made<PrinterModelDialog>()},
        {"PrinterSetupDialog", made<PrinterSetupDialog>()},
        {"MonthStringsDialog", made<MonthStringsDialog>()},
        {"RestrictedAreaDialog", made<RestrictedAreaDialog>()},
        {"SerialPortDialog",
         [](Language& l) {
             return std::make_unique<SerialPortDialog>(l.settings.get(), nullptr,
                                                       SerialPortSource{});
         }},
        {"ImageNamesDialog", made<ImageNamesDialog>(&Language::messages)},
        {"LabelStructureDialog",
         made<LabelStructureDialog>(&Language::messages, &Language::kindNames)},
        {"ShiftTimesDialog", made<ShiftTimesDialog>(&Language::messages)},
        {"ItemListDialog", made<ItemListDialog>(&Language::kindNames)},
        {"InkCostDialog",
         [](Language& l) {
             return std::make_unique<InkCostDialog>(l.settings.get(), l.data->locale());
         }},
        {"DownloadDialog", made<DownloadDialog>(&Language::reply, &Language::messages)},
        {"HandheldContentsDialog",
         made<HandheldContentsDialog>(&Language::reply, &Language::messages)},
    };
    return table;
}

// Checks the window as it is shown.
void expectFits(const QWidget& window, const std::string& what) {
    SCOPED_TRACE(what);
    QString title = window.windowTitle();
    if (title.isEmpty())
        title = QApplication::applicationDisplayName();
    const int titleText = QFontMetrics(DialogFit::titleFont(window)).horizontalAdvance(title);
    EXPECT_GE(window.width(), titleText + DialogFit::TitleAllowance) << title.toStdString();
    for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
        if (header->orientation() != Qt::Horizontal || !header->isVisible())
            continue;
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            EXPECT_GE(header->sectionSize(section), header->sectionSizeHint(section))
                << "elided: "
                << header->model()->headerData(section, Qt::Horizontal).toString().toStdString();
            EXPECT_LE(header->sectionViewportPosition(section) + header->sectionSize(section),
                      header->viewport()->width())
                << "cut off: "
                << header->model()->headerData(section, Qt::Horizontal).toString().toStdString();
        }
    }
}

using Check = std::function<void(QWidget& window, const std::string& what)>;

// Runs the modal windows that come up through run() and checks each while
// it is shown: the dialog, and a question it may ask first about its item.
void checkModal(const std::string& what, const Check& check, const std::function<void()>& run) {
    const ModalDriver::Step step = [what, check](QWidget& window) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
        check(window, what);
        if (auto* dialog = qobject_cast<QDialog*>(&window))
            dialog->reject();
    };
    ModalDriver driver{step, step};
    run();
    EXPECT_FALSE(driver.met.isEmpty()) << what;
    EXPECT_EQ(driver.unexpected, 0) << what << ": " << driver.met.join(u' ').toStdString();
}

// Every dialog of the program and a message box, each run as the program
// runs it and checked while it is shown.
void forEveryDialog(Language& language, const std::string& lang, const Check& check) {
    for (const auto& [dialogName, make] : dialogs()) {
        const std::unique_ptr<QDialog> dialog = make(language);
        checkModal(lang + ' ' + dialogName, check, [&] { language.prompter.runModal(*dialog); });
    }
    // The item dialogs show the item's number in their title.
    for (const ItemDialogKind* kind : itemDialogKinds()) {
        const std::unique_ptr<ItemPropertiesDialog> dialog = kind->makeDialog(
            language.prompter, *language.data, language.render.fonts, language.messages, nullptr);
        for (const ItemKind* itemKind : itemKinds()) {
            if (itemKind->typeCode != kind->typeCode || !itemKind->makeSample)
                continue;
            const auto item = itemKind->makeSample();
            checkModal(lang + ' ' + dialog->objectName().toStdString(), check,
                       [&] { dialog->editItem(*item, language.render.display, 10); });
        }
    }
    checkModal(lang + " message box", check, [&] {
        language.prompter.message(language.messages.DrawnWidthError, QString(),
                                  Prompter::Icon::Stop, Prompter::Buttons::Ok);
    });
}

void expectNamed(QWidget& window, const std::string& what) {
    for (QAccessibleInterface* element : AccessibleNames::unnamed(window)) {
        const QObject* object = element->object();
        ADD_FAILURE() << what << ": no accessible name for a "
                      << (object ? object->metaObject()->className() : "?") << ' '
                      << (object ? object->objectName().toStdString() : std::string());
    }
}

} // namespace

TEST(DialogPresentation, EveryDialogShowsItsTitleAndColumnHeadersWholeInEveryLanguage) {
    for (const QString& name : kLanguages) {
        Language language(name);
        forEveryDialog(language, name.toStdString(), expectFits);
    }
}

TEST(DialogPresentation, EveryControlOfEveryDialogHasAnAccessibleName) {
    Language language(QStringLiteral("English"));
    forEveryDialog(language, "English",
                   [](QWidget& window, const std::string& what) { expectNamed(window, what); });
}

class MainWindowAccessibility : public MainWindowFixture {};

TEST_F(MainWindowAccessibility, EveryToolButtonFieldAndListHasAnAccessibleName) {
    makeModel();
    addTestFonts();
    makeWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    expectNamed(*window, "main window");
}
