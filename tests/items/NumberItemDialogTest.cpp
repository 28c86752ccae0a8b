#include "items/ui/NumberItemDialog.h"
#include "ItemDialogTest.h"
#include "items/NumberItem.h"

#include <QCheckBox>

namespace {

using NumberItemDialogTest = ItemDialogTest<NumberItemDialog, NumberItem>;

QLineEdit* box(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

} // namespace

// The whole edit in the dialog's own modal loop, as the user has it.
TEST_F(NumberItemDialogTest, ShowsTheSettingsAndTakesTheEditOnOk) {
    item->Number = "42";
    item->Increment = "3";
    item->Restart = "99";
    item->MaxLength = "6";
    item->CountBeforeInc = "2";
    item->LeadingZero = false;
    item->ReverseCount = true;
    const int result = editModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Number item properties (Item 1)");
        EXPECT_TRUE(box(d, "NumberEdit")->hasFocus());
        EXPECT_EQ(box(d, "NumberEdit")->text(), "42");
        EXPECT_EQ(box(d, "IncrementEdit")->text(), "3");
        EXPECT_EQ(box(d, "RestartEdit")->text(), "99");
        EXPECT_EQ(box(d, "CountBeforeIncEdit")->text(), "2");
        EXPECT_EQ(box(d, "MaxLengthEdit")->text(),
                  "6"); // the item's, not the number's length
        EXPECT_FALSE(control<QCheckBox>(d, "LeadingZero")->isChecked());
        EXPECT_TRUE(control<QCheckBox>(d, "ReverseCount")->isChecked());
        typeInto(box(d, "NumberEdit"), "12345");
        EXPECT_EQ(box(d, "MaxLengthEdit")->text(), "5");
        typeInto(box(d, "RestartEdit"), "250");
        control<QCheckBox>(d, "LeadingZero")->click();
        control<QCheckBox>(d, "ReverseCount")->click();
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->Number, "12345");
    EXPECT_EQ(item->MaxLength, "5");
    EXPECT_EQ(item->Restart, "250");
    EXPECT_EQ(item->Increment, "3");
    EXPECT_EQ(item->CountBeforeInc, "2");
    EXPECT_TRUE(item->LeadingZero);
    EXPECT_FALSE(item->ReverseCount);
}

TEST_F(NumberItemDialogTest, EveryBoxKeepsAValidNumberAsItIsTyped) {
    const struct {
        const char* box;
        const char* typed;
        const char* kept;
        int beeps;
        std::string NumberItem::*field;
    } cases[] = {
        {"NumberEdit", "x", "0", 0, &NumberItem::Number},
        {"NumberEdit", "", "0", 0, &NumberItem::Number},
        {"NumberEdit", "-5", "05", 0, &NumberItem::Number}, // a lone sign is no number
        {"IncrementEdit", "7x", "0", 0, &NumberItem::Increment},
        {"IncrementEdit", "1-", "0", 0, &NumberItem::Increment},
        {"RestartEdit", "", "0", 0, &NumberItem::Restart},
        {"CountBeforeIncEdit", "12a3", "123", 1, &NumberItem::CountBeforeInc},
        {"CountBeforeIncEdit", "-4", "04", 1, &NumberItem::CountBeforeInc},
        {"CountBeforeIncEdit", "", "0", 0, &NumberItem::CountBeforeInc},
        {"MaxLengthEdit", "0", "001", 0, &NumberItem::MaxLength},
        {"MaxLengthEdit", "x", "001", 0, &NumberItem::MaxLength},
        {"MaxLengthEdit", "7", "7", 0, &NumberItem::MaxLength},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " \"" + c.typed + '"');
        item = newItem();
        h.prompter.beeps = 0;
        edit([&c](QDialog& d) {
            typeInto(box(d, c.box), QString::fromLatin1(c.typed));
            EXPECT_EQ(box(d, c.box)->text(), c.kept);
            click(d, "OKBtn");
        });
        EXPECT_EQ((*item).*c.field, c.kept);
        EXPECT_EQ(h.prompter.beeps, c.beeps);
    }
}

// A drawn number can hold more digits than the box takes typed, and the
// smallest digit count is shown as "001" in a box of one character.
TEST_F(NumberItemDialogTest, LongerTextsAreShownWholeButNotLengthenedByTyping) {
    item->Number = "0000000000";
    edit([](QDialog& d) {
        QLineEdit* number = box(d, "NumberEdit");
        EXPECT_EQ(number->text(), "0000000000");
        number->end(false);
        QTest::keyClicks(number, "1");
        EXPECT_EQ(number->text(), "0000000000");
        QTest::keyClick(number, Qt::Key_Backspace);
        QTest::keyClick(number, Qt::Key_Backspace);
        QTest::keyClicks(number, "12"); // nine characters at most
        EXPECT_EQ(number->text(), "000000001");
        typeInto(box(d, "MaxLengthEdit"), "0");
        EXPECT_EQ(box(d, "MaxLengthEdit")->text(), "001");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->Number, "000000001");
    EXPECT_EQ(item->MaxLength, "001");
}
