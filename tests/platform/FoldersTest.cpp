#include "platform/Folders.h"

#include "TestFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Folders, DataFilesAreLookedForInTheCurrentFolderFirst) {
    TestFolders folders;
    EXPECT_EQ(Folders::settingsFile(), folders.settingsDir() + "/tolv.ini");
    folders.writeInstallFile("FONTMAP.DEF", "installed");
    EXPECT_EQ(Folders::findDataFile("FONTMAP.DEF"), folders.installDir() + "FONTMAP.DEF");

    QTemporaryDir cwd;
    const QString old = QDir::currentPath();
    QDir::setCurrent(cwd.path());
    QFile local("FONTMAP.DEF");
    ASSERT_TRUE(local.open(QIODevice::WriteOnly));
    local.close();
    EXPECT_EQ(Folders::findDataFile("FONTMAP.DEF"), cwd.path() + "/FONTMAP.DEF");
    EXPECT_TRUE(Folders::findDataFile("appidtab.def").isEmpty());
    QDir::setCurrent(old);
}
