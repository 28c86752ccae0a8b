#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "app/ui/GridFormUnit.h"
#include "app/ui/RadioGroup.h"
#include "app/ui/UnitsFormUnit.h"
#include "app/wareHouse.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Clicks the named button of a dialog and answers how the click closed it.
int click(QDialog& dialog, const char* button) {
    dialog.setResult(QDialog::Rejected);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    return dialog.result();
}

template <typename T> T* child(QDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QLatin1String(name));
}

// Chooses entry of the units dialog and closes it with the named button.
ScriptedPrompter::DialogScript chooseUnits(int entry, const char* button, QStringList* seen) {
    return [=](QDialog& dialog) {
        auto* group = child<RadioGroup>(dialog, "UnitsRG");
        *seen << QString::number(group->itemIndex()) << group->title() << group->items().at(1);
        group->button(entry)->click();
        return click(dialog, button);
    };
}

} // namespace

TEST(UnitsForm, OkSetsTheUnitsAndTextsAreReadEachTime) {
    TestFolders folders;
    TNEBRAData data(nullptr);
    data.SetDisplayUnits(1);
    ScriptedPrompter prompter;
    QStringList seen;
    prompter.dialogScripts = {chooseUnits(3, "OKButton", &seen),
                              chooseUnits(0, "CancelButton", &seen)};
    EXPECT_TRUE(TUnitsForm::execute(prompter, data));
    EXPECT_EQ(data.DisplayUnits(), 3);
    folders.writeIni("[UnitsForm]\nUnitsRGCaption=Einheiten\nUnitsRGmm=Millimeter\n");
    EXPECT_FALSE(TUnitsForm::execute(prompter, data));
    EXPECT_EQ(data.DisplayUnits(), 3);
    EXPECT_EQ(seen, QStringList({"1", "nebra units", "mm", "3", "Einheiten", "Millimeter"}));
}

TEST(GridForm, OkAppliesAPitchThatIsANumberAndNothingElse) {
    struct Row {
        const char* typed;
        const char* button;
        int pitch;
        bool changed;
    };
    for (const Row& r : {Row{"1", "OKButton", 18, true}, Row{"  ", "OKButton", 25, false},
                         Row{"0.01", "OKButton", 40, true}, Row{"12abc", "OKButton", 25, false},
                         Row{"1", "CancelButton", 25, false}}) {
        TestFolders folders;
        TNEBRAData data(nullptr); // the first model prints at 448 dpi
        data.SetDisplayUnits(TNEBRAData::Millimetres);
        data.SetPitch(25);
        TGridTForm form(nullptr);
        ScriptedPrompter prompter;
        prompter.dialogScripts.push_back([&r](QDialog& dialog) {
            auto* pitch = child<QLineEdit>(dialog, "PitchEdit");
            EXPECT_EQ(pitch->text(), QStringLiteral("1.417"));
            pitch->setText(QLatin1String(r.typed));
            child<QCheckBox>(dialog, "DisplayGrid")->toggle();
            child<QCheckBox>(dialog, "SnapToGrid")->toggle();
            return click(dialog, r.button);
        });
        form.execute(prompter, data);
        EXPECT_EQ(data.Pitch(), r.pitch) << r.typed;
        EXPECT_EQ(data.GridOn() && data.SnapOn(), r.changed) << r.typed;
        const bool refused = QLatin1String(r.typed) == QLatin1String("12abc");
        ASSERT_EQ(prompter.shown.size(), refused ? 1u : 0u) << r.typed;
        if (refused) {
            EXPECT_TRUE(prompter.shown[0].text.contains(QStringLiteral("12abc")));
        }
    }
}
