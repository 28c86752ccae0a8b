#include "platform/IniFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.path() + QStringLiteral("/tolv.ini"); }
    void write(const QByteArray& text) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray contents() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(IniFileTest, NamesCompareWithoutCaseAndValuesKeepCommasAndQuotes) {
    write("; comment\n[MainForm]\nMaxItemsPerLabel = 12\nTitle=\"a, b\" 50%\n"
          "[FileName]\nox100FN=ox100 (*.100)\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("mainform", "MAXITEMSPERLABEL", 0), 12);
    EXPECT_EQ(ini.readString("MainForm", "Title", "x"), "\"a, b\" 50%");
    EXPECT_EQ(ini.readString("FileName", "ox100FN", ""), "ox100 (*.100)");
    EXPECT_EQ(ini.readString("FileName", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.readString("Nowhere", "ox100FN", "dflt"), "dflt");
}

TEST_F(IniFileTest, NumbersThatDoNotParseGiveTheDefault) {
    write("[S]\nA=abc\nB=-3\nC=0x1F\nD=\nE=2.5\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("S", "A", 7), 7);
    EXPECT_EQ(ini.readInteger("S", "B", 7), -3);
    EXPECT_EQ(ini.readInteger("S", "C", 7), 31);
    EXPECT_EQ(ini.readInteger("S", "D", 7), 7);
    EXPECT_DOUBLE_EQ(ini.readFloat("S", "E", 0), 2.5);
    EXPECT_TRUE(ini.readBool("S", "B", false)); // any non-zero is true
}

TEST_F(IniFileTest, WriteUpdatesInPlaceAppendsToSectionAndKeepsOtherLines) {
    write("; keep me\n[A]\nx=1\n\n; between\n[B]\ny=2\n");
    IniFile ini(path());
    ASSERT_TRUE(ini.writeInteger("a", "X", 5));    // in place, original spelling replaced
    ASSERT_TRUE(ini.writeString("A", "z", "new")); // appended to A, before the blank line
    ASSERT_TRUE(ini.writeBool("C", "flag", true)); // new section at the end
    EXPECT_EQ(contents(), "; keep me\n[A]\nX=5\nz=new\n\n; between\n[B]\ny=2\n\n[C]\nflag=1\n");
    IniFile again(path());
    EXPECT_EQ(again.readString("A", "z", ""), "new");
    EXPECT_EQ(again.sectionKeys("a"), (QStringList{"X", "z"}));
}

TEST_F(IniFileTest, MissingFileIsCreatedByAWriteAndAFailedWriteChangesNothing) {
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("S", "k", 4), 4);
    ASSERT_TRUE(ini.writeString("S", "k", "v"));
    EXPECT_EQ(contents(), "[S]\nk=v\n");

    IniFile nowhere(dir.path() + QStringLiteral("/no/such/folder/tolv.ini"));
    EXPECT_FALSE(nowhere.writeString("S", "k", "v"));
    EXPECT_EQ(nowhere.readString("S", "k", "dflt"), "dflt");
}

TEST_F(IniFileTest, KeepsAccentedTextThroughARewrite) {
    write("[LangForm]\nFrench=Fran\xc3\xa7"
          "ais\n");
    IniFile ini(path());
    ASSERT_TRUE(ini.writeInteger("LangForm", "Language", 1));
    EXPECT_EQ(IniFile(path()).readString("LangForm", "French", ""), QString::fromUtf8("Français"));
}

} // namespace
