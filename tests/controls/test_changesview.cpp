#include "controls/changesview.h"

#include "document/document.h"
#include "document/fields.h"

#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace dorva {
namespace {

// The header's texts, then each row's.
std::vector<QStringList> rows(const QTreeWidget& list) {
    std::vector<QStringList> rows;
    for (int row = -1; row < list.topLevelItemCount(); ++row) {
        rows.emplace_back();
        for (int column = 0; column < list.columnCount(); ++column)
            rows.back() << (row < 0 ? list.headerItem() : list.topLevelItem(row))->text(column);
    }
    return rows;
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
    EXPECT_EQ(rows(list), (std::vector<QStringList>{{"Field", "Saved", "Now"},
                                                    {"Kit 1 Item", "", "山田.gun"},
                                                    {"Kit 1 Mag Count", "", "7"},
                                                    {"Kit 2 Mag Count", "", "1"},
                                                    {"Ex Ammo", "unchecked", "checked"}}));

    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const QRect row = list.visualItemRect(list.topLevelItem(1));
    // A double-click arrives as a click followed by the double-click event.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(view.result(), QDialog::Accepted);
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
    EXPECT_EQ(rows(*view.list()),
              (std::vector<QStringList>{{"Field", "When opened", "On disk now", "In the editor"},
                                        {"Alpha 1", "Demolitions", "7", "Sniper"},
                                        {"Briefing Text", "", "", "a\u21b5b"}}));
}

} // namespace
} // namespace dorva
