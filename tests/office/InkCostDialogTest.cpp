// The ink cost dialog driven as a user drives it.
#include "office/ui/InkCostDialog.h"

#include "DialogDriving.h"
#include "TestFolders.h"
#include "platform/IniFile.h"
#include "texts/SettingsFile.h"

#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>

#include <gtest/gtest.h>

namespace {

constexpr int Margin = 50;

// A view at one pixel per dot with exactly `dots` black dots in its
// printable area (and black in the margin, which does not count).
QImage viewWithDots(int dots) {
    QImage view(4100, 356, QImage::Format_RGB32);
    view.fill(Qt::white);
    QPainter painter(&view);
    const int rows = dots / 100;
    painter.fillRect(QRect(Margin, Margin, 100, rows), Qt::black);
    painter.fillRect(QRect(Margin + 200, Margin, dots % 100, 1), Qt::black);
    painter.fillRect(QRect(0, 0, Margin, 356), Qt::black);
    return view;
}

QLineEdit* edit(const QWidget& d, const char* name) {
    return control<QLineEdit>(d, name);
}

// What the dialog shows, in the order of the fields.
QStringList results(const QWidget& d) {
    return {edit(d, "Edit1")->text(), edit(d, "Edit3")->text(), labelText(d, "TotalCost"),
            labelText(d, "UnitCost"), labelText(d, "Label2")};
}

class InkCostDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        folders.writeIni("[InkCostForm]\nInkPrice=10.00\nHowMany=1000\nUnitSize=1000\n");
    }
    // Runs the dialog on a view with `dots` dots at `picolitres` per dot.
    void run(int dots, double picolitres, std::function<void(QDialog&)> body) {
        const auto settings = SettingsFile::open();
        InkCostDialog dialog(settings.get(), QLocale::c());
        prompter.dialogScripts.push_back(script([body](QDialog& d) {
            d.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
            ASSERT_TRUE(eventually(
                [&] { return control<QProgressBar>(d, "ProgressBar1")->value() == 256; }));
            body(d);
        }));
        dialog.execute(prompter, viewWithDots(dots), Margin, picolitres);
        counted = dialog.dotCount();
    }
    QString setting(const char* key) const {
        return IniFile(folders.iniPath()).readString("InkCostForm", key, "absent");
    }

    TestFolders folders;
    ScriptedPrompter prompter;
    std::int64_t counted = -1;
};

TEST_F(InkCostDialogTest, AnEmptyImageShowsZeroEverywhereAndKeepsTheNumberOfPrints) {
    run(0, 80, [](QDialog& d) {
        EXPECT_EQ(results(d),
                  (QStringList{"0", "0.00000000000000", "0.00", "0.00000000000000", "0"}));
        // Clicking the number of prints recomputes, still without a failure.
        QTest::mouseClick(edit(d, "Edit1"), Qt::LeftButton);
        EXPECT_EQ(edit(d, "Edit3")->text(), "0.00000000000000");
        click(d, "OKButton");
    });
    EXPECT_EQ(counted, 0);
    EXPECT_EQ(setting("HowMany"), "1000");
}

