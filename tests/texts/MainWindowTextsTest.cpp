#include "texts/MainWindowTexts.h"

#include "texts/SettingsFile.h"

#include "TestFolders.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(MainWindowTexts, KeysAreUnique) {
    QSet<QString> keys;
    for (const KeyedText& t : MainWindowTexts::builtInTexts()) {
        EXPECT_TRUE(!keys.contains(t.key.toLower())) << t.key.toStdString();
        keys.insert(t.key.toLower());
    }
    EXPECT_EQ(MainWindowTexts::Title, "Tolvane");
}

TEST(MainWindowTexts, EveryKeyLoadsIntoItsOwnText) {
    TestFolders folders;
    QByteArray ini = "[Errors]\nFileMenu=wrong section\n[MainForm]\n";
    for (const KeyedText& t : MainWindowTexts::builtInTexts())
        ini += t.key.toUtf8() + "=from file " + t.key.toUtf8() + "\n";
    folders.writeIni(ini);
    MainWindowTexts texts;
    texts.load(SettingsFile::open().get());
    for (const KeyedText& t : texts.texts())
        EXPECT_EQ(t.text, "from file " + t.key);
    EXPECT_EQ(texts.text("filemenusaveas"), "from file FileMenuSaveAs");
    EXPECT_TRUE(texts.text("NoSuchKey").isNull());
}

TEST(MainWindowTexts, MissingKeysAndMissingFileKeepBuiltIns) {
    TestFolders folders;
    MainWindowTexts texts;
    texts.load(SettingsFile::open().get());
    EXPECT_EQ(texts.texts(), MainWindowTexts::builtInTexts());

    folders.writeIni("[MainForm]\nFileMenuSaveAs=Enregistrer &sous\n");
    texts.load(SettingsFile::open().get());
    EXPECT_EQ(texts.FileMenuSaveAs, "Enregistrer &sous");
    EXPECT_EQ(texts.FileMenuSave, "&Save");
}

TEST(MainWindowTexts, HintsSplitAtTheBar) {
    EXPECT_EQ(MainWindowTexts::shortHint("New|"), "New");
    EXPECT_EQ(MainWindowTexts::longHint("New|"), "");
    EXPECT_EQ(MainWindowTexts::shortHint("Zoom In"), "Zoom In");
    EXPECT_EQ(MainWindowTexts::longHint("Zoom In"), "");
    EXPECT_EQ(MainWindowTexts::shortHint("Open|Open an image file"), "Open");
    EXPECT_EQ(MainWindowTexts::longHint("Open|Open an image file"), "Open an image file");
}
