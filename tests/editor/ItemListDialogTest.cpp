#include "editor/ui/ItemListDialog.h"
#include "DialogHarness.h"
#include "document/ItemList.h"
#include "document/ItemTypeNames.h"

#include <QToolButton>
#include <QTreeWidget>

namespace {

// A second kind of item, so that the list has something to filter.
class DateLikeItem : public Persistent<DateLikeItem, ImageItem> {
public:
    static constexpr auto RecordName = "DateLikeItem";
    uint8_t getTypeCode() const override { return 0x02; }
    QString getKindName(const ItemTypeNames&) const override { return QStringLiteral("Date"); }
    std::string getDataText() const override { return "31/12"; }
};

QStringList listed(const QDialog& dialog) {
    QStringList rows;
    const auto* view = control<QTreeWidget>(dialog, "ListView");
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        rows << view->topLevelItem(i)->text(0) + u':' + view->topLevelItem(i)->text(1);
    return rows;
}

} // namespace

TEST(ItemListDialog, KindButtonsFilterTheListedItems) {
    DialogHarness h;
    ItemList items;
    items.append(textItemAt(SansFont, 60, 60, 0, "AB"));
    items.append(std::make_unique<DateLikeItem>());
    items.append(textItemAt(SansFont, 70, 70, 0, "CD"));
    const ItemTypeNames kindNames;
    ItemListDialog dialog(nullptr, kindNames);
    h.prompter.dialogScripts.push_back(script([](QDialog& d) {
        EXPECT_EQ(listed(d), QStringList({"Text:AB", "Date:31/12", "Text:CD"}));
        EXPECT_EQ(d.findChild<QToolButton*>("NUMBERBUTTON"), nullptr); // no such items
        auto* text = control<QToolButton>(d, "TEXTBUTTON");
        QTest::mouseClick(text, Qt::LeftButton);
        EXPECT_EQ(listed(d), QStringList({"Date:31/12"}));
        // A kind without an entry in the kind list still gets its button.
        const auto buttons = d.findChildren<QToolButton*>();
        const auto date = std::find_if(buttons.begin(), buttons.end(),
                                       [](QToolButton* b) { return b->text() == "Date"; });
        ASSERT_NE(date, buttons.end());
        QTest::mouseClick(*date, Qt::LeftButton);
        EXPECT_EQ(listed(d), QStringList());
        QTest::mouseClick(text, Qt::LeftButton);
        EXPECT_EQ(listed(d), QStringList({"Text:AB", "Text:CD"}));
        click(d, "OKButton");
    }));
    dialog.execute(h.prompter, items);
}

// From the keyboard alone: Tab walks the kind buttons, the list and OK from
// the top down, Space switches a kind, the arrows move through the list.
TEST(ItemListDialog, TheListIsWorkedFromTheKeyboardInTheOrderOfTheLayout) {
    DialogHarness h;
    ItemList items;
    items.append(textItemAt(SansFont, 60, 60, 0, "AB"));
    items.append(std::make_unique<DateLikeItem>());
    const ItemTypeNames kindNames;
    ItemListDialog dialog(nullptr, kindNames);
    h.prompter.dialogScripts.push_back(modalScript([](QDialog& d) {
        auto* view = control<QTreeWidget>(d, "ListView");
        auto* text = control<QToolButton>(d, "TEXTBUTTON");
        QWidget* date = nullptr;
        for (QToolButton* b : d.findChildren<QToolButton*>())
            if (b->text() == "Date")
                date = b;
        ASSERT_NE(date, nullptr);
        // Top to bottom, whichever control has the focus first.
        const QList<QWidget*> order{text, date, view, control<QWidget>(d, "OKButton")};
        QList<QWidget*> walked{QApplication::focusWidget()};
        for (int i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget();
        }
        const auto start = order.indexOf(walked.first());
        ASSERT_GE(start, 0);
        for (int i = 0; i < walked.size(); ++i)
            EXPECT_EQ(walked[i], order[(start + i) % order.size()]) << i;

        for (int i = 0; i < order.size() && QApplication::focusWidget() != text; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), text);
        QTest::keyClick(text, Qt::Key_Space);
        EXPECT_EQ(listed(d), QStringList({"Date:31/12"}));
        QTest::keyClick(text, Qt::Key_Space);
        QTest::keyClick(text, Qt::Key_Tab);
        QTest::keyClick(date, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), view);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        EXPECT_EQ(view->currentItem()->text(1), "31/12");
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // OK
    }));
    dialog.execute(h.prompter, items);
    EXPECT_FALSE(dialog.isVisible());
}
