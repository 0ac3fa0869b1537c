#include "app/filebrowser.h"
#include "app/mainwindow.h"
#include "controls/briefingdialog.h"
#include "fakedialogs.h"
#include "pages/actorpage.h"
#include "pages/kitpage.h"
#include "pages/missionpage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using dorva::DocumentPage;
using dorva::MainWindow;

namespace {

const std::string kActor = "<ActorFile>\r\n\t<VersionNumber>1.00</VersionNumber>\r\n"
                           "\t<ArmorLevel>1</ArmorLevel>\r\n\t<ActorName>Bob</ActorName>\r\n"
                           "</ActorFile>\r\n";
const std::string kMission = "<MissionFile>\r\n\t<MapName>Dam</MapName>\r\n"
                             "\t<MapSize>2</MapSize>\r\n</MissionFile>\r\n";
const std::string kKit = "<KitFile>\r\n\t<Texture>kit.rsb</Texture>\r\n</KitFile>\r\n";

// One kind of document: its page's tab index, file name and list mask.
struct Kind {
    const char* name;
    int tab;
    const char* fileName;
    const char* mask;
    const std::string* sample;
};

const Kind kKinds[] = {
    {"Mission", 0, "m.mis", "*.mis", &kMission},
    {"Actor", 1, "a.atr", "*.atr", &kActor},
    {"Kit", 2, "k.kit", "*.kit", &kKit},
};

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override { QDir::setCurrent(QDir::tempPath()); }

    QString settingsPath() const { return dir.filePath("dorva.ini"); }

    MainWindow& makeWindow() {
        window = std::make_unique<MainWindow>(dialogs, settingsPath(), dir.path());
        return *window;
    }

    QString put(const QString& name, const std::string& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
        return path;
    }

