#include "controls/changesview.h"
#include "shelltesting.h"

#include <QApplication>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QWindow>
#include <functional>

using dorva::SaveChoice;
using namespace shelltesting;

namespace {

const QByteArray kMissionB =
    "<MissionFile>\r\n\t<MapName>B</MapName>\r\n\t<Name>Bee</Name>\r\n</MissionFile>\r\n";

// The main window over a folder of missions, with a.mis open from the file lis
class UnsavedTest : public ShellTest {
protected:
    void SetUp() override {
        temp.file("a.mis", kKinds[Mission].sample);
        temp.file("b.mis", kMissionB);
        temp.file("c.mis", kMissionB);
        start();
        ASSERT_TRUE(browser()->selectFile("a.mis"));
    }

    QLineEdit* name() const { return window->findChild<QLineEdit*>("Edit03m"); } // Map Name
    QString title() const { return window->windowHandle()->title(); }
    QString open() const { return status(Mission); }
    // Drops the files on the window, as a file manager does; whether the window took them.
    bool drop(const QStringList& paths) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        delete data;
        return enter.isAccepted() && drop.isAccepted();
    }
    void activateAgain() {
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(window.get());
    }
};

// Every way of opening asks before it replaces unsaved changes, and does what the answer says.
TEST_F(UnsavedTest, EachWayOfOpeningAsksAndFollowsTheAnswer) {
    const QString b = temp.path("b.mis");
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"page button",
         [&] {
             dialogs.openAnswers = {b};
             page(Mission)->openButton()->click();
         }},
        {"menu",
         [&] {
             dialogs.openAnswers = {b};
             action("Open1")->trigger();
         }},
        {"file list", [&] { browser()->selectFile("b.mis"); }},
        {"command line", [&] { window->openFiles({b}); }},
        {"drop", [&] { EXPECT_TRUE(drop({b})); }},
    };
    for (const auto& [way, openB] : ways) {
        for (const SaveChoice answer :
             {SaveChoice::Save, SaveChoice::Discard, SaveChoice::Cancel}) {
            SCOPED_TRACE(std::string(way) + ", answer " + std::to_string(int(answer)));
            temp.file("a.mis", kKinds[Mission].sample);
            start();
            ASSERT_TRUE(browser()->selectFile("a.mis"));
            name()->setText("Typed");
            EXPECT_EQ(title(), "a.mis* - DORVA");
            EXPECT_EQ(tabs()->tabText(Mission), "Mission *");
            dialogs.saveChangesAnswers = {answer};
            openB();
            QCoreApplication::processEvents();

            EXPECT_EQ(dialogs.questions, QStringList{"Save changes to a.mis?"});
            EXPECT_EQ(temp.read("a.mis").contains("Typed"), answer == SaveChoice::Save);
            if (answer == SaveChoice::Cancel) {
                EXPECT_EQ(open(), temp.path("a.mis"));
                EXPECT_EQ(name()->text(), "Typed");
                EXPECT_EQ(browser()->selectedPath(), bytesOf(temp.path("a.mis")));
                EXPECT_EQ(dialogs.openCount, 0); // no open dialog after Cancel
            } else {
                EXPECT_EQ(open(), b);
                EXPECT_EQ(name()->text(), "B");
                EXPECT_EQ(title(), "b.mis - DORVA");
                EXPECT_EQ(tabs()->tabText(Mission), "Mission");
            }
            EXPECT_TRUE(dialogs.errors.isEmpty());
            dialogs.questions.clear();
            dialogs.openCount = 0;
        }
    }
}

TEST_F(UnsavedTest, NothingUnsavedAsksNothingAndTypingBackClearsTheMark) {
    EXPECT_EQ(name()->text(), "Dam");
    name()->setText("Typed");
    EXPECT_TRUE(window->isWindowModified());
    name()->setText("Dam");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(tabs()->tabText(Mission), "Mission");

    // A fresh Actor page counts as modified once a field changes what Save as would write.
    tabs()->setCurrentIndex(Actor);
    EXPECT_EQ(title(), "DORVA");
    auto* actorName = window->findChild<QLineEdit*>("Edit01a");
    actorName->setText("Bob");
    EXPECT_EQ(title(), "DORVA*");
    EXPECT_EQ(tabs()->tabText(Actor), "Actor *");
    actorName->setText("");
    EXPECT_EQ(tabs()->tabText(Actor), "Actor");

    tabs()->setCurrentIndex(Mission);
    ASSERT_TRUE(browser()->selectFile("b.mis"));
    EXPECT_TRUE(dialogs.questions.isEmpty());

    // A drop holding a file of another kind is refused whole.
    EXPECT_FALSE(drop({temp.path("c.mis"), temp.file("notes.txt")}));
    EXPECT_EQ(open(), temp.path("b.mis"));
}

