#include "texts/Messages.h"

#include "texts/SettingsFile.h"

#include "TestFolders.h"

#include <gtest/gtest.h>

namespace {

Messages loaded() {
    Messages m;
    m.load(SettingsFile::open().get());
    return m;
}

} // namespace

TEST(Messages, WithoutSettingsFileOrWithAnEmptyOneEveryTextIsBuiltIn) {
    TestFolders folders;
    for (const bool empty : {false, true}) {
        if (empty)
            folders.writeIni("");
        const Messages m = loaded();
        EXPECT_EQ(m.CloseConfirm, "Image altered, save?");
        EXPECT_EQ(m.ImageTooBigError, "Error - image too large for the handheld");
        EXPECT_EQ(m.texts(), Messages::builtInTexts());
    }
}

TEST(Messages, FileTextsReplaceBuiltInsAndMissingKeysKeepThem) {
    TestFolders folders;
    folders.writeIni("[MainForm]\nCloseConfirm=wrong section\n"
                     "[errors]\ncloseconfirm=Bild ge\xc3\xa4ndert, speichern?\n"
                     "TooManyShiftsError=Trop d'\xc3\xa9quipes, 25 max.\n");
    const Messages m = loaded();
    EXPECT_EQ(m.CloseConfirm, QString::fromUtf8("Bild ge\xc3\xa4ndert, speichern?"));
    EXPECT_EQ(m.TooManyShiftsError, QString::fromUtf8("Trop d'\xc3\xa9quipes, 25 max."));
    EXPECT_EQ(m.FileNewConfirm, "Image altered, save?");
    EXPECT_EQ(m.CannotDownloadNoLabelDescription, "No Label Description - Cannot Download");
}

// The English language file holds these keys in order, each once, which
// the language file tests check; here only the texts.
TEST(Messages, NoBuiltInTextIsEmpty) {
    for (const KeyedText& t : Messages::builtInTexts())
        EXPECT_FALSE(t.text.isEmpty()) << t.key.toStdString();
}

// Two keys bound to one member would show one message in place of another.
TEST(Messages, EveryKeyLoadsIntoItsOwnText) {
    TestFolders folders;
    QByteArray ini = "[Errors]\n";
    for (const KeyedText& t : Messages::builtInTexts())
        ini += t.key.toUtf8() + "=from file " + t.key.toUtf8() + "\n";
    folders.writeIni(ini);
    for (const KeyedText& t : loaded().texts())
        EXPECT_EQ(t.text, "from file " + t.key);
}
