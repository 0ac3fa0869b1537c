#include "shelltesting.h"

#include <QPushButton>

using namespace shelltesting;

namespace {

class OpenFilesTest : public ShellTest {};

QString cannotOpen(const QString& path) {
    return QString("ファイル %1 は開けません").arg(QDir::toNativeSeparators(path));
}

} // namespace

TEST_F(OpenFilesTest, OpensEachFileInThePageOfItsKindAndShowsThePageOfTheLast) {
    const QString mission = temp.file("M01.MIS", kKinds[Mission].sample);
    const QString actor = temp.file("a.atr", kKinds[Actor].sample);
    const QString kit = temp.file("k.Kit", kKinds[Kit].sample);
    const QString notes = temp.file("notes.txt", kKinds[Kit].sample);
    const QString gone = temp.path("gone.atr");
    const struct {
        const char* name;
        QStringList files;
        int shownTab;
        QStringList opened; // status field per tab: Mission, Actor, Kit
        QStringList errors;
    } rows[] = {
        {"each kind, in any letter case",
         {actor, kit, mission},
         Mission,
         {mission, actor, kit},
         {}},
        {"a missing and an unknown file",
         {kit, gone, notes},
         Actor,
         {"", "", kit},
         {cannotOpen(gone), cannotOpen(notes)}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        dialogs.errors.clear();
        start();
        window->openFiles(row.files);
        EXPECT_EQ(tabs()->currentIndex(), row.shownTab);
        for (int tab : {Mission, Actor, Kit})
            EXPECT_EQ(status(tab), QDir::toNativeSeparators(row.opened[tab]));
        EXPECT_EQ(dialogs.errors, row.errors);
    }
    // Opened as by "Open(&O)", which also turns on the Mission page's "Save as..." button.
    EXPECT_FALSE(page(Mission)->saveAsButton()->isEnabled());
    start();
    window->openFiles({mission});
    EXPECT_TRUE(page(Mission)->saveAsButton()->isEnabled());
    EXPECT_TRUE(action("N3")->isEnabled());
}
