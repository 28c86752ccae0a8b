#include "printer/ProgramFonts.h"
#include "FontTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Runs in an empty current folder, where the map is looked for first.
class ProgramFonts : public ::testing::Test {
protected:
    ProgramFonts() { QDir::setCurrent(h.dir.path()); }
    ~ProgramFonts() override { QDir::setCurrent(previous_); }

    void expectRefused() {
        prompter.shown.clear();
        EXPECT_FALSE(loadProgramFonts(h.fonts, h.registry, prompter));
        EXPECT_EQ(prompter.texts(), QStringList{"Error - no font maps in file."});
    }

    QString previous_ = QDir::currentPath();
    TestFolders folders;
    FontSetHarness h;
    ScriptedPrompter prompter;
};

} // namespace

TEST_F(ProgramFonts, MissingEmptyOrDamagedMapIsReportedAndStopsStartUp) {
    expectRefused();
    folders.writeInstallFile(FontMapFileName, "\1\2\3");
    expectRefused();
    h.writeFile(h.mapBytes("map", 0, {}), folders.installDir() + FontMapFileName);
    expectRefused();
}

TEST_F(ProgramFonts, CurrentFolderComesBeforeTheInstallationFolder) {
    h.writeFile(h.mapBytes("map", 1, {{2, 1, "Standard", 7, 30}}),
                folders.installDir() + FontMapFileName);
    EXPECT_TRUE(loadProgramFonts(h.fonts, h.registry, prompter));
    EXPECT_EQ(h.fonts.At(0).DownloadCode, 30);

    h.writeFile(h.mapBytes("map", 1, {{2, 1, "Standard", 7, 40}}), FontMapFileName);
    EXPECT_TRUE(loadProgramFonts(h.fonts, h.registry, prompter));
    EXPECT_EQ(h.fonts.At(0).DownloadCode, 40);
    EXPECT_TRUE(prompter.shown.empty());
}
