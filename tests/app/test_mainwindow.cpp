#include "app/windowplacement.h"
#include "browser/localpath.h"
#include "shelltesting.h"
#include "testfiles.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <sys/stat.h>
#include <unistd.h>

using dorva::DocumentPage;
using namespace shelltesting;

namespace {

class MainWindowTest : public ShellTest {};

} // namespace

TEST_F(MainWindowTest, FirstStartUsesDefaultsAndExitWritesWhereTheUserWas) {
    temp.file("shortcut.ini", "mods\r\nmods/*.kit\r\n");
    dorva::MainWindow& w = start();
    EXPECT_EQ(w.objectName(), "Form1");
    EXPECT_EQ(w.windowHandle()->title(), "DORVA");
    EXPECT_EQ(w.pos(), QPoint(190, 124));
    EXPECT_EQ(w.centralWidget()->size(), QSize(772, 442));
    EXPECT_EQ(tabs()->width(), 633);
    for (const Kind& kind : kKinds) {
        EXPECT_EQ(tabs()->tabText(kind.tab), kind.caption);
        EXPECT_EQ(page(kind.tab)->objectName(), kind.sheet);
    }
    EXPECT_EQ(tabs()->currentIndex(), Mission);
    const QString folder = QDir(temp.path()).absolutePath();
    EXPECT_EQ(browser()->folder(), bytesOf(folder));
    EXPECT_EQ(browser()->mask(), "*.mis");
    // The shortcut list comes from the start folder; its box shows the folder.
    auto* combo = w.findChild<QComboBox*>("ShortCutCombo");
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), folder);
    EXPECT_FALSE(QFile::exists(settingsPath()));

    tabs()->setCurrentIndex(Actor);
    temp.folder("mods");
    browser()->setFolder(temp.path("mods"));
    w.show();
    action("Exit1")->trigger();
    EXPECT_FALSE(w.isVisible());
    const QByteArray ini = temp.read("dorva.ini");
    for (const QByteArray& line :
         {QByteArray("[Window]"), QByteArray("Top=124"), QByteArray("Left=190"),
          QByteArray("[General]"), QByteArray("LastTab=1"),
          "LastDir=" + QFile::encodeName(temp.path("mods"))})
        EXPECT_TRUE(ini.contains(line)) << line.constData() << "\n" << ini.constData();
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, RestoresPositionPageAndFolder) {
    temp.folder("sub");
    const struct {
        const char* name;
        const char* lastTab;
        const char* lastDir;
        int tab;
        const char* mask;
        QString folder;
    } rows[] = {
        {"stored values", "2", "sub", Kit, "*.kit", temp.path("sub")},
        {"page past the end, folder gone", "7", "gone", Mission, "*.mis", temp.path()},
        {"negative page", "-1", "sub", Mission, "*.mis", temp.path("sub")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        temp.file("dorva.ini",
                  QString("[Window]\r\nTop=40\r\nLeft=50\r\n[General]\r\nLastTab=%1\r\n"
                          "LastDir=%2\r\n")
                      .arg(row.lastTab, temp.path(row.lastDir))
                      .toUtf8());
        start();
        EXPECT_EQ(window->pos(), QPoint(50, 40));
        EXPECT_EQ(tabs()->currentIndex(), row.tab);
        EXPECT_EQ(browser()->mask(), row.mask);
        EXPECT_EQ(browser()->folder(), bytesOf(row.folder));
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, ClosesWhenSettingsCannotBeWritten) {
    // Below a file, no folder can be made.
    temp.file("file");
    window = std::make_unique<dorva::MainWindow>(dialogs, temp.path("file/dorva.ini"),
                                                 bytesOf(temp.path()), QByteArray());
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, CtrlSDoesNothingUntilAFileIsOpen) {
    temp.file("dorva.ini", "[General]\r\nLastTab=1\r\n");
    start();
    showActive();
    const QStringList before = QDir(temp.path()).entryList(QDir::Files);
    EXPECT_FALSE(action("N2")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(dialogs.saveFilters.isEmpty());

    const QString path = temp.file("a.atr", kKinds[Actor].sample);
    dialogs.openAnswers.push_back(path);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(page(Actor)->statusField()->text(), QDir::toNativeSeparators(path));
    ASSERT_TRUE(QFile::remove(path));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(temp.read("a.atr"), QByteArray::fromStdString(page(Actor)->document().output()));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, SaveAsWithoutOpenFileWritesThePageOutputAndMakesItTheOpenFile) {
    for (const Kind& kind : {kKinds[Actor], kKinds[Kit]}) {
        SCOPED_TRACE(kind.caption);
        start();
        tabs()->setCurrentIndex(kind.tab);
        DocumentPage* p = page(kind.tab);
        const QString path = temp.path(QString("new_") + kind.fileName);
        dialogs.saveAnswers.push_back(path);
        action("N3")->trigger();
        EXPECT_EQ(temp.read(QString("new_") + kind.fileName),
                  QByteArray::fromStdString(p->document().output()));
        EXPECT_EQ(p->statusField()->text(), QDir::toNativeSeparators(path));
        EXPECT_TRUE(p->saveButton()->isEnabled());
        EXPECT_TRUE(action("N2")->isEnabled());
        EXPECT_EQ(dialogs.saveSuffixes.last(), QString(kind.mask).mid(2));
        EXPECT_EQ(dialogs.saveFilters.last(), kind.tab == Actor
                                                  ? "Actor File(*.atr)|*.atr|All File(*.*)|*.*"
                                                  : "Kit File(*.kit)|*.kit");
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Which controls each way of opening turns on, for each page. A Mission can be saved as only
// once a file is open.
TEST_F(MainWindowTest, EachWayOfOpeningEnablesItsControls) {
    enum Way { Button, Menu, List };
    for (const Kind& kind : kKinds) {
        for (Way way : {Button, Menu, List}) {
            SCOPED_TRACE(std::string(kind.caption) + " way " + std::to_string(way));
            start();
            tabs()->setCurrentIndex(kind.tab);
            DocumentPage* p = page(kind.tab);
            const bool mission = kind.tab == Mission;
            EXPECT_EQ(p->saveAsButton()->isEnabled(), !mission);
            EXPECT_EQ(action("N3")->isEnabled(), !mission);
            EXPECT_FALSE(action("N2")->isEnabled());
            if (mission) {
                action("SaveAsByMenu")->trigger();
                EXPECT_TRUE(dialogs.saveFilters.isEmpty());
            }

            const QString path = temp.file(kind.fileName, kind.sample);
            if (way == Button) {
                dialogs.openAnswers.push_back(path);
                p->openButton()->click();
            } else if (way == Menu) {
                dialogs.openAnswers.push_back(path);
                action("Open1")->trigger();
            } else {
                emit browser()->fileSelected(
                    bytesOf(path), dorva::kKindsInPageOrder[static_cast<std::size_t>(kind.tab)]);
            }
            if (way != List) {
                EXPECT_EQ(dialogs.openFilters.last(),
                          QString("%1 File(%2)|%2").arg(kind.caption, kind.mask));
            }
            EXPECT_EQ(p->statusField()->text(), QDir::toNativeSeparators(path));
            EXPECT_TRUE(p->saveButton()->isEnabled());
            EXPECT_TRUE(action("N2")->isEnabled());
            EXPECT_EQ(p->saveAsButton()->isEnabled(), !mission || way != List);
            EXPECT_EQ(action("N3")->isEnabled(), !mission || way == Menu);

            // Showing the page again judges the menu by the open file.
            tabs()->setCurrentIndex((kind.tab + 1) % 3);
            tabs()->setCurrentIndex(kind.tab);
            EXPECT_TRUE(action("N3")->isEnabled());
        }
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
}

// A failed open leaves the page exactly as it was: status field, buttons, fields, document.
TEST_F(MainWindowTest, FailedOpenChangesNothing) {
    start();
    DocumentPage* mission = page(Mission);
    const QString good = temp.file("good.mis", kKinds[Mission].sample);
    emit browser()->fileSelected(bytesOf(good), dorva::Kind::Mission);
    const std::string output = mission->document().output();

    const QString missing = temp.path("missing.mis");
    const struct {
        QString path;
        QString error;
    } rows[] = {
        {missing,
         QString::fromUtf8("ファイル %1 は開けません").arg(QDir::toNativeSeparators(missing))},
        {temp.file("broken.mis", "<MissionFile>\r\n\t<MapSize>x</MapSize>\r\n"
                                 "\t<MapName>Other</MapName>\r\n</MissionFile>\r\n"),
         QString::fromUtf8("'x' は整数ではありません")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        dialogs.errors.clear();
        dialogs.openAnswers.push_back(row.path);
        mission->openButton()->click();
        EXPECT_EQ(dialogs.errors, QStringList{row.error});
        EXPECT_EQ(mission->statusField()->text(), QDir::toNativeSeparators(good));
        EXPECT_FALSE(mission->saveAsButton()->isEnabled());
        EXPECT_EQ(mission->document().output(), output);
    }
}

TEST_F(MainWindowTest, FailedSaveKeepsTheOpenFileAndShowsTheError) {
    start();
    const QString path = temp.file("k.kit", kKinds[Kit].sample);
    emit browser()->fileSelected(bytesOf(path), dorva::Kind::Kit);
    const QString target = temp.path("gone/new.kit");
    dialogs.saveAnswers.push_back(target);
    page(Kit)->saveAsButton()->click();
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8("ファイル %1 を作成できません")
                                              .arg(QDir::toNativeSeparators(target))});
    EXPECT_EQ(page(Kit)->statusField()->text(), QDir::toNativeSeparators(path));
}

// The editor refuses what dorva-cli refuses, and saves what it saves.
class MainWindowPermissions : public ShellTest {
protected:
    void SetUp() override {
        if (::geteuid() == 0)
            GTEST_SKIP() << "root may write anything; run as a normal user to test permissions";
    }
};

TEST_F(MainWindowPermissions, AReadOnlyFileIsRefusedAndAFileInALockedFolderSaved) {
    start();
    const QString readOnly = temp.file("ro.kit", kKinds[Kit].sample);
    QFile::setPermissions(readOnly, QFile::ReadOwner);
    temp.folder("game");
    const QString shared = temp.file("game/k.kit", kKinds[Kit].sample);
    QFile::setPermissions(temp.path("game"), QFile::ReadOwner | QFile::ExeOwner);

    emit browser()->fileSelected(bytesOf(readOnly), dorva::Kind::Kit);
    page(Kit)->saveButton()->click();
    EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8("ファイル %1 を作成できません")
                                              .arg(QDir::toNativeSeparators(readOnly))});
    EXPECT_EQ(temp.read("ro.kit"), kKinds[Kit].sample);

    dialogs.errors.clear();
    emit browser()->fileSelected(bytesOf(shared), dorva::Kind::Kit);
    page(Kit)->saveButton()->click();
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(temp.read("game/k.kit"), QByteArray::fromStdString(page(Kit)->document().output()));
    QFile::setPermissions(temp.path("game"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(MainWindowTest, F12TogglesTheFileListAndTheWidth) {
    start();
    showActive();
    QAction* item = action("N5");
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(browser()->isVisible());
    EXPECT_EQ(browser()->width(), 139);

    QTest::keyClick(window.get(), Qt::Key_F12);
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(browser()->isVisible());
    EXPECT_EQ(window->frameGeometry().width(), 640);

    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(browser()->isVisible());
    EXPECT_EQ(window->frameGeometry().width(), 780);
}

TEST_F(MainWindowTest, MenuCaptionsAndShortcuts) {
    start();
    const struct {
        const char* name;
        const char* caption;
        QKeySequence keys;
    } items[] = {
        {"Open1", "Open(&O)", QKeySequence("Ctrl+O")},
        {"N2", "Save", QKeySequence("Ctrl+S")},
        {"N3", "SaveAs", QKeySequence("Shift+Ctrl+S")},
        {"Exit1", "Exit(&X)", QKeySequence()},
        {"N5", "ShowListView(&L)", QKeySequence(Qt::Key_F12)},
        {"VersionInfo1", "Version Info(&A)", QKeySequence()},
    };
    for (const auto& i : items) {
        SCOPED_TRACE(i.name);
        QAction* a = action(i.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), i.caption);
        EXPECT_EQ(a->shortcut(), i.keys);
    }
}

// A folder unpacked from an archive made on the game's home platform, named in code page 932,
// and a start folder that was deleted: no error box before the window shows, a working browser,
// and only a folder that exists stored at exit.
TEST_F(MainWindowTest, StartsInAnyFolderAndOpensAndSavesNamesInCodePage932) {
    const QByteArray soft = temp.rawFolder("\x83\x5c\x83\x74\x83\x67"); // ソフト
    const QByteArray file = temp.rawFile(soft.mid(soft.lastIndexOf('/') + 1) +
                                             "/\x83\x65\x83\x58\x83\x67.kit", // テスト.kit
                                         kKinds[Kit].sample);
    temp.folder("gone");
    const QByteArray gone = bytesOf(temp.path("gone"));
    ASSERT_TRUE(QDir(temp.path("gone")).removeRecursively());
    const struct {
        QByteArray startFolder;
        QByteArray folder;
    } rows[] = {{soft, soft}, {gone, dorva::cleanPath(dorva::homeFolder())}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.startFolder.toStdString());
        QFile::remove(settingsPath());
        start(row.startFolder);
        EXPECT_EQ(browser()->folder(), row.folder);
        EXPECT_TRUE(dialogs.errors.isEmpty());
        window->close();
        EXPECT_EQ(dorva::loadSettings(settingsPath(), {}).lastDir, row.folder);
    }

    QFile::remove(settingsPath());
    start(soft);
    tabs()->setCurrentIndex(Kit);
    ASSERT_TRUE(browser()->selectFile("テスト.kit"));
    EXPECT_EQ(status(Kit), temp.path("ソフト/テスト.kit"));
    testfiles::writeFile(file.toStdString(), "old");
    page(Kit)->saveButton()->click();
    EXPECT_EQ(testfiles::readFile(file.toStdString()), page(Kit)->document().output());
    EXPECT_FALSE(QFileInfo::exists(temp.path("ソフト")));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
}

TEST_F(MainWindowTest, AShortcutListThatIsAFifoShowsTheErrorAndNoEntries) {
    ASSERT_EQ(mkfifo(bytesOf(temp.path("shortcut.ini")).constData(), 0600), 0);
    start();
    EXPECT_EQ(
        dialogs.errors,
        QStringList{QString::fromUtf8("ファイル %1 は開けません").arg(temp.path("shortcut.ini"))});
    EXPECT_EQ(window->findChild<QComboBox*>("ShortCutCombo")->count(), 0);
    EXPECT_EQ(browser()->folder(), bytesOf(temp.path()));
}

// However long the shortcut entries, the page area keeps its width and the panel its own, also
// once the style changes (which makes the combo box measure its entries again).
TEST_F(MainWindowTest, LongShortcutEntriesLeaveThePagesAlone) {
    const QByteArray entry = "/games/" + QByteArray(120, 'x') + "/missions/*.mis";
    temp.file("shortcut.ini", "/a\r\n" + entry + "\r\n");
    start();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto* combo = window->findChild<QComboBox*>("ShortCutCombo");
    QEvent styleChange(QEvent::StyleChange);
    QApplication::sendEvent(combo, &styleChange);
    QApplication::processEvents();
    EXPECT_EQ(tabs()->geometry(), QRect(0, 0, 633, 442));
    EXPECT_EQ(browser()->geometry(), QRect(633, 0, 139, 442));
    EXPECT_LE(combo->geometry().right(), browser()->width());
    // Nor does it ask for more room, wherever a layout would give it.
    EXPECT_LE(combo->sizeHint().width(), browser()->width());
    EXPECT_EQ(combo->itemData(1, Qt::ToolTipRole).toString(), QString(entry));
}

TEST(WindowPlacement, AWindowNoScreenShowsMovesOntoTheNearestOne) {
    const QRect primary(0, 0, 1000, 800);
    const QRect right(1000, 0, 800, 600);
    const struct {
        const char* name;
        QRect frame;
        QPoint expected;
    } rows[] = {
        {"on the screen", {190, 124, 780, 480}, {190, 124}},
        {"partly off, still reachable", {900, 700, 780, 480}, {900, 700}},
        {"far below", {190, 5000, 780, 480}, {190, 320}},
        {"far left and above", {-3000, -900, 780, 480}, {0, 0}},
        {"title bar above the screen", {190, -100, 780, 480}, {190, 0}},
        {"beyond the second screen", {2500, 100, 780, 480}, {1020, 100}},
        {"larger than the screen", {5000, 5000, 1200, 900}, {1000, 0}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(dorva::reachablePosition(row.frame, {primary, right}), row.expected) << row.name;
}
