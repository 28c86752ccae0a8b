#include "items/ui/ItemPropertiesDialog.h"
#include "ItemDialogTest.h"
#include "items/TextItem.h"
#include "texts/SettingsFile.h"
#include "widgets/RadioGroup.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

using ItemPropertiesDialogTest = ItemDialogTest<ItemPropertiesDialog, TextItem>;

QLineEdit* field(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

} // namespace

TEST_F(ItemPropertiesDialogTest, ShowsThePositionWithoutTheMarginAndLimitsWhatIsTypedOnOk) {
    item->setPosition({50 + 5000, 10});
    h.prompter.dialogScripts.push_back(script([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Edit Properties (Item 3)");
        EXPECT_EQ(field(d, "XPosEdit")->text(), "4000");
        typeInto(field(d, "YPosEdit"), "999");
        typeInto(field(d, "XPosEdit"), "x");
        EXPECT_EQ(field(d, "XPosEdit")->text(), "x");
        EXPECT_EQ(h.prompter.beeps, 0);
        click(d, "OKBtn");
        EXPECT_EQ(h.prompter.beeps, 1);
    }));
    EXPECT_EQ(form.editItem(*item, h.render.display, 3), QDialog::Accepted);
    EXPECT_EQ(item->getPosition(), QPoint(50, 50 + 128));
}

// The first model prints 448 dpi along the print (X) and 202 across (Y).
// A position is typed in peace, with a point or a comma whatever the
// language, and read when the field is left.
TEST(ItemPropertiesDialog, PositionsInMillimetresOnEachAxisAsTheUserTypesThem) {
    struct Case {
        int language; // 0 English, 2 German
        const char* field;
        const char* typed; // into the cleared field
        const char* afterLeaving;
        QPoint position; // without the margin, after OK
    };
    const Case cases[] = {
        {0, "YPosEdit", "7,03", "7.042", {224, 56}},  {0, "XPosEdit", "12,5", "12.473", {220, 124}},
        {0, "XPosEdit", "12,", "12.020", {212, 124}}, {2, "XPosEdit", "2,5", "2,495", {44, 124}},
        {2, "XPosEdit", "2.5", "2,495", {44, 124}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " '" + c.typed + "'");
        DialogHarness h(0);
        h.folders.writeIni(QByteArray("[LangForm]\nLanguage=") + QByteArray::number(c.language));
        DataStore data(SettingsFile::open().get());
        data.setDisplayUnits(DataStore::Millimetres);
        ItemPropertiesDialog form(h.prompter, data, h.render.fonts);
        auto item = textItemAt(SansFont, 50 + 224, 50 + 124);
        h.prompter.dialogScripts.push_back(modalScript([&c](QDialog& d) {
            const QString separator = c.language == 2 ? "," : ".";
            EXPECT_EQ(field(d, "XPosEdit")->text(), "12" + separator + "700");
            EXPECT_EQ(field(d, "YPosEdit")->text(), "15" + separator + "592");
            QLineEdit* edit = field(d, c.field);
            edit->setFocus();
            typeInto(edit, "");
            EXPECT_EQ(edit->text(), "");
            QTest::keyClicks(edit, c.typed);
            EXPECT_EQ(edit->text(), c.typed);
            leave(edit);
            EXPECT_EQ(edit->text(), c.afterLeaving);
            click(d, "OKBtn");
        }));
        EXPECT_EQ(form.editItem(*item, h.render.display, 1), QDialog::Accepted);
        EXPECT_EQ(item->getPosition(), QPoint(50, 50) + c.position);
        EXPECT_EQ(h.prompter.beeps, 0);
    }
}

TEST_F(ItemPropertiesDialogTest, OkAssignsJustificationAndFontAndTellsTheMainWindowTheFont) {
    form.setJustificationCaptions({"Top", "Middle", "Bottom"});
    item->Justification = 3;
    QSignalSpy chosen(&form, &ItemPropertiesDialog::fontChosen);
    edit([](QDialog& d) {
        auto* justification = control<RadioGroup>(d, "JustificationRG");
        EXPECT_EQ(justification->items(), QStringList({"None", "Top", "Middle", "Bottom"}));
        justification->button(2)->click();
        auto* sizes = control<QComboBox>(d, "FontSizeComboBox");
        const int nine = sizes->findText("9");
        sizes->setCurrentIndex(nine);
        emit sizes->activated(nine);
        click(d, "OKBtn");
    });
    EXPECT_EQ(item->Justification, 2);
    EXPECT_EQ(item->FontNumber, BoldFont);
    EXPECT_EQ(chosen.count(), 1);
}