// A page without a file saves through Save as; a save that fails or is cancelled keeps the page.
TEST_F(UnsavedTest, ASaveThatFailsOrIsCancelledStopsTheOpen) {
    tabs()->setCurrentIndex(Actor);
    window->findChild<QLineEdit*>("Edit01a")->setText("Bob");
    dialogs.saveChangesAnswers = {SaveChoice::Save};
    window->openFiles({temp.file("x.atr", kKinds[Actor].sample)});
    EXPECT_EQ(dialogs.questions, QStringList{"Save changes to the new Actor file?"});
    EXPECT_EQ(status(Actor), "");

    // The open file was replaced by a folder, which no save can write.
    tabs()->setCurrentIndex(Mission);
    name()->setText("Typed");
    QFile::remove(temp.path("a.mis"));
    temp.folder("a.mis");
    dialogs.questions.clear();
    dialogs.saveChangesAnswers = {SaveChoice::Save};
    dialogs.overwriteAnswers = {true};
    browser()->selectFile("b.mis");
    EXPECT_EQ(dialogs.questions.size(), 2); // save changes, then overwrite what is there now
    EXPECT_EQ(
        dialogs.errors,
        QStringList{QString::fromUtf8("ファイル %1 を作成できません").arg(temp.path("a.mis"))});
    EXPECT_EQ(open(), temp.path("a.mis"));
    EXPECT_EQ(name()->text(), "Typed");
}

