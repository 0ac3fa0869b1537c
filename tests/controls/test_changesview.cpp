#include "controls/changesview.h"

#include "document/document.h"
#include "document/fields.h"

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace dorva {
namespace {

QStringList rowTexts(const QTreeWidget& list, int row) {
    QStringList texts;
    for (int column = 0; column < list.columnCount(); ++column)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

TEST(ChangesView, RowsOfTwoKitsAndDoubleClickChoosesTheField) {
    Document saved(Kind::Kit);
    Document now = saved;
    enterValue(now, *findField(Kind::Kit, "Count1"), "7");
    enterValue(now, *findField(Kind::Kit, "Item1"), "\x8e\x52\x93\x63.gun"); // 山田.gun
    enterValue(now, *findField(Kind::Kit, "ExtraAmmo"), "1"); // also puts 1 into Count2

    ChangesView view("rifle.kit", {"Saved", "Now"}, differingFields(saved, now));
    EXPECT_EQ(view.objectName(), "ChangesView");
    EXPECT_EQ(view.windowTitle(), "Changes - rifle.kit");
    const QTreeWidget& list = *view.list();
    EXPECT_EQ(list.objectName(), "ChangesList");
    EXPECT_EQ(list.headerItem()->text(2), "Now");
    ASSERT_EQ(list.topLevelItemCount(), 4);
    EXPECT_EQ(rowTexts(list, 0), QStringList({"Kit 1 Item", "", "山田.gun"}));
    EXPECT_EQ(rowTexts(list, 1), QStringList({"Kit 1 Mag Count", "", "7"}));
    EXPECT_EQ(rowTexts(list, 2), QStringList({"Kit 2 Mag Count", "", "1"}));
    EXPECT_EQ(rowTexts(list, 3), QStringList({"Ex Ammo", "unchecked", "checked"}));

    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QRect row = list.visualItemRect(list.topLevelItem(1));
    // A double-click arrives as a click followed by the double-click event.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(view.isVisible());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(view.result(), QDialog::Accepted);
    EXPECT_FALSE(view.isVisible());
    EXPECT_EQ(view.chosenField(), findField(Kind::Kit, "Count1"));
}

// Lists show their entry, unless the value read is none of them; memos show on one line.
TEST(ChangesView, ThreeWayRowsOfAMission) {
    Document opened(Kind::Mission);
    Document onDisk = opened;
    Document inEditor = opened;
    onDisk.mission().classes[0] = 7;
    inEditor.mission().classes[0] = 2;
    inEditor.mission().briefingText = "a\r\nb";

    const ChangesView view("desert.mis", {"When opened", "On disk now", "In the editor"},
                           differingFields(opened, onDisk, inEditor));
    const QTreeWidget& list = *view.list();
    ASSERT_EQ(list.topLevelItemCount(), 2);
    EXPECT_EQ(rowTexts(list, 0), QStringList({"Alpha 1", "Demolitions", "7", "Sniper"}));
    EXPECT_EQ(rowTexts(list, 1), QStringList({"Briefing Text", "", "", "a\u21b5b"}));
    EXPECT_EQ(view.chosenField(), nullptr);
}

} // namespace
} // namespace dorva
