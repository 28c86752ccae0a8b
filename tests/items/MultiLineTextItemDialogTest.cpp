#include "items/ui/MultiLineTextItemDialog.h"
#include "ItemDialogTest.h"
#include "items/MultiLineTextItem.h"
#include "widgets/RadioGroup.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

struct MultiLineTextItemDialogTest : ItemDialogTest<MultiLineTextItemDialog, MultiLineTextItem> {
    MultiLineTextItemDialogTest() { item = block(""); }

    static std::unique_ptr<MultiLineTextItem> block(const char* text, int rotation = 0) {
        auto b = ImageItem::createNew<MultiLineTextItem>(SansFont);
        b->setPosition({50 + 100, 50 + 20});
        b->Rotation = uint8_t(rotation);
        b->Text = text;
        return b;
    }
    // The window the item's view gives a block of that text.
    QSize windowOf(const char* text, int rotation = 0, int gap = 0, int font = SansFont) {
        auto b = block(text, rotation);
        b->LineGap = gap;
        b->FontNumber = font;
        b->computeWindowSize(h.render.display);
        return {b->WindowWidth, b->WindowHeight};
    }
};

QPlainTextEdit* memo(const QDialog& d) {
    return control<QPlainTextEdit>(d, "TextEdit");
}

// Replaces the memo's text as a paste would.
void pasteInto(QPlainTextEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        edit->insertPlainText(text);
}

QSize shownWindow(const QDialog& d) {
    return {control<QLineEdit>(d, "WidthEdit")->text().toInt(),
            control<QLineEdit>(d, "HeightEdit")->text().toInt()};
}

} // namespace

// Through the dialog's own modal loop, as the user meets it.
TEST_F(MultiLineTextItemDialogTest, TypedLinesSizeTheWindowAndOkTakesThem) {
    const QSize expected = windowOf("AB\r\nWWWW");
    const int result = editModal([expected](QDialog& d) {
        EXPECT_TRUE(memo(d)->hasFocus());
        EXPECT_TRUE(control<QLineEdit>(d, "WidthEdit")->isReadOnly());
        EXPECT_FALSE(shown(d, "AutoSizeCB1"));
        QTest::keyClicks(memo(d), "AB");
        QTest::keyClick(memo(d), Qt::Key_Return);
        QTest::keyClicks(memo(d), "WWWW");
        EXPECT_EQ(shownWindow(d), expected);
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->Text, "AB\r\nWWWW");
    EXPECT_EQ(QSize(item->WindowWidth, item->WindowHeight), expected);
}

TEST_F(MultiLineTextItemDialogTest, EmptyingTheMemoKeepsTheText) {
    item = block("AB\r\nC");
    const int result = edit([](QDialog& d) {
        EXPECT_EQ(memo(d)->toPlainText(), "AB\nC");
        pasteInto(memo(d), "");
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->Text, "AB\r\nC");
}

// A new block that was never given a line would be an empty window.
TEST_F(MultiLineTextItemDialogTest, ABlockWithoutTextIsNotPlaced) {
    EXPECT_EQ(edit([](QDialog& d) { click(d, "OKBtn"); }), QDialog::Rejected);
    EXPECT_TRUE(item->Text.empty());
}

// The restricted area of model 1 is 4000 dots across and 128 down; the
// printer has no byte for an omega.
TEST_F(MultiLineTextItemDialogTest, OkRefusesAWindowBeyondTheAreaOrAForeignCharacter) {
    const struct {
        QString text;
        QString message;
    } cases[] = {
        {QString(200, u'W'), "Too wide"},
        {QStringLiteral("A\nB\nC\nD\nE\nF"), "Too tall"},
        {QString::fromUtf8("A\n\u03A9"),
         QString::fromUtf8("Error - \"\u03A9\" is not a character the printer can print.")}};
    for (const auto& c : cases) {
        h.prompter.shown.clear();
        item = block("");
        const int result = edit([&c](QDialog& d) {
            pasteInto(memo(d), c.text);
            click(d, "OKBtn");
            EXPECT_TRUE(d.isVisible());
            pasteInto(memo(d), "A\nB");
            click(d, "OKBtn");
        });
        EXPECT_EQ(result, QDialog::Accepted) << c.message.toStdString();
        ASSERT_EQ(h.prompter.shown.size(), 1u) << c.message.toStdString();
        EXPECT_EQ(h.prompter.shown[0].text, c.message);
        EXPECT_EQ(h.prompter.shown[0].caption, "");
        EXPECT_EQ(h.prompter.shown[0].icon, Prompter::Icon::Stop);
        EXPECT_EQ(item->Text, "A\r\nB");
    }
}

TEST_F(MultiLineTextItemDialogTest, TheTypedGapResizesTheWindow) {
    item = block("A\r\nB");
    const QSize wider = windowOf("A\r\nB", 0, 10);
    edit([wider](QDialog& d) {
        auto* gap = control<QLineEdit>(d, "LineGapEdit1");
        EXPECT_EQ(gap->text(), "0");
        gap->setFocus();
        typeInto(gap, "10");
        EXPECT_EQ(shownWindow(d), wider);
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->LineGap, 10);
    EXPECT_EQ(QSize(item->WindowWidth, item->WindowHeight), wider);
}

// Turning or another font moves the text as much as typing does: OK checks
// the window the item will have.
TEST_F(MultiLineTextItemDialogTest, TurningOrAnotherFontResizesTheWindow) {
    item = block("AB\r\nWWWW");
    const QSize upright = windowOf("AB\r\nWWWW");
    const QSize turned = windowOf("AB\r\nWWWW", 1);
    const QSize bold = windowOf("AB\r\nWWWW", 1, 0, BoldFont);
    ASSERT_EQ(turned, upright.transposed());
    edit([&](QDialog& d) {
        control<RadioGroup>(d, "RotationRG")->button(1)->click();
        EXPECT_EQ(shownWindow(d), turned);
        auto* sizes = control<QComboBox>(d, "FontSizeComboBox");
        const int nine = sizes->findText("9");
        sizes->setCurrentIndex(nine);
        emit sizes->activated(nine);
        EXPECT_EQ(shownWindow(d), bold);
        click(d, "OKBtn");
    });
    EXPECT_EQ(QSize(item->WindowWidth, item->WindowHeight), bold);
}
