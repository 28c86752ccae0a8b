#pragma once

#include "DialogDriving.h"
#include "RenderHarness.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "document/DataStore.h"
#include "texts/Messages.h"

// What a dialog test needs: private settings and installation folders, the
// test fonts on a display, the data store on the same printer model, and a
// scripted prompter and the built-in message texts. Model 1 by default: 4000 × 128 dots at 185 dpi.
struct DialogHarness {
    explicit DialogHarness(int modelIndex = 1) : render(modelIndex) {
        data.printers().setSelectedIndex(modelIndex);
    }

    TestFolders folders;
    RenderHarness render;
    DataStore data{nullptr};
    ScriptedPrompter prompter;
    const Messages messages; // the built-in English texts
};
