#include "items/ui/TextItemDialog.h"
#include "ItemDialogTest.h"
#include "items/TextItem.h"
#include "texts/Messages.h"

#include <QCheckBox>

namespace {

struct TextItemDialogTest : ItemDialogTest<TextItemDialog, TextItem> {
    TextItemDialogTest() {
        item->Text = "HELLO";
        item->MaxChars = 2;
    }
};

QLineEdit* field(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

} // namespace

TEST_F(TextItemDialogTest, OperatorRequestEnablesPromptAndMaxChars) {
    item->Prompt = "Lot";
    const int result = edit([](QDialog& d) {
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "5"); // raised to the text on open
        EXPECT_FALSE(field(d, "PromptEdit")->isEnabled());
        EXPECT_FALSE(field(d, "MaxCharsEdit")->isEnabled());
        control<QCheckBox>(d, "OperatorRequestCheckBox")->click();
        EXPECT_TRUE(field(d, "PromptEdit")->isEnabled());
        EXPECT_TRUE(field(d, "MaxCharsEdit")->isEnabled());
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(item->OperatorRequest);
    EXPECT_EQ(item->MaxChars, 5);
}

TEST_F(TextItemDialogTest, AnEmptyTextMakesOkActAsCancel) {
    const int result = edit([](QDialog& d) {
        typeInto(field(d, "TextEdit"), "");
        click(d, "OKBtn");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(item->Text, "HELLO");
}

TEST_F(TextItemDialogTest, MaxCharsMustBeANumberNoSmallerThanTheText) {
    item->OperatorRequest = true;
    edit([this](QDialog& d) {
        typeInto(field(d, "MaxCharsEdit"), "x");
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "1");
        EXPECT_EQ(h.prompter.texts(), QStringList{"Error - invalid integer"});
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->MaxChars, 5);
}

// The download record carries the number in one byte.
TEST_F(TextItemDialogTest, MaxCharsStopsAtWhatTheRecordCarries) {
    item->OperatorRequest = true;
    item->MaxChars = 300; // as a file may hold it
    edit([](QDialog& d) {
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "255");
        typeInto(field(d, "MaxCharsEdit"), "2000");
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "255");
        typeInto(field(d, "TextEdit"), QString(300, u'W'));
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "255");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->MaxChars, 255);
    EXPECT_EQ(item->Text.size(), 300u);
}

TEST_F(TextItemDialogTest, TheDiagnosticCodeAsPromptSwitchesDiagnosticModeOn) {
    int labelsShown = 0;
    h.data.showDiagnosticLabel = [&labelsShown] { ++labelsShown; };
    item->OperatorRequest = true;
    edit([this](QDialog& d) {
        typeInto(field(d, "PromptEdit"), "plumb plumb plumb");
        EXPECT_FALSE(h.data.diagnostic());
        typeInto(field(d, "PromptEdit"), "PLUMB PLUMB PLUMB");
        click(d, "CancelBtn");
    });
    EXPECT_TRUE(h.data.diagnostic());
    EXPECT_EQ(labelsShown, 1);
}

// The handheld's texts are Windows-1252: the euro sign, curly quotes, dashes
// and the ellipsis have bytes there. Only a character without one is
// refused, by name, and the dialog stays open.
TEST_F(TextItemDialogTest, TextsAreWindows1252AndOnlyCharactersOutsideItAreRefused) {
    item->Text = "\x80 5";
    const int result = editModal([this](QDialog& d) {
        EXPECT_EQ(field(d, "TextEdit")->text(), QString::fromUtf8("€ 5"));
        typeInto(field(d, "TextEdit"), QString::fromUtf8("€ 5 Ω"));
        click(d, "OKBtn");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(h.prompter.texts(),
                  QStringList{QString::fromUtf8(
                      "Error - \"Ω\" is not a character the printer can print.")});
        typeInto(field(d, "TextEdit"), QString::fromUtf8("Ä „5“ – € …"));
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->Text, "\xC4 \x84"
                          "5\x93 \x96 \x80 \x85");
}
