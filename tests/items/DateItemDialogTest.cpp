#include "items/ui/DateItemDialog.h"
#include "ItemDialogTest.h"
#include "document/ImageCalendar.h"
#include "document/ShiftTable.h"
#include "items/DateItem.h"
#include "platform/Clock.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

const QDate Today(2024, 1, 31);

struct DateItemDialogTest : ItemDialogTest<DateItemDialog, DateItem> {
    DateItemDialogTest() {
        h.data.setMonthLanguageName("Own");
        h.render.display.setCalendar(&calendar);
        item->Separator = '/';
    }
    ~DateItemDialogTest() override { h.render.display.setCalendar(nullptr); }

    FixedClock clock{QDateTime(Today, QTime(9, 0))};
    std::string imageMonths = "JA1FE2MR3AP4MY5JN6JL7AU8SE9OC0NOVDEC";
    ShiftTable shifts;
    DataStore::MonthLanguages languages{
        {{QStringLiteral("English"), QStringLiteral("JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC")}}};
    ImageCalendar calendar{clock, languages, imageMonths, shifts};
};

QComboBox* box(const QDialog& d, const char* name) {
    return control<QComboBox>(d, name);
}

QLineEdit* field(const QDialog& d, const char* name) {
    return control<QLineEdit>(d, name);
}

bool enabled(const QDialog& d, const char* name) {
    return control<QWidget>(d, name)->isEnabled();
}

// Steps through a closed box with the arrow keys, as a user does; each step
// is a choice.
void pick(QComboBox* combo, int index) {
    combo->setFocus();
    while (combo->currentIndex() < index)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index)
        QTest::keyClick(combo, Qt::Key_Up);
}

void chooseType(const QDialog& d, int type) {
    QTest::mouseClick(control<RadioGroup>(d, "OverallTypeRG")->button(type), Qt::LeftButton);
}

QString example(const QDialog& d) {
    return labelText(d, "ExamplePanel");
}

} // namespace

