#include "document/ui/ShiftTimesDialog.h"
#include "DialogDriving.h"
#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "texts/Messages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int Monday = 1, Tuesday = 2, Saturday = 6;

const QString TooMany = QStringLiteral("Error - too many shifts. (Max. 25)");
const QString InvalidTime = QStringLiteral("Error - invalid time value.");
const QString InvalidCode = QStringLiteral("Error - invalid shift code.");
const QString Duplicate = QStringLiteral("Error - a shift already exists with these settings.");
const QString CodeInUse = QStringLiteral("Error - this shift code already in use.");

// Picks a day from a day box's list, which the box reports as chosen.
void chooseDay(QDialog& d, const char* box, int day) {
    auto* days = control<QComboBox>(d, box);
    days->setCurrentIndex(day);
    emit days->activated(day);
}

void addShift(QDialog& d, int day, const char* start, const char* code) {
    chooseDay(d, "NewDayComboBox", day);
    typeInto(control<QLineEdit>(d, "NewShiftStartEdit"), QLatin1String(start));
    typeInto(control<QLineEdit>(d, "NewShiftcodeEdit"), QLatin1String(code));
    click(d, "AddButton");
}

void clickLine(QDialog& d, int row) {
    auto* list = control<QListWidget>(d, "ShiftListBox");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
}

QString edited(QDialog& d, const char* name) {
    return control<QLineEdit>(d, name)->text();
}

QString counts(QDialog& d) {
    return labelText(d, "ShiftsInUse") + u'/' + labelText(d, "ShiftsLeft");
}

struct ShiftTimesDialogTest : ::testing::Test {
    TestFolders folders;
    ScriptedPrompter prompter;
    const Messages messages;
    ShiftTimesDialog form{nullptr, messages};
    ShiftTable table;

    template <typename Body> bool edit(Body body) {
        prompter.dialogScripts.push_back(script(body));
        return form.execute(prompter, table);
    }
    void addThreeMondayShifts() {
        table.add(Monday, 6 / 24.0, "A");
        table.add(Monday, 14 / 24.0, "B");
        table.add(Monday, 22 / 24.0, "C");
    }
};

} // namespace

// Each refusal is its own message, with an empty caption and the stop icon,
// and leaves the table as it was.
TEST_F(ShiftTimesDialogTest, AddRefusesBadTimesCodesDuplicatesAndACodeTwiceADay) {
    addThreeMondayShifts();
    const bool ok = edit([this](QDialog& d) {
        EXPECT_EQ(listLines(d, "ShiftListBox"),
                  (QStringList{"Monday 06:00 A", "Monday 14:00 B", "Monday 22:00 C"}));
        EXPECT_EQ(counts(d), "3/22");
        addShift(d, Monday, "25:00", "X");
        addShift(d, Monday, "07:00", "XY");
        addShift(d, Monday, "07:00", "");
        addShift(d, Monday, "6:00", "X");
        addShift(d, Tuesday, "06:00", "A");
        addShift(d, Monday, "08:00", "A");
        EXPECT_EQ(prompter.texts(),
                  (QStringList{InvalidTime, InvalidCode, InvalidCode, Duplicate, CodeInUse}));
        EXPECT_EQ(listLines(d, "ShiftListBox").last(), "Tuesday 06:00 A");
        EXPECT_EQ(counts(d), "4/21");
        click(d, "OKButton");
    });
    EXPECT_TRUE(ok);
    for (const auto& shown : prompter.shown) {
        EXPECT_EQ(shown.caption, "");
        EXPECT_EQ(shown.icon, Prompter::Icon::Stop);
    }
    EXPECT_EQ(table.count(), 4);
    EXPECT_EQ(table.slot(4).Day, Tuesday);
}

TEST_F(ShiftTimesDialogTest, ATwentySixthShiftIsRefused) {
    for (int i = 0; i < ShiftTable::SlotCount; ++i)
        ASSERT_EQ(table.add(uint8_t(i % 7), (i / 7 + 1) / 24.0, std::string(1, char('A' + i))),
                  ShiftTable::Refusal::None);
    const ShiftTable full = table;
    edit([this](QDialog& d) {
        EXPECT_EQ(counts(d), "25/0");
        addShift(d, Saturday, "not a time", "Q"); // too many comes first
        EXPECT_EQ(prompter.texts(), QStringList{TooMany});
        EXPECT_EQ(counts(d), "25/0");
        click(d, "OKButton");
    });
    EXPECT_EQ(table, full);
}

