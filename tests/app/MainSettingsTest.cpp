#include "app/MainSettings.h"
#include "app/RecentFiles.h"

#include "comms/DownloadCompiler.h"
#include "texts/SettingsFile.h"

#include "TestFolders.h"

#include <gtest/gtest.h>

TEST(MainSettings, DefaultsBuildTheOpenFilterAndMissingFileLeavesLimitsAtZero) {
    TestFolders folders;
    MainSettings absent;
    absent.read(SettingsFile::open().get());
    EXPECT_EQ(absent.MaxItems, 0u);
    EXPECT_EQ(absent.HandheldMaxSize, 0u);
    EXPECT_EQ(absent.FileExtension[1], ".G1A"); // saved images still get their extension

    folders.writeIni("[MainForm]\nMaxItemsPerLabel=-4\nMaxGraphicItemsPerLabel=x\n");
    MainSettings s;
    s.read(SettingsFile::open().get());
    EXPECT_EQ(s.openDialogFilter(), "ox100 (*.100)|*.G4E|ox400 (*.400)|*.G1A|ox410 (*.410)|*.G3C");
    EXPECT_EQ(s.FileType, 0);
    EXPECT_EQ(s.MaxItems, 10u);
    EXPECT_EQ(s.MaxGraphicItems, 2u);
    EXPECT_EQ(s.HandheldMaxSize, 32512u);
    EXPECT_TRUE(s.Rulers);
    EXPECT_FALSE(s.HideToolBar);
}

// The stored size is where a maximised window goes back to; it is written
// only by a window that is not maximised.
TEST(MainSettings, MaximisedReadsTheStoredSizeButDoesNotWriteIt) {
    TestFolders folders;
    folders.writeIni("[MainForm]\nMaximised=1\nWidth=900\nHeight=700\n");
    MainSettings s;
    s.read(SettingsFile::open().get());
    EXPECT_EQ(s.Width, 900);
    s.Width = 1;
    s.write(*SettingsFile::open(), 2);
    const std::unique_ptr<IniFile> ini = SettingsFile::open();
    EXPECT_EQ(ini->readInteger("MainForm", "Width", 0), 900);
    EXPECT_EQ(ini->readInteger("MainForm", "Height", 0), 700);
}

TEST(MainSettings, ExitWritesFollowTheirOrder) {
    TestFolders folders;
    folders.writeIni("");
    MainSettings s;
    s.PrevLogDir = "/img";
    s.PrevSaveDir = "/out";
    s.FileType = 2;
    s.Left = 5;
    s.Top = 6;
    s.Width = 700;
    s.Height = 500;
    s.HideToolBar = true;
    s.write(*SettingsFile::open(), 0x82);
    EXPECT_EQ(folders.readIni(), "[FileName]\nPrevLogDir=/img\nPrevSaveDir=/out\nFileType=2\n\n"
                                 "[MainForm]\nMaximised=0\nLeft=5\nTop=6\nWidth=700\nHeight=500\n\n"
                                 "[SelectPrinter]\nLastUsed=2\n\n"
                                 "[HideToolBar]\nChecked=1\n\n[Rulers]\nChecked=1\n");
}

TEST(MainSettings, DownloadLimitsComeFromTheSettingsFile) {
    TestFolders folders;
    MainSettings none;
    const DownloadLimits absent = none.downloadLimits(nullptr);
    EXPECT_EQ(absent.ShortNameLength, 10);
    EXPECT_EQ(absent.HandheldMaxSize, 0u); // nothing can be downloaded without settings

    folders.writeIni("[NamesFm]\nShortNameLength=0\n[MainForm]\nHandheldMaxSize=100\n");
    const std::unique_ptr<IniFile> ini = SettingsFile::open();
    MainSettings s;
    s.read(ini.get());
    const DownloadLimits limits = s.downloadLimits(ini.get());
    EXPECT_EQ(limits.ShortNameLength, 10); // a length that leaves no name takes the default
    EXPECT_EQ(limits.HandheldMaxSize, 100u);
}

TEST(RecentFiles, KeepTheEightNewestOnceEachWhateverTheirNamesHold) {
    TestFolders folders;
    folders.writeIni("");
    RecentFiles recent;
    for (int i = 1; i <= 10; ++i)
        recent.add(QStringLiteral("/img/%1.G4E").arg(i));
    recent.add("/img/5.G4E"); // again: first, and only once
    recent.add("/odd/a|b%7C 100%.G4E");
    const QStringList expected{"/odd/a|b%7C 100%.G4E", "/img/5.G4E", "/img/10.G4E", "/img/9.G4E",
                               "/img/8.G4E",           "/img/7.G4E", "/img/6.G4E",  "/img/4.G4E"};
    EXPECT_EQ(recent.paths(), expected);

    recent.write(*SettingsFile::open());
    RecentFiles next;
    next.read(SettingsFile::open().get());
    EXPECT_EQ(next.paths(), expected);
    next.remove("/img/../img/5.G4E"); // the same file, named otherwise
    EXPECT_EQ(next.paths().size(), 7);
    EXPECT_FALSE(next.paths().contains("/img/5.G4E"));
}
