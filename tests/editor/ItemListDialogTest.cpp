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
