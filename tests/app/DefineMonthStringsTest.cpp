// File > Define Month Strings: the open image's own month abbreviations and
// their name, which date items of the image's month language print.
#include "document/DataStore.h"
#include "items/DateItem.h"

#include "DrivenWindowFixture.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const std::string English = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
const QByteArray Settings = "[SelectPrinter]\nLastUsed=1\n[TOLVOptions]\n"
                            "MonthLanguage1Name=English\nMonthLanguage1=" +
                            QByteArray::fromStdString(English) + "\n";

class DefineMonthStringsTest : public DrivenWindowFixture {
protected:
    void SetUp() override { openWindow(Settings); }
};

class RealDialogMonthStringsTest : public DefineMonthStringsTest {
protected:
    void SetUp() override { openWindow(Settings, true); }
};

QLineEdit* edit(const QWidget& d, const char* name) {
    return control<QLineEdit>(d, name);
}

// A short abbreviation keeps its month's place; one of more than three
// characters is cleared as it is typed.
TEST_F(RealDialogMonthStringsTest, TheImagesMonthStringsAreEditedAndItsDateItemsOfferThem) {
    data->setMonthStrings({});
    ModalDriver user{[](QWidget& w) {
        auto& d = static_cast<QDialog&>(w);
        EXPECT_EQ(d.windowTitle(), "Define Month Strings");
        EXPECT_EQ(edit(d, "NameEdit")->text(), "English"); // taken from the first language
        EXPECT_EQ(edit(d, "JanEdit")->text(), "JAN");
        EXPECT_EQ(edit(d, "DecEdit")->text(), "DEC");
        typeInto(edit(d, "NameEdit"), "Plant");
        typeInto(edit(d, "FebEdit"), "FB");
        typeInto(edit(d, "MarEdit"), "MARS");
        EXPECT_EQ(edit(d, "MarEdit")->text(), "");
        click(d, "OKButton");
    }};
    trigger("FileMenuDefineMonthStrings");
    EXPECT_EQ(user.met, QStringList{"MonthStringsDialog"});
    EXPECT_EQ(data->monthStrings(), "JANFB    APRMAYJUNJULAUGSEPOCTNOVDEC");
    EXPECT_EQ(data->monthLanguageName(), "Plant");
    EXPECT_TRUE(window->modified());

    // A new date item offers the image's month language under its new name.
    user.add([](QWidget& w) {
        auto& d = static_cast<QDialog&>(w);
        auto* languages = control<QComboBox>(d, "LanguageComboBox");
        EXPECT_EQ(languages->itemText(ItemCalendar::ImageMonthLanguage), "Plant");
        languages->setFocus();
        for (int i = 0; i < ItemCalendar::ImageMonthLanguage; ++i)
            QTest::keyClick(languages, Qt::Key_Down);
        click(d, "OKBtn");
    });
    trigger("ItemMenuDateItem");
    QTest::mousePress(image, Qt::LeftButton, Qt::NoModifier, QPoint(400, 100));
    EXPECT_TRUE(user.allStepsTaken());
    EXPECT_EQ(user.unexpected, 0);
    ASSERT_EQ(editor().items().count(), 1);
    const auto* placed = dynamic_cast<const DateItem*>(editor().items().at(1));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->LanguageIndex, ItemCalendar::ImageMonthLanguage);
}

TEST_F(DefineMonthStringsTest, CancelKeepsTheMonthStrings) {
    data->setMonthLanguageName("Plant");
    data->setMonthStrings("JA1FE2MR3AP4MY5JN6JL7AU8SE9OC0NOVDEC");
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        EXPECT_EQ(d.objectName(), "MonthStringsForm");
        EXPECT_EQ(edit(d, "NameEdit")->text(), "Plant");
        EXPECT_EQ(edit(d, "FebEdit")->text(), "FE2");
        typeInto(edit(d, "FebEdit"), "XXX");
        click(d, "CancelButton");
    }));
    trigger("FileMenuDefineMonthStrings");
    EXPECT_EQ(data->monthStrings(), "JA1FE2MR3AP4MY5JN6JL7AU8SE9OC0NOVDEC");
    EXPECT_FALSE(window->modified());
}

// The handheld's texts are Windows-1252; a character without a byte there
// is refused by name and the dialog stays open.
TEST_F(DefineMonthStringsTest, MonthStringsAreWindows1252) {
    prompter.dialogScripts.push_back(script([this](QDialog& d) {
        typeInto(edit(d, "MayEdit"), QString::fromUtf8("MÄ€"));
        typeInto(edit(d, "JunEdit"), QString::fromUtf8("JΩN"));
        click(d, "OKButton");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(prompter.texts(),
                  QStringList{QString::fromUtf8(
                      "Error - \"Ω\" is not a character the printer can print.")});
        typeInto(edit(d, "JunEdit"), "JUN");
        click(d, "OKButton");
    }));
    trigger("FileMenuDefineMonthStrings");
    EXPECT_EQ(data->monthStrings(), "JANFEBMARAPRM\xC4\x80JUNJULAUGSEPOCTNOVDEC");
    EXPECT_EQ(data->monthLanguageName(), "English");
}

} // namespace