    QByteArray read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QAction* action(const char* name) const {
        auto* found = window->findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTabWidget* tabs() const { return window->findChild<QTabWidget*>("PageControl1"); }

    DocumentPage* page(int tab) const { return static_cast<DocumentPage*>(tabs()->widget(tab)); }

    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QTemporaryDir dir;
    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST_F(MainWindowTest, FirstStartUsesDefaultsAndCloseWritesAllFourKeys) {
    MainWindow& w = makeWindow();
    EXPECT_EQ(w.objectName(), "Form1");
    EXPECT_EQ(w.windowTitle(), "DORVA");
    EXPECT_EQ(w.pos(), QPoint(190, 124));
    EXPECT_EQ(w.centralWidget()->size(), QSize(772, 442));
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(tabs()->width(), 633);
    EXPECT_EQ(tabs()->tabText(0), "Mission");
    EXPECT_EQ(tabs()->tabText(1), "Actor");
    EXPECT_EQ(tabs()->tabText(2), "Kit");
    EXPECT_EQ(page(0)->objectName(), "TabSheet3");
    EXPECT_EQ(page(1)->objectName(), "TabSheet1");
    EXPECT_EQ(page(2)->objectName(), "TabSheet2");
    EXPECT_EQ(w.fileBrowser()->folder(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(w.fileBrowser()->mask(), "*.mis");
    EXPECT_FALSE(QFile::exists(settingsPath()));
    EXPECT_TRUE(dialogs.errors.isEmpty());

    EXPECT_TRUE(w.close());
    const QByteArray ini = read(settingsPath());
    for (const QByteArray& line :
         {QByteArray("[Window]"), QByteArray("Top=124"), QByteArray("Left=190"),
          QByteArray("[General]"), QByteArray("LastTab=0"),
          "LastDir=" + QFile::encodeName(QDir(dir.path()).absolutePath())})
        EXPECT_TRUE(ini.contains(line)) << line.constData() << "\n" << ini.constData();
}

TEST_F(MainWindowTest, RestoresPositionAndLastPage) {
    const struct {
        const char* stored;
        int tab;
        const char* mask;
    } cases[] = {{"2", 2, "*.kit"}, {"1", 1, "*.atr"},  {"0", 0, "*.mis"},
                 {"7", 0, "*.mis"}, {"-1", 0, "*.mis"}, {"x", 0, "*.mis"}};
    for (const auto& c : cases) {
        put("dorva.ini", std::string("[Window]\r\nTop=40\r\nLeft=50\r\n[General]\r\nLastTab=") +
                             c.stored + "\r\n");
        MainWindow& w = makeWindow();
        EXPECT_EQ(w.pos(), QPoint(50, 40));
        EXPECT_EQ(tabs()->currentIndex(), c.tab) << c.stored;
        EXPECT_EQ(w.fileBrowser()->mask(), c.mask) << c.stored;
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, StoredFolderIsRestoredAndAMissingOneFallsBackQuietly) {
    QDir(dir.path()).mkdir("sub");
    put("dorva.ini", "[General]\r\nLastDir=" + dir.filePath("sub").toStdString() + "\r\n");
    EXPECT_EQ(makeWindow().fileBrowser()->folder(), dir.filePath("sub"));

    put("dorva.ini", "[General]\r\nLastDir=" + dir.filePath("gone").toStdString() + "\r\n");
    EXPECT_EQ(makeWindow().fileBrowser()->folder(), QDir(dir.path()).absolutePath());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, ClosesWhenSettingsCannotBeWritten) {
    window = std::make_unique<MainWindow>(dialogs, dir.filePath("gone/dorva.ini"), dir.path());
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, ExitWritesTheSettings) {
    makeWindow();
    tabs()->setCurrentIndex(1);
    window->show();
    action("Exit1")->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(read(settingsPath()).contains("LastTab=1"));
}

TEST_F(MainWindowTest, CtrlSDoesNothingUntilAFileIsOpen) {
    put("dorva.ini", "[General]\r\nLastTab=1\r\n");
    makeWindow();
    showActive();
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_FALSE(action("N2")->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(dialogs.saveFilters.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());

    const QString path = put("a.atr", kActor);
    dialogs.openAnswers.push_back(path);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(page(1)->filePath(), QDir::toNativeSeparators(path));
    ASSERT_TRUE(QFile::remove(path));
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(read(path), QByteArray::fromStdString(page(1)->outputBytes()));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, SaveAsWithoutOpenFileWritesThePageOutputAndMakesItTheOpenFile) {
    for (const Kind& kind : {kKinds[1], kKinds[2]}) {
        makeWindow();
        tabs()->setCurrentIndex(kind.tab);
        DocumentPage* p = page(kind.tab);
        EXPECT_TRUE(action("N3")->isEnabled()) << kind.name;
        EXPECT_TRUE(p->saveAsButton()->isEnabled()) << kind.name;
        const QString path = dir.filePath(QString("new_") + kind.fileName);
        dialogs.saveAnswers.push_back(path);
        action("N3")->trigger();
        EXPECT_EQ(read(path), QByteArray::fromStdString(p->outputBytes())) << kind.name;
        EXPECT_EQ(p->filePath(), QDir::toNativeSeparators(path)) << kind.name;
        EXPECT_TRUE(p->saveButton()->isEnabled()) << kind.name;
        EXPECT_TRUE(action("N2")->isEnabled()) << kind.name;
        EXPECT_EQ(dialogs.saveSuffixes.last(), p->defaultSuffix());
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(MainWindowTest, MissionSaveAsIsUnavailableUntilAnOpen) {
    makeWindow();
    DocumentPage* mission = page(0);
    EXPECT_FALSE(mission->saveAsButton()->isEnabled());
    EXPECT_FALSE(action("N3")->isEnabled());
    dialogs.saveAnswers.push_back(dir.filePath("x.mis"));
    action("SaveAsByMenu")->trigger();
    EXPECT_TRUE(dialogs.saveFilters.isEmpty());

    dialogs.openAnswers.push_back(put("m.mis", kMission));
    mission->openButton()->click();
    EXPECT_TRUE(mission->saveAsButton()->isEnabled());
    tabs()->setCurrentIndex(1);
    tabs()->setCurrentIndex(0);
    EXPECT_TRUE(action("N3")->isEnabled());
}

// Which controls each way of opening turns on, for each page (shown while it opens).
TEST_F(MainWindowTest, EachWayOfOpeningEnablesItsControls) {
    enum Way { Button, Menu, List };
    for (const Kind& kind : kKinds) {
        for (Way way : {Button, Menu, List}) {
            makeWindow();
            tabs()->setCurrentIndex(kind.tab);
            DocumentPage* p = page(kind.tab);
            const QString path = put(kind.fileName, *kind.sample);
            const bool mission = kind.tab == 0;
            if (way == Button) {
                dialogs.openAnswers.push_back(path);
                p->openButton()->click();
            } else if (way == Menu) {
                dialogs.openAnswers.push_back(path);
                action("Open1")->trigger();
            } else {
                emit window->fileBrowser()->fileSelected(path, kind.mask);
            }
            const std::string label = std::string(kind.name) + " way " + std::to_string(way);
            EXPECT_EQ(p->filePath(), QDir::toNativeSeparators(path)) << label;
            EXPECT_TRUE(p->saveButton()->isEnabled()) << label;
            EXPECT_TRUE(action("N2")->isEnabled()) << label;
            EXPECT_EQ(p->saveAsButton()->isEnabled(), !mission || way != List) << label;
            EXPECT_EQ(action("N3")->isEnabled(), !mission || way == Menu) << label;
        }
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
}

TEST_F(MainWindowTest, FileListOpensInThePageOfItsMaskOnly) {
    makeWindow();
    tabs()->setCurrentIndex(1);
    const QString kit = put("k.kit", kKit);
    emit window->fileBrowser()->fileSelected(kit, "*.*");
    emit window->fileBrowser()->fileSelected(kit, "*.KIT");
    EXPECT_TRUE(page(2)->filePath().isEmpty());
    emit window->fileBrowser()->fileSelected(kit, "*.kit");
    EXPECT_EQ(page(2)->filePath(), QDir::toNativeSeparators(kit));
    EXPECT_TRUE(page(1)->filePath().isEmpty());
    auto* kitName = window->findChild<QLineEdit*>("Edit06k");
    if (kitName) {
        EXPECT_EQ(kitName->text(), "k.kit");
    }
}

// A failed open leaves the page exactly as it was: status field, buttons, fields, document.
TEST_F(MainWindowTest, FailedOpenChangesNothing) {
    makeWindow();
    DocumentPage* mission = page(0);
    const QString good = put("good.mis", kMission);
    emit window->fileBrowser()->fileSelected(good, "*.mis");
    const std::string output = mission->outputBytes();
    QDir(dir.path()).mkdir("folder.mis");

    const QString big = put("big.mis", std::string(16 * 1024 * 1024 + 1, ' '));
    const QString broken = put("broken.mis", "<MissionFile>\r\n\t<MapSize>x</MapSize>\r\n"
                                             "\t<MapName>Other</MapName>\r\n</MissionFile>\r\n");
    const struct {
        QString path;
        QString error;
    } cases[] = {
        {dir.filePath("missing.mis"),
         QString::fromUtf8("ファイル %1 は開けません")
             .arg(QDir::toNativeSeparators(dir.filePath("missing.mis")))},
        {dir.filePath("folder.mis"),
         QString::fromUtf8("ファイル %1 は開けません")
             .arg(QDir::toNativeSeparators(dir.filePath("folder.mis")))},
        {big, QString::fromUtf8("文字列の大きさが メモ の制限を越えました")},
        {broken, QString::fromUtf8("'x' は整数ではありません")},
    };
    for (const auto& c : cases) {
        dialogs.errors.clear();
        dialogs.openAnswers.push_back(c.path);
        mission->openButton()->click();
        EXPECT_EQ(dialogs.errors, QStringList{c.error}) << c.path.toStdString();
        EXPECT_EQ(mission->filePath(), QDir::toNativeSeparators(good));
        EXPECT_FALSE(mission->saveAsButton()->isEnabled());
        EXPECT_EQ(mission->outputBytes(), output) << c.path.toStdString();
    }
}

TEST_F(MainWindowTest, FailedSaveKeepsTheOldFileAndShowsTheError) {
    makeWindow();
    tabs()->setCurrentIndex(2);
    DocumentPage* kit = page(2);
    const QString path = put("k.kit", kKit);
    emit window->fileBrowser()->fileSelected(path, "*.kit");

    for (const QString& target : {dir.filePath("gone/new.kit"), dir.filePath("folder.kit")}) {
        QDir(dir.path()).mkdir("folder.kit");
        dialogs.errors.clear();
        dialogs.saveAnswers.push_back(target);
        kit->saveAsButton()->click();
        EXPECT_EQ(dialogs.errors, QStringList{QString::fromUtf8("ファイル %1 を作成できません")
                                                  .arg(QDir::toNativeSeparators(target))});
        EXPECT_EQ(kit->filePath(), QDir::toNativeSeparators(path));
    }
    EXPECT_EQ(read(path), QByteArray::fromStdString(kKit));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.kit")).isDir());
}

TEST_F(MainWindowTest, F12TogglesTheFileListAndTheWidth) {
    makeWindow();
    showActive();
    QAction* item = action("N5");
    EXPECT_TRUE(item->isCheckable());
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(window->fileBrowser()->isVisible());

    QTest::keyClick(window.get(), Qt::Key_F12);
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(window->fileBrowser()->isVisible());
    EXPECT_EQ(window->frameGeometry().width(), 640);

    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(window->fileBrowser()->isVisible());
    EXPECT_EQ(window->frameGeometry().width(), 780);
}

TEST_F(MainWindowTest, MenuCaptionsAndShortcuts) {
    makeWindow();
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
        {"OpenByMenu", "OpenByMenu", QKeySequence("Ctrl+O")},
        {"SaveByMenu", "Save", QKeySequence("Ctrl+S")},
        {"SaveAsByMenu", "SaveAs", QKeySequence("Shift+Ctrl+S")},
        {"ShowList", "ShowList", QKeySequence(Qt::Key_F12)},
    };
    for (const auto& i : items) {
        QAction* a = action(i.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), i.caption) << i.name;
        EXPECT_EQ(a->shortcut(), i.keys) << i.name;
    }
}
