#include "texts/MainFormTexts.h"

#include "texts/SettingsFile.h"

#include "TestFolders.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(MainFormTexts, KeysAreUnique) {
    QSet<QString> keys;
    for (const KeyedText& t : MainFormTexts::builtInTexts()) {
        EXPECT_TRUE(!keys.contains(t.key.toLower())) << t.key.toStdString();
        keys.insert(t.key.toLower());
    }
    EXPECT_EQ(MainFormTexts::Title, "Tolvane");
}

TEST(MainFormTexts, EveryKeyLoadsIntoItsOwnText) {
    TestFolders folders;
    QByteArray ini = "[Errors]\nFileMenu=wrong section\n[MainForm]\n";
    for (const KeyedText& t : MainFormTexts::builtInTexts())
        ini += t.key.toUtf8() + "=from file " + t.key.toUtf8() + "\n";
    folders.writeIni(ini);
    MainFormTexts texts;
    texts.load(SettingsFile::open().get());
    for (const KeyedText& t : texts.texts())
        EXPECT_EQ(t.text, "from file " + t.key);
    EXPECT_EQ(texts.text("filemenusaveas"), "from file FileMenuSaveAs");
    EXPECT_TRUE(texts.text("NoSuchKey").isNull());
}

TEST(MainFormTexts, MissingKeysAndMissingFileKeepBuiltIns) {
    TestFolders folders;
    MainFormTexts texts;
    texts.load(SettingsFile::open().get());
    EXPECT_EQ(texts.texts(), MainFormTexts::builtInTexts());

    folders.writeIni("[MainForm]\nFileMenuSaveAs=Enregistrer &sous\n");
    texts.load(SettingsFile::open().get());
    EXPECT_EQ(texts.FileMenuSaveAs, "Enregistrer &sous");
    EXPECT_EQ(texts.FileMenuSave, "&Save");
}

TEST(MainFormTexts, HintsSplitAtTheBar) {
    EXPECT_EQ(MainFormTexts::shortHint("New|"), "New");
    EXPECT_EQ(MainFormTexts::longHint("New|"), "");
    EXPECT_EQ(MainFormTexts::shortHint("Zoom In"), "Zoom In");
    EXPECT_EQ(MainFormTexts::longHint("Zoom In"), "");
    EXPECT_EQ(MainFormTexts::shortHint("Open|Open an image file"), "Open");
    EXPECT_EQ(MainFormTexts::longHint("Open|Open an image file"), "Open an image file");
}