// The arrow keys in the list ask once per step; Cancel puts the selection back on the open file.
TEST_F(UnsavedTest, ArrowKeysAfterCancelStartFromTheOpenFile) {
    showActive();
    auto* list = window->findChild<QListView*>("FileListBox1");
    list->setFocus();
    name()->setText("Typed");
    list->setFocus();
    dialogs.saveChangesAnswers = {SaveChoice::Cancel, SaveChoice::Cancel, SaveChoice::Discard};
    for (int step = 1; step <= 2; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
        QCoreApplication::processEvents();
        EXPECT_EQ(dialogs.questions.size(), step);
        EXPECT_EQ(browser()->selectedPath(), bytesOf(temp.path("a.mis")));
        EXPECT_EQ(open(), temp.path("a.mis"));
    }
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(open(), temp.path("b.mis"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(open(), temp.path("c.mis"));
    EXPECT_EQ(dialogs.questions.size(), 3);
}

TEST_F(UnsavedTest, ClosingAsksForEachModifiedPageInPageOrder) {
    const struct {
        const char* name;
        std::vector<int> modified;
        std::deque<SaveChoice> answers;
        QStringList questions;
        bool closes;
    } rows[] = {
        {"nothing unsaved", {}, {}, {}, true},
        {"one page, Cancel",
         {Actor},
         {SaveChoice::Cancel},
         {"Save changes to the new Actor file?"},
         false},
        {"three pages",
         {Kit, Mission, Actor},
         {SaveChoice::Discard, SaveChoice::Discard, SaveChoice::Discard},
         {"Save changes to a.mis?", "Save changes to the new Actor file?",
          "Save changes to the new Kit file?"},
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(settingsPath());
        start();
        browser()->selectFile("a.mis");
        showActive();
        for (int tab : row.modified) {
            const char* field = tab == Mission ? "Edit03m" : tab == Actor ? "Edit01a" : "Edit05k";
            page(tab)->findChild<QLineEdit*>(field)->setText("changed");
        }
        dialogs.questions.clear();
        dialogs.saveChangesAnswers = row.answers;
        EXPECT_EQ(window->close(), row.closes);
        EXPECT_EQ(dialogs.questions, row.questions);
        EXPECT_EQ(QFile::exists(settingsPath()), row.closes);
    }
}

TEST_F(UnsavedTest, ASaveOverAFileChangedOnDiskAsks) {
    for (const bool overwrite : {false, true}) {
        SCOPED_TRACE(overwrite);
        temp.file("a.mis", kKinds[Mission].sample);
        start();
        browser()->selectFile("a.mis");
        name()->setText("Mine");
        temp.file("a.mis", kMissionB);
        dialogs.overwriteAnswers = {overwrite};
        dialogs.questions.clear();
        page(Mission)->saveButton()->click();
        EXPECT_EQ(dialogs.questions,
                  QStringList{"a.mis has changed on disk since it was opened. Overwrite it?"});
        EXPECT_EQ(temp.read("a.mis").contains("Mine"), overwrite);
        EXPECT_EQ(browser()->selectedPath(), bytesOf(temp.path("a.mis")));
    }
}

// The changes view that shows next, once it shows: its header and rows, after which act runs.
void whenViewShows(std::vector<QStringList>& rows,
                   const std::function<void(dorva::ChangesView&)>& act) {
    QTimer::singleShot(0, [&rows, act] {
        auto* view = qobject_cast<dorva::ChangesView*>(QApplication::activeModalWidget());
        ASSERT_NE(view, nullptr);
        const QTreeWidget& list = *view->list();
        for (int row = -1; row < list.topLevelItemCount(); ++row) {
            rows.emplace_back();
            for (int column = 0; column < list.columnCount(); ++column)
                rows.back() << (row < 0 ? list.headerItem() : list.topLevelItem(row))->text(column);
        }
        act(*view);
    });
}

// File > Changes... lists what is unsaved, and a chosen row takes the focus to its field; the
// question before overwriting another program's changes shows them beside the editor's.
TEST_F(UnsavedTest, ChangesListWhatDiffersFieldByField) {
    showActive();
    EXPECT_FALSE(action("Changes1")->isEnabled());
    window->findChild<QLineEdit*>("Edit06m")->setText("5"); // Wind
    name()->setText("Lake");
    ASSERT_TRUE(action("Changes1")->isEnabled());

    std::vector<QStringList> rows;
    whenViewShows(rows, [](dorva::ChangesView& view) {
        emit view.list()->itemActivated(view.list()->topLevelItem(1), 0);
    });
    action("Changes1")->trigger();
    EXPECT_EQ(rows,
              (std::vector<QStringList>{
                  {"Field", "Saved", "Now"}, {"Map Name", "Dam", "Lake"}, {"Wind", "", "5"}}));
    // The window's focus, once the view has given back the activation.
    EXPECT_EQ(window->focusWidget(), window->findChild<QLineEdit*>("Edit06m"));

    temp.file("a.mis", "<MissionFile>\r\n\t<MapName>Rock</MapName>\r\n</MissionFile>\r\n");
    rows.clear();
    whenViewShows(rows, [](dorva::ChangesView& view) { view.reject(); });
    dialogs.overwriteAnswers = {std::nullopt, false};
    action("N2")->trigger();
    EXPECT_EQ(rows,
              (std::vector<QStringList>{{"Field", "When opened", "On disk now", "In the editor"},
                                        {"Map Name", "Dam", "Rock", "Lake"},
                                        {"Wind", "", "", "5"},
                                        {"Map Size", "Medium", "Non Specified", "Medium"}}));
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_EQ(temp.read("a.mis"),
              "<MissionFile>\r\n\t<MapName>Rock</MapName>\r\n</MissionFile>\r\n");
}

TEST_F(UnsavedTest, AnUnmodifiedPageReloadsItsChangedFileWhenTheWindowIsActivated) {
    showActive();
    temp.file("k.kit", kKinds[Kit].sample);
    window->openFiles({temp.path("k.kit")});
    window->findChild<QLineEdit*>("Edit05k")->setText("mine.rsb");
    tabs()->setCurrentIndex(Mission);
    temp.file("a.mis", kMissionB);
    temp.file("k.kit", "<KitFile>\r\n\t<Texture>theirs.rsb</Texture>\r\n</KitFile>\r\n");
    ASSERT_TRUE(browser()->selectFile("c.mis"));
    ASSERT_TRUE(browser()->selectFile("a.mis"));
    const QStringList listed = browser()->files();

    activateAgain();
    EXPECT_EQ(name()->text(), "B");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->findChild<QLineEdit*>("Edit05k")->text(), "mine.rsb");
    EXPECT_EQ(browser()->selectedPath(), bytesOf(temp.path("a.mis")));
    EXPECT_EQ(browser()->files(), listed);

    // A file that is gone leaves the page as it was, without an error box.
    QFile::remove(temp.path("a.mis"));
    activateAgain();
    EXPECT_EQ(name()->text(), "B");
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

} // namespace