// The dialog opens on the worked example of its settings; each field
// recomputes the results that follow from it as it is typed, a price that
// is no number as 0.
TEST_F(InkCostDialogTest, EachFieldRecomputesItsResults) {
    run(5000, 10000, [](QDialog& d) {
        EXPECT_EQ(edit(d, "Edit2")->text(), "10.00");
        EXPECT_EQ(edit(d, "Edit4")->text(), "1000");
        EXPECT_EQ(results(d),
                  (QStringList{"1000", "0.05000000000000", "0.50", "0.00050000000000", "0.05"}));
        typeInto(edit(d, "Edit1"), "2000");
        EXPECT_EQ(results(d),
                  (QStringList{"2000", "0.10000000000000", "1.00", "0.00050000000000", "0.1"}));
        typeInto(edit(d, "Edit2"), "ten");
        EXPECT_EQ(labelText(d, "TotalCost"), "0.00");
        EXPECT_EQ(labelText(d, "UnitCost"), "0.00000000000000");
        typeInto(edit(d, "Edit2"), "20");
        EXPECT_EQ(results(d),
                  (QStringList{"2000", "0.10000000000000", "2.00", "0.00100000000000", "0.1"}));
        typeInto(edit(d, "Edit3"), "0.2");
        EXPECT_EQ(results(d), (QStringList{"4000", "0.2", "4.00", "0.00100000000000", "0.2"}));
        typeInto(edit(d, "Edit4"), "500");
        EXPECT_EQ(results(d), (QStringList{"4000", "0.2", "4.00", "0.00100000000000", "0.4"}));
        // A unit size of 0 gives no units, and the dialog goes on.
        typeInto(edit(d, "Edit4"), "0");
        EXPECT_EQ(labelText(d, "Label2"), "0");
        // Enter in the number of prints recomputes all five.
        edit(d, "Edit1")->setFocus();
        QTest::keyClick(edit(d, "Edit1"), Qt::Key_Return);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(edit(d, "Edit3")->text(), "0.20000000000000");
        click(d, "OKButton");
    });
    EXPECT_EQ(counted, 5000);
    EXPECT_EQ(setting("InkPrice"), "20");
    EXPECT_EQ(setting("HowMany"), "4000");
    EXPECT_EQ(setting("UnitSize"), "1000"); // not written back
}

struct InvalidCase {
    const char* field;
    const char* typed;
    const char* replacement;
};

class InkCostDialogInvalid : public InkCostDialogTest,
                             public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InkCostDialogInvalid, IsReplacedWhenTheFieldIsLeft) {
    const InvalidCase c = GetParam();
    run(5000, 10000, [&c](QDialog& d) {
        QLineEdit* field = edit(d, c.field);
        field->setFocus();
        typeInto(field, QLatin1String(c.typed));
        leave(field);
        EXPECT_EQ(field->text(), c.replacement);
    });
}

INSTANTIATE_TEST_SUITE_P(Fields, InkCostDialogInvalid,
                         ::testing::Values(InvalidCase{"Edit1", "12x", "0000"},
                                           InvalidCase{"Edit2", "ten", "0.00"},
                                           InvalidCase{"Edit3", "", "0.00"},
                                           InvalidCase{"Edit4", "1.5", "1000"}));

TEST(InkCostDialog, WithoutASettingsFileStartsFromTheBuiltInValuesAndWritesNothing) {
    TestFolders folders;
    ScriptedPrompter prompter;
    InkCostDialog dialog(nullptr, QLocale(QLocale::German, QLocale::Germany));
    prompter.dialogScripts.push_back(script([](QDialog& d) {
        ASSERT_TRUE(eventually([&] { return !labelText(d, "Label2").isEmpty(); }));
        EXPECT_EQ(edit(d, "Edit2")->text(), "10,00");
        EXPECT_EQ(edit(d, "Edit1")->text(), "1000");
        EXPECT_EQ(edit(d, "Edit3")->text(), "0,05000000000000");
        click(d, "OKButton");
    }));
    dialog.execute(prompter, viewWithDots(5000), Margin, 10000);
    EXPECT_FALSE(QFile::exists(folders.iniPath()));
}

// The dialog in its own modal loop, as the user sees it.
TEST_F(InkCostDialogTest, RunsInARealModalLoop) {
    const auto settings = SettingsFile::open();
    InkCostDialog dialog(settings.get(), QLocale::c());
    prompter.dialogScripts.push_back(modalScript([](QDialog& d) {
        ASSERT_TRUE(eventually([&] { return edit(d, "Edit3")->text() == "0.05000000000000"; }));
        typeInto(edit(d, "Edit1"), "3000");
        click(d, "OKButton");
    }));
    dialog.execute(prompter, viewWithDots(5000), Margin, 10000);
    EXPECT_EQ(setting("HowMany"), "3000");
    EXPECT_EQ(dialog.dotCount(), 5000);
}

} // namespace
