#include "RenderHarness.h"
#include "ScriptedPrompter.h"
#include "document/ui/LabelStructureUnit.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QTreeWidget* listView(QDialog& dialog) {
    return dialog.findChild<QTreeWidget*>(QStringLiteral("ItemsListView"));
}

// As a user double-clicks: press and release, then the double-click itself.
void doubleClickRow(QTreeWidget* view, int row) {
    const QPoint at = view->visualItemRect(view->topLevelItem(row)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

ImagePList threeItems() {
    ImagePList items;
    items.Append(textItemAt(SansFont, 60, 60, 0, "one"));
    items.Append(textItemAt(SansFont, 60, 90, 0, "two"));
    items.Append(textItemAt(SansFont, 60, 120, 0, "three"));
    return items;
}

} // namespace

TEST(LabelStructureForm, DoubleClickOnTheThirdRowPicksTheThirdItem) {
    ImagePList items = threeItems();
    TLabelStructureForm form(nullptr);
    ScriptedPrompter prompter;
    prompter.dialogScripts.push_back([](QDialog& d) {
        d.show();
        QTreeWidget* view = listView(d);
        EXPECT_EQ(d.windowTitle(), "Label Structure");
        EXPECT_EQ(view->headerItem()->text(1), "Item type");
        EXPECT_EQ(view->topLevelItemCount(), 3);
        EXPECT_EQ(view->topLevelItem(1)->text(0), "2");
        EXPECT_EQ(view->topLevelItem(1)->text(1), "Text");
        EXPECT_EQ(view->topLevelItem(1)->text(2), "two");
        doubleClickRow(view, 2);
        return d.result();
    });
    EXPECT_EQ(form.execute(prompter, items), items.At(3));
}

TEST(LabelStructureForm, OkOrSeveralSelectedRowsPickNothing) {
    ImagePList items = threeItems();
    TLabelStructureForm form(nullptr);
    ScriptedPrompter prompter;
    prompter.dialogScripts.push_back([](QDialog& d) {
        d.show();
        QTreeWidget* view = listView(d);
        view->topLevelItem(0)->setSelected(true);
        view->topLevelItem(1)->setSelected(true);
        emit view->itemDoubleClicked(view->topLevelItem(1), 0);
        EXPECT_TRUE(d.isVisible());
        d.setResult(QDialog::Rejected);
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        return d.result();
    });
    EXPECT_EQ(form.execute(prompter, items), nullptr);
    EXPECT_EQ(prompter.dialogsRun, QStringList{"LabelStructureForm"});
}
