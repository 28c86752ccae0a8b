#include "DialogTestSupport.h"
#include "app/SettingsFile.h"
#include "app/ui/RadioGroup.h"
#include "editor/ui/PropertyFormUnit.h"
#include "items/TextItems.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

struct PropertyFormTest : ::testing::Test {
    DialogHarness h;
    TPropertyForm form{h.prompter, h.data, h.render.fonts};
    std::unique_ptr<ImageItem> item = textItemAt(SansFont, 50 + 100, 50 + 20);

    int edit(ScriptedPrompter::DialogScript s) {
        h.prompter.dialogScripts.push_back(std::move(s));
        return form.EditItem(*item, h.render.display, 1);
    }
};

QLineEdit* field(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

} // namespace

TEST_F(PropertyFormTest, ShowsThePositionWithoutTheMarginClampsItAndBeepsOnGarbage) {
    item->SetPosition({50 + 5000, 10});
    h.prompter.dialogScripts.push_back(script([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Properties (Item 3)");
        EXPECT_EQ(field(d, "XPosEdit")->text(), "4000");
        typeInto(field(d, "YPosEdit"), "999");
        EXPECT_EQ(field(d, "YPosEdit")->text(), "128");
        EXPECT_EQ(h.prompter.beeps, 0);
        typeInto(field(d, "XPosEdit"), "x");
        EXPECT_EQ(field(d, "XPosEdit")->text(), "0");
        EXPECT_EQ(h.prompter.beeps, 1);
        click(d, "OKBtn");
    }));
    EXPECT_EQ(form.EditItem(*item, h.render.display, 3), QDialog::Accepted);
    EXPECT_EQ(item->GetPosition(), QPoint(50, 50 + 128));
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
    item->Rotation = 0;
    edit(script([](QDialog& d) {
        auto* rotation = control<RadioGroup>(d, "RotationRG");
        EXPECT_EQ(rotation->items(), QStringList({"0 degrees", "180 degrees"}));
        rotation->button(1)->click();
        click(d, "OKBtn");
    }));
    EXPECT_EQ(item->Rotation, 2);
}

TEST_F(PropertyFormTest, OkAssignsJustificationAndFontAndTellsTheMainWindowTheFont) {
    form.setJustificationCaptions({"Top", "Middle", "Bottom"});
    item->Justification = 3;
    QSignalSpy chosen(&form, &TPropertyForm::fontChosen);
    edit(script([](QDialog& d) {
        auto* justification = control<RadioGroup>(d, "JustificationRG");
        EXPECT_EQ(justification->items(), QStringList({"None", "Top", "Middle", "Bottom"}));
        justification->button(2)->click();
        auto* sizes = control<QComboBox>(d, "FontSizeComboBox");
        const int nine = sizes->findText("9");
        sizes->setCurrentIndex(nine);
        emit sizes->activated(nine);
        click(d, "OKBtn");
    }));
    EXPECT_EQ(item->Justification, 2);
    EXPECT_EQ(item->FontNumber, BoldFont);
    EXPECT_EQ(chosen.count(), 1);
}