// What the handheld prints with the offset, and today's date without it,
// follow every key the user types.
TEST_F(DateItemDialogTest, TheExampleShowsTheDateWithAndWithoutTheOffset) {
    const int result = editModal([](QDialog& d) {
        EXPECT_EQ(example(d), " Current selection: 31/01/2024");
        typeInto(field(d, "OffsetAmountEdit"), "1");
        EXPECT_EQ(example(d), " Current selection: 01/02/2024\n"
                              " Today, without the offset: 31/01/2024");
        pick(box(d, "OffsetTypeComboBox"), DateItem::Months);
        EXPECT_EQ(example(d), " Current selection: 29/02/2024\n"
                              " Today, without the offset: 31/01/2024");
        typeInto(field(d, "SeparatorEdit"), "-");
        pick(box(d, "Field2ComboBox"), DateItem::MonthAbbreviation);
        // The fifth language is the image's own, under the name it has now.
        ASSERT_EQ(box(d, "LanguageComboBox")->count(), 5);
        EXPECT_EQ(box(d, "LanguageComboBox")->itemText(ItemCalendar::ImageMonthLanguage), "Own");
        pick(box(d, "LanguageComboBox"), ItemCalendar::ImageMonthLanguage);
        EXPECT_EQ(example(d), " Current selection: 29-FE2-2024\n"
                              " Today, without the offset: 31-JA1-2024");
        typeInto(field(d, "OffsetAmountEdit"), "0");
        EXPECT_EQ(example(d), " Current selection: 31-JA1-2024");
        typeInto(field(d, "OffsetAmountEdit"), "12");
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->OffsetAmount, 12);
    EXPECT_EQ(item->OffsetType, DateItem::Months);
    EXPECT_EQ(item->Separator, '-');
    EXPECT_EQ(item->Field2, DateItem::MonthAbbreviation);
    EXPECT_EQ(item->LanguageIndex, ItemCalendar::ImageMonthLanguage);
}

TEST_F(DateItemDialogTest, OnlyTheGroupsOfTheChosenTypeCanBeEdited) {
    item->OffsetType = DateItem::Years;
    item->setOperatorRequest(true);
    const struct {
        int type;
        bool parts, offset, offsetUnit, week, dayCode;
    } cases[] = {{DateItem::WeekNumber, false, false, false, true, false},
                 {DateItem::DayCode, false, false, false, false, true},
                 {DateItem::JulianDay, false, true, false, false, false},
                 {DateItem::Normal, true, true, true, false, false}};
    edit([&](QDialog& d) {
        EXPECT_TRUE(control<QCheckBox>(d, "CheckBox1")->isChecked());
        for (const auto& c : cases) {
            SCOPED_TRACE(c.type);
            chooseType(d, c.type);
            EXPECT_EQ(enabled(d, "FieldGroupBox"), c.parts);
            EXPECT_EQ(enabled(d, "OffsetGroupBox"), c.offset);
            EXPECT_EQ(enabled(d, "OffsetTypeComboBox"), c.offsetUnit);
            EXPECT_EQ(enabled(d, "WeekNoGroupBox"), c.week);
            EXPECT_EQ(enabled(d, "DayCodeGroupBox"), c.dayCode);
            EXPECT_TRUE(enabled(d, "TextGroupBox"));
            EXPECT_EQ(item->DateType, 4) << "the dialog works on a copy";
        }
        // The day of the year moves by days only.
        EXPECT_EQ(box(d, "OffsetTypeComboBox")->currentIndex(), DateItem::Days);
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->DateType, DateItem::Normal + DateItem::OperatorRequestFlag);
    EXPECT_EQ(item->OffsetType, DateItem::Days);
}

TEST_F(DateItemDialogTest, LeavingDayCodesBringsLeadZerosBack) {
    item->DateType = DateItem::DayCode;
    item->LeadZeros = false;
    edit([](QDialog& d) {
        chooseType(d, DateItem::JulianDay);
        EXPECT_TRUE(control<QCheckBox>(d, "LeadZerosCB")->isChecked());
        EXPECT_EQ(example(d), " Current selection: 031");
        control<QCheckBox>(d, "CheckBox1")->click();
        click(d, "OKBtn");
    });
    EXPECT_TRUE(item->LeadZeros);
    EXPECT_EQ(item->DateType, DateItem::JulianDay + DateItem::OperatorRequestFlag);
}

// An Arabic date has no month names, and no month language.
TEST_F(DateItemDialogTest, ArabicDatesRefuseMonthNames) {
    item->Field1 = DateItem::Year2;
    item->Field2 = DateItem::MonthAbbreviation;
    edit([this](QDialog& d) {
        control<QCheckBox>(d, "Arabic")->click();
        EXPECT_FALSE(enabled(d, "LanguageComboBox"));
        EXPECT_EQ(box(d, "Field1ComboBox")->currentIndex(), DateItem::Day);
        EXPECT_EQ(box(d, "Field2ComboBox")->currentIndex(), DateItem::Month);
        box(d, "Field2ComboBox")->setFocus();
        QTest::keyClick(box(d, "Field2ComboBox"), Qt::Key_Down); // to "Month, 3 char alpha"
        ASSERT_EQ(h.prompter.shown.size(), 1u);
        EXPECT_EQ(h.prompter.shown[0].text, "Error - Invalid Arabic Date");
        EXPECT_EQ(h.prompter.shown[0].caption, "");
        EXPECT_EQ(h.prompter.shown[0].icon, Prompter::Icon::Stop);
        EXPECT_EQ(box(d, "Field2ComboBox")->currentIndex(), DateItem::Month);
        pick(box(d, "Field3ComboBox"), DateItem::Year2);
        click(d, "OKBtn");
    });
    EXPECT_TRUE(item->Arabic);
    EXPECT_EQ(item->Field1, DateItem::Day);
    EXPECT_EQ(item->Field2, DateItem::Month);
    EXPECT_EQ(item->Field3, DateItem::Year2);
    edit([](QDialog& d) {
        EXPECT_FALSE(enabled(d, "LanguageComboBox"));
        control<QCheckBox>(d, "Arabic")->click();
        EXPECT_TRUE(enabled(d, "LanguageComboBox"));
        EXPECT_EQ(box(d, "Field3ComboBox")->currentIndex(), DateItem::Year4);
        click(d, "OKBtn");
    });
    EXPECT_FALSE(item->Arabic);
}

// Checked at every key: a wrong key empties the box to "0", where typing
// goes on.
TEST_F(DateItemDialogTest, OffsetsAreUpToThreeDigits) {
    const struct {
        const char* typed;
        const char* shown;
        int32_t amount;
        bool refused;
    } cases[] = {{"999", "999", 999, false}, {"", "0", 0, false},   {"1000", "0", 0, true},
                 {"12a", "0", 0, true},      {"-5", "05", 5, true}, {"07", "07", 7, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        h.prompter.shown.clear();
        edit([&](QDialog& d) {
            typeInto(field(d, "OffsetAmountEdit"), c.typed);
            EXPECT_EQ(field(d, "OffsetAmountEdit")->text(), c.shown);
            click(d, "OKBtn");
        });
        EXPECT_EQ(item->OffsetAmount, c.amount);
        EXPECT_EQ(h.prompter.texts(),
                  c.refused ? QStringList{"Error - Invalid offset amount"} : QStringList());
    }
}

// The number typed is this week's in the user's own count, which the record
// carries as the days since that count began.
TEST_F(DateItemDialogTest, TheCurrentWeekNumberSetsWhenTheWeekCountBegan) {
    item->LeadZeros = true;
    item->DateType = DateItem::WeekNumber;
    edit([this](QDialog& d) {
        EXPECT_EQ(field(d, "CurrentWeekNumberEdit")->text(), "05");
        const struct {
            const char* typed;
            const char* shown;
            int beeps;
        } cases[] = {{"3", "3", 0}, {"", "0", 1}, {"1234", "123", 1}, {"x", "0", 1}};
        for (const auto& c : cases) {
            h.prompter.beeps = 0;
            typeInto(field(d, "CurrentWeekNumberEdit"), c.typed);
            EXPECT_EQ(field(d, "CurrentWeekNumberEdit")->text(), c.shown) << c.typed;
            EXPECT_EQ(h.prompter.beeps, c.beeps) << c.typed;
        }
        typeInto(field(d, "CurrentWeekNumberEdit"), "3");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->WeekStartDate, DateItem::fileDate(Today.addDays(-14)));
}
