#include "items/ui/TimeItemDialog.h"
#include "ItemDialogTest.h"
#include "items/TimeItem.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

struct TimeItemDialogTest : ItemDialogTest<TimeItemDialog, TimeItem> {
    TimeItemDialogTest() {
        item->SuffixIndex = TimeItem::UpperPair;
        item->TimeSeparator = '.';
    }
};

QComboBox* suffixBox(const QDialog& d) {
    return control<QComboBox>(d, "SuffixComboBox");
}

QLineEdit* separatorEdit(const QDialog& d) {
    return control<QLineEdit>(d, "TimeSeparatorEdit");
}

// A pick from the box's list, which the box reports as chosen.
void chooseSuffix(const QDialog& d, int index) {
    suffixBox(d)->setCurrentIndex(index);
    emit suffixBox(d)->activated(index);
}

QStringList entries(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

} // namespace

TEST_F(TimeItemDialogTest, TheTwentyFourHourClockDisablesTheSuffix) {
    const int result = edit([](QDialog& d) {
        EXPECT_EQ(entries(*suffixBox(d)),
                  (QStringList{"None", "A/P", "AM/PM", "a/p", "am/pm"})); // no settings file
        EXPECT_EQ(suffixBox(d)->currentIndex(), TimeItem::UpperPair);
        EXPECT_TRUE(suffixBox(d)->isEnabled());
        EXPECT_EQ(separatorEdit(d)->text(), ".");
        click(d, "Format24HrCB");
        EXPECT_FALSE(suffixBox(d)->isEnabled());
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(item->Format24Hr);
    EXPECT_EQ(item->SuffixIndex, TimeItem::UpperPair);
}

// An empty box means the system's separator, as does a blank one from a
// file; a character without a Windows-1252 byte is refused as typed.
TEST_F(TimeItemDialogTest, TheSeparatorIsOnePrintableCharacter) {
    const char system = char(TimeItem::systemTimeSeparator());
    edit([](QDialog& d) {
        typeInto(separatorEdit(d), "");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->TimeSeparator, system);

    item->TimeSeparator = 0;
    edit([this, system](QDialog& d) {
        EXPECT_EQ(separatorEdit(d)->text(), QString(QLatin1Char(system)));
        typeInto(separatorEdit(d), "h-");
        EXPECT_EQ(separatorEdit(d)->text(), "h"); // one character
        typeInto(separatorEdit(d), QString::fromUtf8("\u2236"));
        EXPECT_EQ(h.prompter.texts(),
                  QStringList{QString::fromUtf8(
                      "Error - \"\u2236\" is not a character the printer can print.")});
        EXPECT_EQ(separatorEdit(d)->text(), "h");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->TimeSeparator, 'h');
}

// The box shows the settings file's names of the styles; what is printed
// follows the style, whatever its name in the language.
TEST(TimeItemDialog, StyleNamesComeFromTheSettingsFile) {
    DialogHarness h;
    h.folders.writeIni("[TIPropEdForm]\nCaption=Zeit\nFormat0=Keine\nFormat2=vorm./nachm.\n");
    DataStore data(SettingsFile::open().get());
    const Messages messages;
    TimeItemDialog form(h.prompter, data, h.render.fonts, messages);
    auto item = ImageItem::createNew<TimeItem>(SansFont);
    h.prompter.dialogScripts.push_back(modalScript([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Zeit (Item 1)");
        EXPECT_EQ(entries(*suffixBox(d)),
                  (QStringList{"Keine", "A/P", "vorm./nachm.", "a/p", "am/pm"}));
        chooseSuffix(d, 2);
        click(d, "OKBtn");
    }));
    EXPECT_EQ(form.editItem(*item, h.render.display, 1), QDialog::Accepted);
    EXPECT_EQ(item->SuffixIndex, 2);
    EXPECT_EQ(item->timeTextAt(QTime(14, 5)).substr(3), "05PM");
}
