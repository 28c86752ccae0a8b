#include "printer/ProgramFonts.h"
#include "FontTestSupport.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "texts/Messages.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// Runs in an empty current folder, where the map is looked for first.
class ProgramFonts : public ::testing::Test {
protected:
    ProgramFonts() { QDir::setCurrent(h.dir.path()); }
    ~ProgramFonts() override { QDir::setCurrent(previous_); }

    // The message, which must name every one of parts.
    void expectRefused(const QString& message, const QStringList& parts) {
        prompter.shown.clear();
        EXPECT_FALSE(loadProgramFonts(h.fonts, h.registry, prompter, Messages()));
        ASSERT_EQ(prompter.shown.size(), 1u);
        const QString text = prompter.shown[0].text;
        EXPECT_TRUE(text.startsWith(message)) << text.toStdString();
        for (const QString& part : parts)
            EXPECT_TRUE(text.contains(part))
                << text.toStdString() << " lacks " << part.toStdString();
    }

    QString previous_ = QDir::currentPath();
    TestFolders folders;
    FontSetHarness h;
    ScriptedPrompter prompter;
};

} // namespace

TEST_F(ProgramFonts, MissingEmptyOrDamagedMapIsReportedByNameAndStopsStartUp) {
    // Missing: the file and every folder it was looked for in.
    expectRefused("Error - no font map file.",
                  {FontMapFileName, QDir::currentPath(), QDir(folders.installDir()).path()});
    const QString installed = folders.installDir() + FontMapFileName;
    folders.writeInstallFile(FontMapFileName, "\1\2\3");
    expectRefused("Error - no font maps in file.", {installed});
    h.writeFile(h.mapBytes("map", 0, {}), installed);
    expectRefused("Error - no font maps in file.", {installed});
}

TEST_F(ProgramFonts, CurrentFolderComesBeforeTheInstallationFolder) {
    h.writeFile(h.mapBytes("map", 1, {{2, 1, "Standard", 7, 30}}),
                folders.installDir() + FontMapFileName);
    EXPECT_TRUE(loadProgramFonts(h.fonts, h.registry, prompter, Messages()));
    EXPECT_EQ(h.fonts.at(0).DownloadCode, 30);

    h.writeFile(h.mapBytes("map", 1, {{2, 1, "Standard", 7, 40}}), FontMapFileName);
    EXPECT_TRUE(loadProgramFonts(h.fonts, h.registry, prompter, Messages()));
    EXPECT_EQ(h.fonts.at(0).DownloadCode, 40);
    EXPECT_TRUE(prompter.shown.empty());
}
