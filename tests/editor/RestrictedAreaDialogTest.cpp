#include "editor/ui/RestrictedAreaDialog.h"
#include "DialogHarness.h"
#include "texts/SettingsFile.h"

namespace {

constexpr DotRect kArea{3, 7, 3 + 1001 + 100, 7 + 97 + 100};

struct RestrictedAreaDialogTest : ::testing::Test {
    DialogHarness h{0}; // 448 dpi along the print, 202 across
    RestrictedAreaDialog form{nullptr};

    template <typename Body> std::optional<DotRect> execute(Body body) {
        h.prompter.dialogScripts.push_back(script(body));
        return form.execute(h.prompter, h.data, kArea);
    }
};

QLineEdit* field(const QDialog& dialog, const char* name) {
    return control<QLineEdit>(dialog, name);
}

} // namespace

// At a fine resolution a shown length stands for several dot counts.
TEST(RestrictedAreaDialog, FieldsLeftAsShownKeepTheirExactValues) {
    DialogHarness h;
    h.folders.writeIni("[SelectPrinter]\nPrinterDPI400=20000\n");
    DataStore data(SettingsFile::open().get());
    data.printers().setSelectedIndex(1);
    data.setDisplayUnits(DataStore::Inches);
    RestrictedAreaDialog form(nullptr);
    h.prompter.dialogScripts.push_back(script([&data](QDialog& d) {
        EXPECT_EQ(data.textToDots(field(d, "WEdit")->text(), 20000), 1000);
        click(d, "OKButton");
    }));
    EXPECT_EQ(form.execute(h.prompter, data, kArea), kArea);
}

TEST_F(RestrictedAreaDialogTest, AFieldThatIsNotALengthIsReportedAndTheDialogStaysOpen) {
    const auto area = execute([this](QDialog& d) {
        typeInto(field(d, "HEdit"), "ten");
        click(d, "OKButton");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(h.prompter.texts(), QStringList({"Error - \"ten\" is not a valid value for H."}));
        typeInto(field(d, "HEdit"), "10");
        click(d, "OKButton");
    });
    EXPECT_EQ(area, (DotRect{3, 7, 3 + 1001 + 100, 7 + 10 + 100}));
}

// X and W convert at the 448 dpi along the print, Y and H at the 202 across
// it; a comma types decimals as well as a point.
TEST_F(RestrictedAreaDialogTest, EachAxisConvertsAtItsOwnResolution) {
    h.data.setDisplayUnits(DataStore::Millimetres);
    h.prompter.dialogScripts.push_back(modalScript([](QDialog& d) {
        EXPECT_EQ(field(d, "XEdit")->text(), ".170");
        EXPECT_EQ(field(d, "YEdit")->text(), ".880");
        EXPECT_EQ(field(d, "WEdit")->text(), "56.753");
        EXPECT_EQ(field(d, "HEdit")->text(), "12.197");
        QLineEdit* height = field(d, "HEdit");
        height->setFocus();
        typeInto(height, "12,7");
        EXPECT_EQ(height->text(), "12,7");
        leave(height);
        EXPECT_EQ(height->text(), "12.700");
        typeInto(field(d, "YEdit"), "1.27");
        click(d, "OKButton");
    }));
    EXPECT_EQ(form.execute(h.prompter, h.data, kArea),
              (DotRect{3, 10, 3 + 1001 + 100, 10 + 101 + 100}));
}
