#include "items/ui/TextItemForm.h"
#include "DialogTestSupport.h"
#include "items/TextItems.h"

#include <QCheckBox>

namespace {

struct TextItemFormTest : ::testing::Test {
    DialogHarness h;
    TTxtIPropEdForm form{h.prompter, h.data, h.render.fonts};
    std::unique_ptr<TextItem> item = textItem("HELLO", 2);

    static std::unique_ptr<TextItem> textItem(const char* text, int maxChars) {
        auto t = ImageItem::CreateNew<TextItem>(SansFont);
        t->SetPosition({60, 60});
        t->Text = text;
        t->MaxChars = maxChars;
        return t;
    }
    template <typename Body> int edit(Body body) {
        h.prompter.dialogScripts.push_back(script(body));
        return form.EditItem(*item, h.render.display, 1);
    }
};

QLineEdit* field(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

} // namespace

TEST_F(TextItemFormTest, OperatorRequestEnablesPromptAndMaxChars) {
    item->Prompt = "Lot";
    const int result = edit([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Text Item Properites (Item 1)");
        EXPECT_EQ(field(d, "TextEdit")->text(), "HELLO");
        EXPECT_EQ(field(d, "PromptEdit")->text(), "Lot");
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
    EXPECT_EQ(item->Prompt, "Lot");
}

TEST_F(TextItemFormTest, TypingTheTextResetsMaxCharsToItsLength) {
    item->MaxChars = 20;
    item->OperatorRequest = true;
    edit([](QDialog& d) {
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "20");
        QTest::keyClick(field(d, "TextEdit"), Qt::Key_End);
        QTest::keyClicks(field(d, "TextEdit"), "!");
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "6");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->Text, "HELLO!");
    EXPECT_EQ(item->MaxChars, 6);
}

TEST_F(TextItemFormTest, AnEmptyTextMakesOkActAsCancel) {
    const auto before = item->CloneItem();
    const int result = edit([](QDialog& d) {
        typeInto(field(d, "TextEdit"), "");
        click(d, "OKBtn");
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(item->IsEqual(*before));
    EXPECT_EQ(item->Text, "HELLO");
}

TEST_F(TextItemFormTest, MaxCharsMustBeANumberNoSmallerThanTheText) {
    item->OperatorRequest = true;
    edit([this](QDialog& d) {
        typeInto(field(d, "MaxCharsEdit"), "x");
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "1");
        ASSERT_EQ(h.prompter.shown.size(), 1u);
        EXPECT_EQ(h.prompter.shown[0].text, "Error - invalid integer");
        EXPECT_EQ(h.prompter.shown[0].caption, "");
        EXPECT_EQ(h.prompter.shown[0].icon, Prompter::Icon::Stop);
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->MaxChars, 5);

    // Numbers above the text's length are typed digit by digit.
    edit([](QDialog& d) {
        typeInto(field(d, "MaxCharsEdit"), "12");
        EXPECT_EQ(field(d, "MaxCharsEdit")->text(), "12");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->MaxChars, 12);
}

TEST_F(TextItemFormTest, TheDiagnosticCodeAsPromptSwitchesDiagnosticModeOn) {
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

TEST_F(TextItemFormTest, TextsWithoutLatin1BytesAreRefusedAndTheDialogStaysOpen) {
    edit([this](QDialog& d) {
        control<QCheckBox>(d, "OperatorRequestCheckBox")->click();
        typeInto(field(d, "PromptEdit"), QString::fromUtf8("Lot \U0001F600"));
        click(d, "OKBtn");
        EXPECT_TRUE(h.prompter.shown.at(0).text.contains(QString::fromUtf8("\"\U0001F600\"")));
        typeInto(field(d, "PromptEdit"), "Lot");
        typeInto(field(d, "TextEdit"), QString::fromUtf8("Ä 5 €"));
        click(d, "OKBtn");
        EXPECT_TRUE(d.isVisible());
        EXPECT_TRUE(h.prompter.shown.at(1).text.contains(QString::fromUtf8("\"€\"")));
        typeInto(field(d, "TextEdit"), QString::fromUtf8("Ä 5 £"));
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->Text, "\xC4 5 \xA3");
    EXPECT_EQ(item->Prompt, "Lot");
    EXPECT_EQ(h.prompter.shown.size(), 2u);
}
