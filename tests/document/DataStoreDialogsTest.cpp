#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "app/ui/GridDialog.h"
#include "app/ui/UnitsDialog.h"
#include "document/DataStore.h"
#include "platform/ui/WidgetPrompter.h"
#include "widgets/RadioGroup.h"

#include "DialogDriving.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(GridDialog, OkAppliesAPitchThatIsANumberAndNothingElse) {
    struct Row {
        const char* typed;
        const char* button;
        int pitch;
        bool changed;
    };
    // A pitch that is no number: ABadPitchKeepsTheDialogOpenWithItsChoices.
    for (const Row& r : {Row{"1", "OKButton", 18, true}, Row{"  ", "OKButton", 25, false},
                         Row{"0.01", "OKButton", 40, true}, Row{"1", "CancelButton", 25, false}}) {
        TestFolders folders;
        DataStore data(nullptr); // the first model prints at 448 dpi
        data.setDisplayUnits(DataStore::Millimetres);
        data.setPitch(25);
        GridDialog form(nullptr);
        ScriptedPrompter prompter;
        prompter.dialogScripts.push_back(script([&r](QDialog& dialog) {
            auto* pitch = control<QLineEdit>(dialog, "PitchEdit");
            EXPECT_EQ(pitch->text(), QStringLiteral("1.417"));
            pitch->setText(QLatin1String(r.typed));
            control<QCheckBox>(dialog, "DisplayGrid")->toggle();
            control<QCheckBox>(dialog, "SnapToGrid")->toggle();
            click(dialog, r.button);
        }));
        form.execute(prompter, data);
        EXPECT_EQ(data.pitch(), r.pitch) << r.typed;
        EXPECT_EQ(data.gridOn() && data.snapOn(), r.changed) << r.typed;
    }
}

// The message about a bad pitch comes up over the dialog, which stays open
// with everything chosen in it.
TEST(GridDialog, ABadPitchKeepsTheDialogOpenWithItsChoices) {
    TestFolders folders;
    DataStore data(nullptr);
    data.setDisplayUnits(DataStore::Millimetres);
    data.setPitch(25);
    GridDialog form(nullptr);
    WidgetPrompter prompter(nullptr);
    ModalDriver user{[](QWidget& w) {
                         auto& dialog = static_cast<QDialog&>(w);
                         control<QLineEdit>(dialog, "PitchEdit")->setText("12abc");
                         control<QCheckBox>(dialog, "DisplayGrid")->toggle();
                         click(dialog, "OKButton");
                     },
                     [](QWidget& w) {
                         auto& box = static_cast<QMessageBox&>(w);
                         EXPECT_EQ(box.text(), "\"12abc\" is not a valid grid pitch.");
                         box.accept();
                     },
                     [](QWidget& w) {
                         auto& dialog = static_cast<QDialog&>(w);
                         EXPECT_TRUE(control<QCheckBox>(dialog, "DisplayGrid")->isChecked());
                         control<QLineEdit>(dialog, "PitchEdit")->setText("1");
                         click(dialog, "OKButton");
                     }};
    EXPECT_TRUE(form.execute(prompter, data));
    EXPECT_TRUE(user.allStepsTaken());
    EXPECT_EQ(user.unexpected, 0);
    EXPECT_EQ(data.pitch(), 18);
    EXPECT_TRUE(data.gridOn());
}
