#include "DialogTestSupport.h"
#include "app/SettingsFile.h"
#include "app/ui/RadioGroup.h"
#include "editor/ui/PropertyFormUnit.h"
#include "editor/ui/PropertyForms.h"
#include "items/TextItems.h"
#include "items/ui/TextItemForm.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

struct PropertyFormTest : ::testing::Test {
    DialogHarness h;
    TPropertyForm form{h.prompter, h.data, h.render.fonts};
    std::unique_ptr<ImageItem> item = textItemAt(SansFont, 50 + 100, 50 + 20);

    int edit(ScriptedPrompter::DialogScript s, int itemNumber = 1) {
        h.prompter.dialogScripts.push_back(std::move(s));
        return form.EditItem(*item, h.render.display, itemNumber);
    }
};

QLineEdit* field(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

} // namespace

TEST_F(PropertyFormTest, ShowsThePositionWithoutTheMarginAndClampsIt) {
    item->SetPosition({50 + 5000, 10});
    const int result = edit(script([](QDialog& d) {
        EXPECT_EQ(field(d, "XPosEdit")->text(), "4000");
        EXPECT_EQ(field(d, "YPosEdit")->text(), "0");
        EXPECT_EQ(control<QLabel>(d, "UnitLabel")->text(), "Pixels");
        field(d, "XPosEdit")->selectAll();
        field(d, "XPosEdit")->insert("-5");
        EXPECT_EQ(field(d, "XPosEdit")->text(), "0");
        typeInto(field(d, "YPosEdit"), "999");
        EXPECT_EQ(field(d, "YPosEdit")->text(), "128");
        click(d, "OKBtn");
    }));
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(item->GetPosition(), QPoint(50, 50 + 128));
    EXPECT_EQ(h.prompter.beeps, 0);
}

TEST_F(PropertyFormTest, NotANumberBecomesZeroWithABeepAndEmptyBecomesZeroSilently) {
    edit(script([this](QDialog& d) {
        typeInto(field(d, "XPosEdit"), "x");
        EXPECT_EQ(field(d, "XPosEdit")->text(), "0");
        EXPECT_EQ(h.prompter.beeps, 1);
        typeInto(field(d, "YPosEdit"), "");
        EXPECT_EQ(field(d, "YPosEdit")->text(), "0");
        EXPECT_EQ(h.prompter.beeps, 1);
        click(d, "OKBtn");
    }));
    EXPECT_EQ(item->GetPosition(), QPoint(50, 50));
}

// Both fields convert at the resolution along the print. Rewriting each
// keystroke as a rounded length would make "1.5" impossible to type; the
// text stays as typed and the item takes the dots at once.
TEST(PropertyForm, LengthsInOtherUnitsCanBeTypedDigitByDigit) {
    DialogHarness h(0); // 448 dpi along the print, 202 across
    h.data.SetDisplayUnits(TNEBRAData::Millimetres);
    TPropertyForm form(h.prompter, h.data, h.render.fonts);
    auto item = textItemAt(SansFont, 50 + 224, 50 + 224);
    h.prompter.dialogScripts.push_back(script([](QDialog& d) {
        EXPECT_EQ(field(d, "XPosEdit")->text(), "12.700");
        EXPECT_EQ(field(d, "YPosEdit")->text(), "12.700");
        typeInto(field(d, "XPosEdit"), "1.5");
        EXPECT_EQ(field(d, "XPosEdit")->text(), "1.5");
        click(d, "OKBtn");
    }));
    form.EditItem(*item, h.render.display, 1);
    EXPECT_EQ(item->GetX(), 50 + 26);
}

TEST_F(PropertyFormTest, OffersOnlyTheAllowedRotations) {
    item->AllowedRotations = 0b0101;
    item->Rotation = 2;
    edit(script([](QDialog& d) {
        auto* rotation = control<RadioGroup>(d, "RotationRG");
        EXPECT_EQ(rotation->items(), QStringList({"0 degrees", "180 degrees"}));
        EXPECT_EQ(rotation->itemIndex(), 1);
        rotation->button(0)->click();
        click(d, "OKBtn");
    }));
    EXPECT_EQ(item->Rotation, 0);

    edit(script([](QDialog& d) {
        control<RadioGroup>(d, "RotationRG")->button(1)->click();
        click(d, "OKBtn");
    }));
    EXPECT_EQ(item->Rotation, 2);
}

