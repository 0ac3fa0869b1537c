#include "app/filebrowser.h"
#include "app/mainwindow.h"
#include "fakedialogs.h"
#include "tempfolder.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace dorva;

namespace {

const QByteArray actorText = "<ActorFile>\r\n\t<VersionNumber>1.00</VersionNumber>\r\n"
                             "\t<ArmorLevel>1</ArmorLevel>\r\n\t<ActorName>Bob</ActorName>\r\n"
                             "</ActorFile>\r\n";
const QByteArray missionText = "<MissionFile>\r\n\t<MapName>Dam</MapName>\r\n"
                               "\t<MapSize>2</MapSize>\r\n</MissionFile>\r\n";
const QByteArray kitText = "<KitFile>\r\n\t<Texture>kit.rsb</Texture>\r\n</KitFile>\r\n";

enum Tab { Mission = 0, Actor = 1, Kit = 2 };

// The browser inside the real main window, started in a folder of sample files.
class Routing : public ::testing::Test {
protected:
    void SetUp() override {
        temp.file("start/readme.txt");
        for (const char* name : {"a1.atr", "A2.ATR"})
            temp.file(QString("mods/") + name, actorText);
        temp.file("mods/m1.mis", missionText);
        for (const char* name : {"k1.kit", "k2.kit"})
            temp.file(QString("mods/") + name, kitText);
        temp.file("mods/notes.txt");
    }

    MainWindow& start(const QByteArray& shortcuts = {}) {
        if (!shortcuts.isNull())
            temp.file("start/shortcut.ini", shortcuts);
        window = std::make_unique<MainWindow>(dialogs, temp.path("dorva.ini"), temp.path("start"));
        return *window;
    }

    FileBrowser* browser() const { return window->fileBrowser(); }
    QTabWidget* tabs() const { return window->findChild<QTabWidget*>("PageControl1"); }
    QComboBox* combo() const { return window->findChild<QComboBox*>("ShortCutCombo"); }
    QString status(const char* name) const { return window->findChild<QLineEdit*>(name)->text(); }
    // Chooses shortcut entry i as the user does with the arrow keys.
    void chooseShortcut(int i) {
        combo()->setCurrentIndex(i - 1);
        QTest::keyClick(combo(), Qt::Key_Down);
    }

    TempFolder temp;
    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(Routing, StartsInTheStartFolderWithTheShortcutList) {
    start("../mods\r\n../mods/*.kit\r\n");
    EXPECT_EQ(browser()->folder(), temp.path("start"));
    EXPECT_EQ(combo()->currentText(), temp.path("start"));
    EXPECT_EQ(combo()->count(), 2);
    EXPECT_EQ(browser()->mask(), "*.mis");
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(Routing, PageSwitchesChangeTheListedKindButNotTheFolder) {
    start("../mods\r\n");
    chooseShortcut(0);
    ASSERT_EQ(browser()->folder(), temp.path("mods"));
    EXPECT_EQ(browser()->files(), QStringList({"m1.mis"}));
    tabs()->setCurrentIndex(Actor);
    EXPECT_EQ(browser()->files(), QStringList({"a1.atr", "A2.ATR"}));
    tabs()->setCurrentIndex(Kit);
    EXPECT_EQ(browser()->files(), QStringList({"k1.kit", "k2.kit"}));
    EXPECT_EQ(browser()->folder(), temp.path("mods"));
    EXPECT_EQ(QDir::currentPath(), temp.path("mods"));
}

TEST_F(Routing, ArrowKeysOpenEachFileInTheShowingPage) {
    start("../mods\r\n");
    chooseShortcut(0);
    tabs()->setCurrentIndex(Actor);
    auto* list = window->findChild<QListView*>("FileListBox1");
    ASSERT_TRUE(browser()->selectFile("a1.atr"));
    EXPECT_EQ(status("StatusBarA"), temp.path("mods/a1.atr"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(status("StatusBarA"), temp.path("mods/A2.ATR"));
    EXPECT_TRUE(status("StatusBarK").isEmpty());
    EXPECT_TRUE(status("StatusBarM").isEmpty());
}

TEST_F(Routing, KitMaskFromAShortcutOpensInTheKitPageWhileActorShows) {
    start("../mods/*.kit\r\n");
    tabs()->setCurrentIndex(Actor);
    chooseShortcut(0);
    EXPECT_EQ(browser()->mask(), "*.kit");
    EXPECT_EQ(tabs()->currentIndex(), Actor);
    ASSERT_TRUE(browser()->selectFile("k2.kit"));
    EXPECT_EQ(status("StatusBarK"), temp.path("mods/k2.kit"));
    EXPECT_TRUE(status("StatusBarA").isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(Routing, AllFilesMaskOpensNothingUntilAPageShows) {
    start("../mods/*.*\r\n");
    tabs()->setCurrentIndex(Actor);
    chooseShortcut(0);
    EXPECT_EQ(browser()->files().size(), 6);
    for (const char* name : {"a1.atr", "m1.mis", "k1.kit", "notes.txt"})
        ASSERT_TRUE(browser()->selectFile(name));
    for (const char* field : {"StatusBarA", "StatusBarM", "StatusBarK"})
        EXPECT_TRUE(status(field).isEmpty()) << field;
    EXPECT_TRUE(dialogs.errors.isEmpty());

    tabs()->setCurrentIndex(Kit);
    ASSERT_TRUE(browser()->selectFile("k1.kit"));
    EXPECT_EQ(status("StatusBarK"), temp.path("mods/k1.kit"));
}

TEST_F(Routing, ShortcutNamingAFileOpensItInThePageWhoseMaskCoversIt) {
    start("../mods/m1.mis\r\n../mods/k1.kit\r\n");
    chooseShortcut(0);
    EXPECT_EQ(status("StatusBarM"), temp.path("mods/m1.mis"));
    // Under the Mission page's mask the kit file is hidden: the mask becomes its name, which no
    // page carries, so nothing opens.
    chooseShortcut(1);
    EXPECT_EQ(browser()->mask(), "k1.kit");
    EXPECT_EQ(browser()->selectedPath(), temp.path("mods/k1.kit"));
    EXPECT_TRUE(status("StatusBarK").isEmpty());
}

TEST_F(Routing, F12HidesAndShowsThePanel) {
    start();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* panel = window->findChild<QWidget*>("Panel1");
    ASSERT_EQ(panel, browser());
    EXPECT_EQ(panel->width(), 139);
    QTest::keyClick(window.get(), Qt::Key_F12);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(window->frameGeometry().width(), 640);
    QTest::keyClick(window.get(), Qt::Key_F12);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(window->frameGeometry().width(), 780);
}