TEST_F(ShiftTimesDialogTest, DeletingTheFirstMovesTheOthersUp) {
    addThreeMondayShifts();
    edit([](QDialog& d) {
        clickLine(d, 0);
        EXPECT_EQ(edited(d, "ShiftStartEdit"), "06:00");
        EXPECT_EQ(edited(d, "ShiftcodeEdit"), "A");
        click(d, "DeleteButton");
        EXPECT_EQ(listLines(d, "ShiftListBox"), (QStringList{"Monday 14:00 B", "Monday 22:00 C"}));
        EXPECT_EQ(edited(d, "ShiftcodeEdit"), "B"); // the first line is selected
        EXPECT_EQ(counts(d), "2/23");
        click(d, "OKButton");
    });
    EXPECT_EQ(table.slot(1).Code, "B");
    EXPECT_EQ(table.slot(2).Code, "C");
    EXPECT_FALSE(table.slot(3).used());
}

// Replacing checks the new values against every shift, the replaced one
// included, then sorts; a day change of the selected line checks the new day
// and rewrites the line in its place.
TEST_F(ShiftTimesDialogTest, ReplaceAndDayChangeCheckBeforeTheyChange) {
    addThreeMondayShifts();
    table.add(Tuesday, 14 / 24.0, "X");
    edit([this](QDialog& d) {
        clickLine(d, 1); // Monday 14:00 B
        chooseDay(d, "DayComboBox", Tuesday);
        EXPECT_EQ(prompter.texts(), QStringList{Duplicate});
        EXPECT_EQ(control<QComboBox>(d, "DayComboBox")->currentIndex(), Monday);

        typeInto(control<QLineEdit>(d, "ShiftStartEdit"), "9:00");
        typeInto(control<QLineEdit>(d, "ShiftcodeEdit"), "D");
        chooseDay(d, "DayComboBox", Saturday); // moves the line at once
        EXPECT_EQ(listLines(d, "ShiftListBox")[1], "Saturday 14:00 B");
        click(d, "ReplaceButton");
        EXPECT_EQ(listLines(d, "ShiftListBox"),
                  (QStringList{"Monday 06:00 A", "Monday 22:00 C", "Tuesday 14:00 X",
                               "Saturday 09:00 D"}));
        EXPECT_EQ(control<QListWidget>(d, "ShiftListBox")->currentRow(), 3);

        typeInto(control<QLineEdit>(d, "ShiftStartEdit"), "x");
        click(d, "ReplaceButton");
        EXPECT_EQ(prompter.texts().last(), InvalidTime);
        click(d, "OKButton");
    });
    EXPECT_EQ(table.slot(4).Code, "D");
    EXPECT_EQ(table.count(), 4);
}

TEST_F(ShiftTimesDialogTest, CancelKeepsTheTableAsItWas) {
    addThreeMondayShifts();
    const ShiftTable before = table;
    const bool ok = edit([](QDialog& d) {
        addShift(d, Tuesday, "06:00", "A");
        clickLine(d, 0);
        click(d, "DeleteButton");
        click(d, "CancelButton");
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(table, before);
}

// The dialog in its own modal loop, as the user meets it: the list is
// sorted by day, then by start.
TEST_F(ShiftTimesDialogTest, WorksInItsModalLoop) {
    prompter.dialogScripts.push_back(modalScript([](QDialog& d) {
        addShift(d, Tuesday, "06:00", "X");
        addShift(d, Monday, "6:00", "A");
        addShift(d, Monday, "05:30", "Z");
        EXPECT_EQ(listLines(d, "ShiftListBox"),
                  (QStringList{"Monday 05:30 Z", "Monday 06:00 A", "Tuesday 06:00 X"}));
        click(d, "OKButton");
    }));
    EXPECT_TRUE(form.execute(prompter, table));
    EXPECT_EQ(prompter.dialogsRun, QStringList{"ShiftTimesForm"});
    EXPECT_EQ(table.slot(1).Code, "Z");
    EXPECT_EQ(table.slot(3).Code, "X");
    EXPECT_EQ(table.currentShiftCode(QDateTime(QDate(2024, 3, 4), QTime(7, 0))), "A");
}

TEST(ShiftTimesDialog, StartsAreTimesOfDay) {
    EXPECT_EQ(ShiftTimesDialog::startOf("06:00"), 0.25);
    EXPECT_EQ(ShiftTimesDialog::startOf(" 6:00 "), 0.25);
    EXPECT_EQ(ShiftTimesDialog::startOf("18:00:00"), 0.75);
    for (const char* bad : {"", "24:00", "6", "12:60", "noon"})
        EXPECT_FALSE(ShiftTimesDialog::startOf(QLatin1String(bad))) << bad;
    EXPECT_EQ(ShiftTimesDialog::startText(0.75), "18:00");
}
