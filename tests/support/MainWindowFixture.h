#pragma once

#include "app/ui/MainWindow.h"
#include "document/AppContext.h"
#include "document/DataStore.h"
#include "document/ItemTypeNames.h"
#include "persist/ClassRegistry.h"
#include "platform/Clock.h"
#include "printer/FontSet.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include "ScriptedPrompter.h"
#include "TestFolders.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

// A main window over its own settings and installation folders, made in two
// steps so a test can add fonts (or drop the settings file) in between:
// write the settings, makeModel(), then makeWindow().
class MainWindowFixture : public ::testing::Test {
protected:
    // The data store and an empty font set, from the settings file as it is
    // now (none when it does not exist).
    void makeModel() {
        data = std::make_unique<DataStore>(SettingsFile::open().get());
        fonts = std::make_unique<FontSet>(data->printers());
    }
    // The test faces, the same for every model, so that nothing depends on
    // the shipped font map: "Sans" 12 as font 1 and 16 as font 2.
    void addTestFonts() {
        for (const int model : {1, 2, 4})
            for (const auto& [number, size] : {std::pair{1, 12}, {2, 16}}) {
                auto font = std::make_unique<PrinterFont>();
                font->ModelCode = model;
                font->FontNumber = number;
                font->Name = "Sans";
                font->FaceName = "DejaVu Sans";
                font->PointSize = size;
                fonts->append(std::move(font));
            }
    }
    void makeWindow() { makeWindow(prompter); }
    // A window that talks to the user through another prompter (the real
    // one, for tests that run real modal loops).
    void makeWindow(Prompter& through) {
        context = std::make_unique<AppContext>(
            AppContext{through, clock, *data, registry, *fonts, messages, kindNames});
        window = std::make_unique<MainWindow>(*context);
    }
    // Closing an altered image would ask whether to save it.
    void TearDown() override {
        if (window)
            window->setModified(false);
        window.reset();
    }

    TestFolders folders;
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(10, 15, 30))};
    ClassRegistry registry;
    std::unique_ptr<DataStore> data;
    std::unique_ptr<FontSet> fonts;
    // The built-in texts; a test loads them from its settings file when it
    // needs another language.
    Messages messages;
    ItemTypeNames kindNames;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<MainWindow> window;
};
