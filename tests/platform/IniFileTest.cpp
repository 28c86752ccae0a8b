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

TEST_F(IniFileTest, ALatin1FileIsReadAsWindows1252AndWrittenBackSo) {
    write("[TOLVOptions]\r\nMonthLanguage1=JANF\xC9VMARAVRMAIJUINJUIAO\xDBSEPOCTNOVD\xC9"
          "C\r\nPrice=\x80 5\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("TOLVOptions", "MonthLanguage1", ""),
              QString::fromUtf8("JANFÉVMARAVRMAIJUINJUIAOÛSEPOCTNOVDÉC"));
    EXPECT_EQ(ini.readString("TOLVOptions", "Price", ""), QString::fromUtf8("€ 5"));
    ASSERT_TRUE(ini.writeInteger("LangForm", "Language", 1));
    EXPECT_EQ(contents(),
              "[TOLVOptions]\r\nMonthLanguage1=JANF\xC9VMARAVRMAIJUINJUIAO\xDBSEPOCTNOVD\xC9"
              "C\r\nPrice=\x80 5\r\n\r\n[LangForm]\r\nLanguage=1\r\n");
}

TEST_F(IniFileTest, AFileWrittenBackUnchangedStaysByteIdentical) {
    const QByteArray files[] = {
        "[A]\nx=1\n",
        "\xEF\xBB\xBF[A]\r\nx=1\r\nname=Fran\xC3\xA7ois",         // BOM, CRLF, no final line break
        "[A]\r\nx=1\r\nname=Fran\xE7ois\r\n; \x93quoted\x94\r\n", // Windows-1252
        "[A]\nx=1\nname=\x81\x8D\x8F\x90\x9D",                    // its undefined bytes
        "\xEF\xBB\xBF\xEF\xBB\xBF; two marks\n[A]\nx=1\r\ny=2\r\r\nz=3\n", // mixed line ends
    };
    for (const QByteArray& bytes : files) {
        write(bytes);
        IniFile ini(path());
        ASSERT_TRUE(ini.writeInteger("A", "x", 1));
        EXPECT_EQ(contents(), bytes);
    }
}

TEST_F(IniFileTest, AWindows1252FileGainingOtherCharactersBecomesUtf8) {
    write("[A]\nname=Fran\xE7ois\n");
    IniFile ini(path());
    ASSERT_TRUE(ini.writeString("A", "city", QString::fromUtf8("Łódź")));
    EXPECT_EQ(contents(), "[A]\nname=Fran\xC3\xA7ois\ncity=\xC5\x81\xC3\xB3"
                          "d\xC5\xBA\n");
    EXPECT_EQ(IniFile(path()).readString("A", "name", ""), QString::fromUtf8("François"));
}

} // namespace