TEST_F(PropertyFormTest, CaptionNamesTheItemNumber) {
    ImagePList items;
    items.Append(textItemAt(SansFont, 60, 60));
    items.Append(textItemAt(SansFont, 70, 70));
    edit(script([](QDialog& d) { EXPECT_EQ(d.windowTitle(), "Edit Properties (Item 3)"); }),
         items.Count() + 1);
}

TEST_F(PropertyFormTest, OkAssignsJustificationAndFontAndTellsTheMainWindowTheFont) {
    form.setJustificationCaptions({"Top", "Middle", "Bottom"});
    item->Justification = 3;
    QSignalSpy chosen(&form, &TPropertyForm::fontChosen);
    edit(script([](QDialog& d) {
        auto* justification = control<RadioGroup>(d, "JustificationRG");
        EXPECT_EQ(justification->items(), QStringList({"None", "Top", "Middle", "Bottom"}));
        EXPECT_EQ(justification->itemIndex(), 3);
        justification->button(2)->click();
        auto* sizes = control<QComboBox>(d, "FontSizeComboBox");
        EXPECT_EQ(sizes->currentText(), "12");
        const int nine = sizes->findText("9");
        sizes->setCurrentIndex(nine);
        emit sizes->activated(nine);
        click(d, "OKBtn");
    }));
    EXPECT_EQ(item->Justification, 2);
    EXPECT_EQ(item->FontNumber, BoldFont);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.first().first().toInt(), BoldFont);
}

TEST_F(PropertyFormTest, CancelLeavesTheItemAsItWas) {
    const auto before = item->CloneItem();
    const int result = edit(script([](QDialog& d) {
        typeInto(field(d, "XPosEdit"), "300");
        control<RadioGroup>(d, "RotationRG")->button(1)->click();
        control<RadioGroup>(d, "JustificationRG")->button(2)->click();
        click(d, "CancelBtn");
    }));
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(item->IsEqual(*before));
    EXPECT_EQ(item->GetPosition(), before->GetPosition());
}

TEST(PropertyForm, KeepsItsPositionInTheSettingsFile) {
    DialogHarness h;
    h.folders.writeIni("[PropertyForm]\nLeft=30\nTop=40\n[PropedForm]\nCaption=Eigenschaften\n"
                       "ItemNumberCaption=Element\n");
    TPropertyForm form(h.prompter, h.data, h.render.fonts);
    EXPECT_EQ(form.pos(), QPoint(30, 40));
    auto item = textItemAt(SansFont, 60, 60);
    h.prompter.dialogScripts.push_back([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Eigenschaften (Element 7)");
        d.move(70, 80);
        return int(QDialog::Rejected);
    });
    form.EditItem(*item, h.render.display, 7);
    const auto ini = SettingsFile::open();
    EXPECT_EQ(ini->readInteger("PropertyForm", "Left", 0), 70);
    EXPECT_EQ(ini->readInteger("PropertyForm", "Top", 0), 80);
}

TEST(PropertyForms, EditsEachKindWithItsOwnDialog) {
    DialogHarness h;
    TPropertyForms forms(h.prompter, h.data, h.render.fonts, nullptr);
    EXPECT_NE(dynamic_cast<TTxtIPropEdForm*>(&forms.formFor(TextItem::TypeCode)), nullptr);
    EXPECT_EQ(forms.formFor(0x02).objectName(), "PropertyForm");

    QSignalSpy chosen(&forms, &TPropertyForms::fontChosen);
    emit forms.formFor(0x02).fontChosen(3);
    emit forms.formFor(TextItem::TypeCode).fontChosen(2);
    EXPECT_EQ(chosen.count(), 2);

    auto item = textItemAt(SansFont, 60, 60);
    h.prompter.dialogScripts.push_back([](QDialog&) { return int(QDialog::Rejected); });
    forms.edit(*item, h.render.display, 1);
    EXPECT_EQ(h.prompter.dialogsRun, QStringList({"TxtIPropEdForm"}));
}
