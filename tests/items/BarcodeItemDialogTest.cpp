#include "items/ui/BarcodeItemDialog.h"
#include "ItemDialogTest.h"
#include "items/BarcodeItem.h"
#include "texts/Messages.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

namespace {

// Model 1 of the harness prints 185 dots an inch across the print direction.
constexpr int HarnessDpi = 185;

const QByteArray AppIds = "01       GTIN                                    n14\n"
                          "10       Batch or lot number                     an..20\n"
                          "310x     Net weight, kilograms                   n6\n"
                          "99       Internal                                an..x\n";

using BarcodeItemDialogTest = ItemDialogTest<BarcodeItemDialog, BarcodeItem>;

void choose(const QDialog& d, Symbology kind) {
    auto* box = control<QComboBox>(d, "SymbologyComboBox");
    box->setCurrentIndex(int(kind));
    emit box->activated(int(kind));
}

QLineEdit* valueEdit(const QDialog& d) {
    return control<QLineEdit>(d, "ValueEdit");
}

void chooseAppId(const QDialog& d, int row) {
    control<QTableWidget>(d, "AppIdGrid")->selectRow(row);
}

} // namespace

TEST_F(BarcodeItemDialogTest, ANewBarcodeOffersItsValueOnlyHalfTurnsAndATabOrderFromTheTop) {
    const int result = edit([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Barcode Item Properties (Item 1)");
        EXPECT_EQ(control<QComboBox>(d, "SymbologyComboBox")->currentText(), "EAN13");
        EXPECT_EQ(valueEdit(d)->text(), "012345678901");
        EXPECT_TRUE(shown(d, "DimensionsGroupBox"));
        EXPECT_TRUE(shown(d, "DefaultsButton"));
        EXPECT_FALSE(shown(d, "Gs1GroupBox"));
        EXPECT_FALSE(shown(d, "ItfGroupBox"));
        EXPECT_FALSE(shown(d, "FontGroupBox"));
        EXPECT_TRUE(labelText(d, "ProblemLabel").isEmpty());
        EXPECT_EQ(control<RadioGroup>(d, "RotationRG")->items(),
                  QStringList({"0 degrees", "180 degrees"}));
        // Tab goes from the symbology over the value and the sizes to the
        // common controls below them, the rotation first.
        std::vector<QWidget*> visited{control<QWidget>(d, "SymbologyComboBox")};
        while (visited.size() < 6) {
            QWidget* at = visited.back();
            do
                at = at->nextInFocusChain();
            // Skipping the spin boxes' own line edits.
            while (!at->isVisible() || !(at->focusPolicy() & Qt::TabFocus) ||
                   at->objectName().startsWith(QLatin1String("qt_")));
            visited.push_back(at);
        }
        QStringList names;
        for (const QWidget* w : visited)
            names << w->objectName();
        EXPECT_EQ(names, (QStringList{"SymbologyComboBox", "ValueEdit", "ModuleWidthSpin",
                                      "HeightSpin", "DefaultsButton", "Item0"}));
        EXPECT_TRUE(control<QWidget>(d, "RotationRG")->isAncestorOf(visited.back()));
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
}

// Switching the symbology gives the new one's defaults and its controls;
// the interleaved 2 of 5 sizes come from the model's resolution.
TEST_F(BarcodeItemDialogTest, SwitchingTheSymbologyShowsItsOwnControls) {
    const int result = edit([](QDialog& d) {
        choose(d, Symbology::Itf);
        EXPECT_TRUE(shown(d, "ItfGroupBox"));
        EXPECT_TRUE(shown(d, "BarWidthRatioGroupBox"));
        EXPECT_FALSE(shown(d, "DimensionsGroupBox"));
        EXPECT_EQ(valueEdit(d)->text(), "00");
        EXPECT_EQ(labelText(d, "NarrowWidthValue"), "7");
        choose(d, Symbology::Code39);
        EXPECT_TRUE(shown(d, "Code39GroupBox"));
        EXPECT_TRUE(shown(d, "HeightSpin"));
        EXPECT_FALSE(shown(d, "ModuleWidthSpin"));
        EXPECT_FALSE(shown(d, "DefaultsButton"));
        typeInto(valueEdit(d), "LOT-7");
        click(d, "CheckCharacterCB");
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const auto& data = static_cast<const Code39Data&>(item->data());
    EXPECT_EQ(data.Kind, Symbology::Code39);
    EXPECT_EQ(data.Text, "LOT-7");
    EXPECT_TRUE(data.CheckCharacter);
    EXPECT_EQ(item->getPosition(), QPoint(60, 60));
    EXPECT_EQ(item->getKindName(ItemTypeNames()), "Code 39");
}

TEST_F(BarcodeItemDialogTest, CancelLeavesTheItemAsItWas) {
    item->editData().Text = "590123412345";
    const int result = edit([](QDialog& d) {
        choose(d, Symbology::Code128);
        typeInto(valueEdit(d), "XYZ");
        click(d, "CancelBtn");
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(item->data().Kind, Symbology::Ean13);
    EXPECT_EQ(item->data().Text, "590123412345");
}

// Bearer width and bar height read the track bar upside down: the top
// position (the minimum) is the greatest value.
TEST_F(BarcodeItemDialogTest, BearerWidthAndBarHeightTrackBarsAreInverted) {
    auto itfData = std::make_unique<ItfData>(HarnessDpi);
    itfData->BarHeight = 100;
    item->takeData(std::move(itfData));
    const int result = edit([](QDialog& d) {
        auto* bearer = control<QSlider>(d, "BearerWidthSlider");
        auto* height = control<QSlider>(d, "BarHeightSlider");
        EXPECT_EQ(bearer->value(), 1 + 101 - 14); // the default: twice the 7-dot module
        bearer->setValue(92);
        EXPECT_EQ(labelText(d, "BearerWidthValue"), "10");
        height->setValue(150);
        EXPECT_EQ(labelText(d, "BarHeightValue"), "51");
        click(d, "BearerBarsCB");
        click(d, "VerticalBearersCB");
        click(d, "TextPositionButton");
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const auto& itf = static_cast<const ItfData&>(item->data());
    EXPECT_EQ(itf.BearerWidth, 10);
    EXPECT_EQ(itf.BarHeight, 51);
    EXPECT_EQ(itf.BearerType, ItfData::BearerBox);
    EXPECT_EQ(itf.TextPosition, 1);
}

// The default bar height of a 185-dpi model is 232 dots, above the track
// bar's 200: the track bar widens rather than show another height.
TEST_F(BarcodeItemDialogTest, TheBarHeightTrackBarShowsADefaultAboveItsRange) {
    item->takeData(BarcodeData::create(Symbology::Itf, HarnessDpi));
    ASSERT_EQ(item->data().BarHeight, 232);
    edit([](QDialog& d) {
        EXPECT_EQ(labelText(d, "BarHeightValue"), "232");
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->data().BarHeight, 232);
}

TEST_F(BarcodeItemDialogTest, TheRatioFollowsTheRuleOfTheModule) {
    item->takeData(BarcodeData::create(Symbology::Code39, HarnessDpi));
    item->editData().Text = "A1";
    edit([](QDialog& d) {
        auto* ratio = control<QSlider>(d, "RatioSlider");
        ratio->setValue(10); // a 3-dot module is not wider than 3.7 dots
        EXPECT_EQ(ratio->value(), 50);
        EXPECT_EQ(labelText(d, "RatioValue"), "2.50");
        ratio->setValue(30);
        EXPECT_EQ(labelText(d, "RatioValue"), "2.30");
        click(d, "OKBtn");
    });
    EXPECT_EQ(static_cast<const Code39Data&>(item->data()).Ratio, 30);
}

struct ValueCase {
    Symbology kind;
    const char* typed;
    const char* why; // empty: none
};

// Why a value does not fit shows while it is typed, before OK.
TEST_F(BarcodeItemDialogTest, AValueThatDoesNotFitSaysWhyWhileItIsTyped) {
    const ValueCase cases[] = {
        {Symbology::Ean13, "12345", "The value must have exactly 12 digits"},
        {Symbology::Ean13, "12345678901A", "Only digits can be encoded, not \"A\""},
        {Symbology::Ean13, "590123412345", ""},
        {Symbology::UpcE, "1234567", "The value must have exactly 6 digits"},
        {Symbology::Itf, "", "Enter a value to encode"},
        {Symbology::Code128, "caf\u00e9", "These characters cannot be encoded: \"\u00e9\""},
        {Symbology::Code39, "\u20ac\u0101", "These characters cannot be encoded: \"\u0101\""},
        {Symbology::Code39, "lot 7", ""},
    };
    edit([&](QDialog& d) {
        for (const ValueCase& c : cases) {
            choose(d, c.kind);
            typeInto(valueEdit(d), QString::fromUtf8(c.typed));
            EXPECT_EQ(labelText(d, "ProblemLabel"), QString::fromUtf8(c.why)) << c.typed;
        }
    });
}

// OK refuses such a value with the same words and keeps the dialog open.
TEST_F(BarcodeItemDialogTest, OkRefusesAValueThatDoesNotFit) {
    const int result = edit([this](QDialog& d) {
        typeInto(valueEdit(d), "12345");
        click(d, "OKBtn");
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(h.prompter.shown.size(), 1u);
        EXPECT_EQ(h.prompter.shown[0].text, "The value must have exactly 12 digits");
        EXPECT_EQ(h.prompter.shown[0].icon, Prompter::Icon::Stop);
        EXPECT_EQ(d.focusWidget(), valueEdit(d));
        typeInto(valueEdit(d), "123456789012");
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->data().Text, "123456789012");
}

TEST_F(BarcodeItemDialogTest, DefaultsRestoreTheSymbologysValueAndSize) {
    item->takeData(BarcodeData::create(Symbology::Ean8, HarnessDpi));
    edit([](QDialog& d) {
        typeInto(valueEdit(d), "7654321");
        control<QSpinBox>(d, "ModuleWidthSpin")->setValue(5);
        control<QSpinBox>(d, "HeightSpin")->setValue(120);
        click(d, "DefaultsButton");
        EXPECT_EQ(valueEdit(d)->text(), "0123456");
        EXPECT_EQ(control<QSpinBox>(d, "ModuleWidthSpin")->value(), 3);
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->data().Text, "0123456");
    EXPECT_EQ(item->data().ModuleWidth, 3);
    EXPECT_EQ(item->data().BarHeight, 80);
}

// An identifier is chosen from the table; its value is typed through the
// mask its format gives, with a prompt that says what is wanted.
TEST_F(BarcodeItemDialogTest, Gs1ElementsAreAddedThroughTheMaskOfTheirFormat) {
    h.folders.writeInstallFile("appidtab.def", AppIds);
    const int result = edit([this](QDialog& d) {
        choose(d, Symbology::Gs1_128);
        EXPECT_TRUE(shown(d, "Gs1GroupBox"));
        EXPECT_FALSE(shown(d, "ValueBox"));
        EXPECT_EQ(control<QTableWidget>(d, "AppIdGrid")->rowCount(), 4);
        EXPECT_EQ(labelText(d, "ProblemLabel"), "Enter a value to encode");
        click(d, "OKBtn"); // no element yet
        EXPECT_TRUE(d.isVisible());

        chooseAppId(d, 0);
        EXPECT_EQ(labelText(d, "AppIdLabel"), "(01)");
        EXPECT_EQ(labelText(d, "PromptLabel"), "Enter 14 digits");
        auto* element = control<QLineEdit>(d, "ElementEdit");
        EXPECT_EQ(element->inputMask(), "99999999999999;_");
        element->setCursorPosition(9); // a click into the blanks
        EXPECT_EQ(element->cursorPosition(), 0);
        QTest::keyClicks(element, "0950110153");
        click(d, "AddButton"); // four digits short
        EXPECT_EQ(h.prompter.beeps, 1);
        QTest::keyClicks(element, "0003");
        click(d, "AddButton");

        chooseAppId(d, 1);
        EXPECT_EQ(labelText(d, "PromptLabel"), "Enter up to 20 characters");
        QTest::keyClicks(control<QLineEdit>(d, "ElementEdit"), "AB12");
        click(d, "AddButton");

        chooseAppId(d, 2);
        EXPECT_TRUE(shown(d, "DecimalEdit"));
        EXPECT_FALSE(shown(d, "ElementEdit"));
        QTest::keyClicks(control<QLineEdit>(d, "DecimalEdit"), "12.345");
        click(d, "AddButton");

        chooseAppId(d, 3); // a format without a length gives no entry
        EXPECT_EQ(labelText(d, "PromptLabel"), "");
        EXPECT_FALSE(control<QPushButton>(d, "AddButton")->isEnabled());

        EXPECT_EQ(listLines(d, "ElementList"),
                  (QStringList{"(01) 09501101530003", "(10) AB12", "(3103) 012345"}));
        click(d, "ShowAppIdsCB");
        EXPECT_EQ(labelText(d, "ShowAppIdsSample"), "  XXXX");
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const auto& gs1 = static_cast<const Gs1_128Data&>(item->data());
    const std::vector<Gs1Element> want{
        {true, "01", "09501101530003"}, {false, "10", "AB12"}, {true, "3103", "012345"}};
    EXPECT_EQ(gs1.Elements, want);
    EXPECT_FALSE(gs1.ShowAppIds);
    EXPECT_EQ(gs1.Text, "\xCA"
                        "0109501101530003"
                        "10AB12\xCA"
                        "3103012345");
}

TEST_F(BarcodeItemDialogTest, ElementsAreReplacedAndRemovedInTheList) {
    h.folders.writeInstallFile("appidtab.def", AppIds);
    auto gs1 = std::make_unique<Gs1_128Data>();
    gs1->addElement({false, "10", "A1"});
    gs1->addElement({false, "10", "B2"});
    item->takeData(std::move(gs1));
    edit([](QDialog& d) {
        control<QListWidget>(d, "ElementList")->setCurrentRow(0);
        chooseAppId(d, 1);
        QTest::keyClicks(control<QLineEdit>(d, "ElementEdit"), "C3");
        click(d, "ReplaceButton");
        control<QListWidget>(d, "ElementList")->setCurrentRow(1);
        click(d, "RemoveButton");
        EXPECT_EQ(listLines(d, "ElementList"), QStringList{"(10) C3"});
        click(d, "OKBtn");
    });
    EXPECT_EQ(static_cast<const Gs1_128Data&>(item->data()).Elements,
              (std::vector<Gs1Element>{{false, "10", "C3"}}));
}

TEST_F(BarcodeItemDialogTest, AMissingIdentifierTableIsReportedAndLeavesTheHeaderOnly) {
    edit([this](QDialog& d) {
        choose(d, Symbology::Gs1_128);
        EXPECT_EQ(control<QTableWidget>(d, "AppIdGrid")->rowCount(), 0);
        EXPECT_EQ(control<QTableWidget>(d, "AppIdGrid")->horizontalHeaderItem(0)->text(),
                  " AppId ");
        ASSERT_EQ(h.prompter.shown.size(), 1u);
        EXPECT_EQ(h.prompter.shown[0].text, "Cannot open file appidtab.def");
        choose(d, Symbology::Ean8);
        choose(d, Symbology::Gs1_128); // reported once
        EXPECT_EQ(h.prompter.shown.size(), 1u);
    });
}

// Through the dialog's own modal loop: a rotation of 180 degrees turns the
// data with the item.
TEST_F(BarcodeItemDialogTest, HalfTurnInTheModalDialog) {
    const int result = editModal([](QDialog& d) {
        control<RadioGroup>(d, "RotationRG")->setItemIndex(1);
        click(d, "OKBtn");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->Rotation, 2);
    EXPECT_EQ(item->data().Rotation, 2);
}

// A symbol larger than the printable area is refused with the side it
// overruns, and the dialog stays open for a smaller one.
TEST_F(BarcodeItemDialogTest, OkRefusesASymbolLargerThanTheArea) {
    item->takeData(BarcodeData::create(Symbology::Code128, HarnessDpi));
    const int result = edit([this](QDialog& d) {
        typeInto(valueEdit(d), QString(300, QChar('A')));
        click(d, "OKBtn");
        typeInto(valueEdit(d), "LOT 42");
        control<QSpinBox>(d, "HeightSpin")->setValue(5000);
        click(d, "OKBtn");
        EXPECT_TRUE(d.isVisible());
        control<QSpinBox>(d, "HeightSpin")->setValue(80);
        click(d, "OKBtn");
    });
    ASSERT_EQ(h.prompter.shown.size(), 2u);
    EXPECT_EQ(h.prompter.shown[0].text, "Too wide");
    EXPECT_EQ(h.prompter.shown[1].text, "Too tall");
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->data().Text, "LOT 42");
}
