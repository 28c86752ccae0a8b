#include "widgets/RadioGroup.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(RadioGroup, ClickingAChoiceSetsTheIndexAndTellsSo) {
    RadioGroup group;
    group.setItems({"a", "b", "c"});
    EXPECT_EQ(group.itemIndex(), -1);
    QSignalSpy changed(&group, &RadioGroup::itemIndexChanged);
    group.show();
    QTest::mouseClick(group.button(2), Qt::LeftButton);
    EXPECT_EQ(group.itemIndex(), 2);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toInt(), 2);
}

TEST(RadioGroup, AnIndexOutOfRangeUnchecksEveryChoice) {
    RadioGroup group;
    group.setItems({"a", "b"});
    group.setItemIndex(1);
    group.setItemIndex(5);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_FALSE(group.button(1)->isChecked());
    group.setItemIndex(0);
    EXPECT_EQ(group.itemIndex(), 0);
}

TEST(RadioGroup, NewCaptionsKeepTheChoiceUnlessTheCountChanges) {
    RadioGroup group;
    group.setItems({"one", "two"});
    group.setItemIndex(1);
    group.setItems({"un", "deux"});
    EXPECT_EQ(group.items(), QStringList({"un", "deux"}));
    EXPECT_EQ(group.itemIndex(), 1);
    group.setItems({"x", "y", "z"});
    EXPECT_EQ(group.count(), 3);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_EQ(group.button(2)->objectName(), "Item2");
}
