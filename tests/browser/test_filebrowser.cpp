#include "browser/localpath.h"
#include "formats/error.h"
#include "shelltesting.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QListView>
#include <QListWidget>
#include <QSignalSpy>
#include <sys/stat.h>
#include <unistd.h>

using namespace dorva;

namespace {

class Browser : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"b.atr", "A.atr", "c.ATR", "x.mis", "M01.MIS", "k.kit", "readme"})
            temp.file(QString("mods/") + name);
        temp.file("mods/.hidden.atr");
        temp.folder("mods/folder.atr");
        temp.folder("mods/Sub");
        temp.file("mods/Sub/s.kit");
        temp.file("other/o.atr");
        browser.setFolder(temp.path("mods"));
        browser.setMask("*.atr");
        browser.resize(139, 442);
        browser.show();
    }

    QListView* fileList() { return browser.findChild<QListView*>("FileListBox1"); }
    QListWidget* folderList() { return browser.findChild<QListWidget*>("DirectoryListBox1"); }
    QComboBox* combo() { return browser.findChild<QComboBox*>("ShortCutCombo"); }

    QPoint rowCenter(int row) {
        return fileList()->visualRect(fileList()->model()->index(row, 0)).center();
    }

    // The folder list's row that leads to path.
    int folderRow(const QByteArray& path) {
        for (int i = 0; i < folderList()->count(); ++i) {
            if (folderList()->item(i)->data(Qt::UserRole).toByteArray() == path)
                return i;
        }
        return -1;
    }
    int folderRow(const QString& path) { return folderRow(bytesOf(path)); }

    void loadShortcuts(const QByteArray& bytes) {
        temp.file("shortcut.ini", bytes);
        browser.loadShortcuts(bytesOf(temp.path("shortcut.ini")));
    }

    TempFolder temp;
    FakeDialogs dialogs;
    FileBrowser browser{dialogs};
};

} // namespace

TEST_F(Browser, ListsMatchingFilesSortedWithoutFolders) {
    EXPECT_EQ(browser.objectName(), "Panel1");
    EXPECT_EQ(fileList()->sizeHintForRow(0), 12);
    EXPECT_EQ(browser.files(), QStringList({"A.atr", "b.atr", "c.ATR"}));
    browser.setMask("*.atr;*.mis");
    EXPECT_EQ(browser.files(), QStringList({"A.atr", "b.atr", "c.ATR", "M01.MIS", "x.mis"}));
    browser.setMask("*.*");
    EXPECT_EQ(browser.files(),
              QStringList({"A.atr", "b.atr", "c.ATR", "k.kit", "M01.MIS", "readme", "x.mis"}));
}

TEST_F(Browser, FolderListShowsThePathAndTheSubfolders) {
    const QString mods = temp.path("mods");
    ASSERT_GE(folderRow(mods), 0);
    EXPECT_EQ(folderList()->sizeHintForRow(0), 16);
    EXPECT_EQ(folderList()->currentRow(), folderRow(mods));
    EXPECT_EQ(folderRow(temp.path()), folderRow(mods) - 1);
    EXPECT_EQ(folderRow(QByteArray("/")), 0);
    EXPECT_GT(folderRow(mods + "/Sub"), folderRow(mods));
    EXPECT_GT(folderRow(mods + "/folder.atr"), folderRow(mods));
    EXPECT_EQ(folderRow(temp.path("other")), -1);
}

// Arrow keys and clicks report each file newly selected, once; a new mask clears the selection.
TEST_F(Browser, EachNewlySelectedFileIsEmittedOnce) {
    QSignalSpy spy(&browser, &FileBrowser::fileSelected);
    ASSERT_TRUE(browser.selectFile("A.atr"));
    QTest::keyClick(fileList(), Qt::Key_Down);
    QTest::keyClick(fileList(), Qt::Key_Down);
    QTest::keyClick(fileList(), Qt::Key_Down); // already on the last file
    QTest::keyClick(fileList(), Qt::Key_Up);
    EXPECT_EQ(browser.selectedPath(), bytesOf(temp.path("mods/b.atr")));
    QTest::mouseClick(fileList()->viewport(), Qt::LeftButton, {}, rowCenter(1)); // selected
    QTest::mouseClick(fileList()->viewport(), Qt::LeftButton, {}, rowCenter(0));
    browser.setMask("*.atr");
    EXPECT_TRUE(browser.selectedPath().isEmpty());
    EXPECT_TRUE(fileList()->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(browser.folder(), bytesOf(temp.path("mods")));
    browser.selectFile("A.atr"); // a new selection again
    const QStringList expected = {"A.atr", "b.atr", "c.ATR", "b.atr", "A.atr", "A.atr"};
    ASSERT_EQ(spy.count(), expected.size());
    for (int i = 0; i < spy.count(); ++i) {
        EXPECT_EQ(spy[i][0].toByteArray(), bytesOf(temp.path("mods/" + expected[i])));
        EXPECT_EQ(spy[i][1].value<Kind>(), Kind::Actor);
    }
}

TEST_F(Browser, EnteringAFolderMovesTheListsAndTheWorkingFolder) {
    const QString sub = temp.path("mods/Sub");
    const int row = folderRow(sub);
    ASSERT_GE(row, 0);
    folderList()->scrollToItem(folderList()->item(row));
    const QPoint at = folderList()->visualItemRect(folderList()->item(row)).center();
    // A double-click arrives as a click followed by the double-click event; the click alone
    // must not enter.
    QTest::mouseClick(folderList()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(browser.folder(), bytesOf(temp.path("mods")));
    QTest::mouseDClick(folderList()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(browser.folder(), bytesOf(sub));
    EXPECT_EQ(QDir::currentPath(), sub);
    browser.setMask("*.kit");
    EXPECT_EQ(browser.files(), QStringList({"s.kit"}));

    // Enter on the parent's entry goes back up.
    folderList()->setCurrentRow(folderRow(temp.path("mods")));
    QTest::keyClick(folderList(), Qt::Key_Return);
    EXPECT_EQ(browser.folder(), bytesOf(temp.path("mods")));
    EXPECT_EQ(QDir::currentPath(), temp.path("mods"));
    EXPECT_EQ(browser.files(), QStringList({"k.kit"}));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(Browser, ShortcutFileFillsTheListAndKeepsTheText) {
    loadShortcuts("../other\r\n\r\n" + temp.path("mods").toUtf8() + "/*.kit\n");
    ASSERT_EQ(combo()->count(), 3);
    EXPECT_EQ(combo()->itemText(1), "");
    EXPECT_EQ(combo()->currentText(), "Short Cut");
    browser.setShortcutText(temp.path("mods"));
    EXPECT_EQ(combo()->currentText(), temp.path("mods"));

    // Typing a listed entry does not choose it.
    combo()->setFocus();
    combo()->lineEdit()->clear();
    QTest::keyClicks(combo()->lineEdit(), "../other");
    QTest::keyClick(combo()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(browser.folder(), bytesOf(temp.path("mods")));
    EXPECT_EQ(combo()->count(), 3);

    browser.loadShortcuts(bytesOf(temp.path("missing.ini")));
    EXPECT_EQ(combo()->count(), 0);
    EXPECT_EQ(combo()->currentText(), "../other");
}

TEST_F(Browser, ArrowKeysInTheShortcutBoxApplyEachEntry) {
    loadShortcuts(temp.path("other").toUtf8() + "\r\n\r\n" + temp.path("mods/Sub").toUtf8() +
                  "\\*.kit\r\n");
    QTest::keyClick(combo(), Qt::Key_Down);
    EXPECT_EQ(browser.folder(), bytesOf(temp.path("other")));
    EXPECT_EQ(QDir::currentPath(), temp.path("other"));
    EXPECT_EQ(browser.files(), QStringList({"o.atr"}));
    QTest::keyClick(combo(), Qt::Key_Down); // the empty entry does nothing
    EXPECT_EQ(browser.folder(), bytesOf(temp.path("other")));
    QTest::keyClick(combo(), Qt::Key_Down);
    EXPECT_EQ(browser.folder(), bytesOf(temp.path("mods/Sub")));
    EXPECT_EQ(browser.mask(), "*.kit");
    EXPECT_EQ(browser.files(), QStringList({"s.kit"}));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(Browser, ShortcutNamingAFileSelectsIt) {
    browser.setMask("*.mis");
    QSignalSpy spy(&browser, &FileBrowser::fileSelected);
    browser.applyShortcut(temp.path("mods/M01.MIS"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toByteArray(), bytesOf(temp.path("mods/M01.MIS")));
    EXPECT_EQ(spy[0][1].value<Kind>(), Kind::Mission);

    // The same file again, as written or otherwise, does nothing.
    browser.applyShortcut(temp.path("mods/M01.MIS"));
    browser.applyShortcut("./M01.MIS");
    EXPECT_EQ(spy.count(), 1);

    // A file the mask hides becomes the mask itself; selected under a mask of no kind, it is
    // not reported.
    browser.applyShortcut(temp.path("mods\\k.kit"));
    EXPECT_EQ(browser.files(), QStringList({"k.kit"}));
    EXPECT_EQ(browser.selectedPath(), bytesOf(temp.path("mods/k.kit")));
    EXPECT_EQ(spy.count(), 1);
}

// Neither an unreachable shortcut nor a missing folder changes anything.
TEST_F(Browser, UnreachableShortcutShowsTheErrorAndChangesNothing) {
    browser.selectFile("b.atr");
    loadShortcuts(temp.path("nowhere").toUtf8() + "\n" + temp.path("other/gone.atr").toUtf8() +
                  "\n" + temp.path("nowhere").toUtf8() + "/*.kit\n");
    QSignalSpy spy(&browser, &FileBrowser::fileSelected);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(combo(), Qt::Key_Down);
    try {
        browser.setFolder(temp.path("nowhere"));
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        dialogs.errors << QString::fromUtf8(e.what());
    }
    EXPECT_EQ(dialogs.errors,
              QStringList({"ファイルが見つかりません",
                           "不正なファイル名 - " + temp.path("other/gone.atr"),
                           "ファイルが見つかりません", "ファイルが見つかりません"}));
    EXPECT_EQ(browser.folder(), bytesOf(temp.path("mods")));
    EXPECT_EQ(QDir::currentPath(), temp.path("mods"));
    EXPECT_EQ(browser.mask(), "*.atr");
    EXPECT_EQ(browser.selectedPath(), bytesOf(temp.path("mods/b.atr")));
    EXPECT_GE(folderRow(temp.path("mods/Sub")), 0);
    EXPECT_EQ(spy.count(), 0);
}

// Names unpacked from an archive made on the game's home platform are code page 932 bytes.
TEST_F(Browser, NamesInCodePage932AreListedEnteredAndSelected) {
    const QByteArray test = "\x83\x65\x83\x58\x83\x67"; // テスト
    const QByteArray soft = "\x83\x5c\x83\x74\x83\x67"; // ソフト
    temp.rawFile("mods/" + test + ".atr", "x");
    const QByteArray sub = temp.rawFolder("mods/" + soft);
    temp.rawFile("mods/" + soft + "/" + test + ".kit", "x");
    browser.setFolder(temp.path("mods"));
    EXPECT_EQ(browser.files(), QStringList({"A.atr", "b.atr", "c.ATR", "テスト.atr"}));
    QSignalSpy spy(&browser, &FileBrowser::fileSelected);
    ASSERT_TRUE(browser.selectFile("テスト.atr"));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toByteArray(), bytesOf(temp.path("mods/")) + test + ".atr");

    ASSERT_GE(folderRow(sub), 0);
    EXPECT_EQ(folderList()->item(folderRow(sub))->text(), "ソフト");
    folderList()->setCurrentRow(folderRow(sub));
    QTest::keyClick(folderList(), Qt::Key_Return);
    EXPECT_EQ(browser.folder(), sub);
    EXPECT_EQ(currentFolder(), sub);
    EXPECT_EQ(folderList()->item(folderList()->currentRow())->text(), "ソフト");

    // Shortcut entries reach it from a list in code page 932 and from one in UTF-8.
    for (const QByteArray& line : {sub + "/*.kit", temp.path("mods/ソフト/*.kit").toUtf8()}) {
        browser.setFolder(temp.path());
        loadShortcuts(line);
        combo()->setCurrentIndex(-1);
        QTest::keyClick(combo(), Qt::Key_Down);
        EXPECT_EQ(browser.folder(), sub);
        EXPECT_EQ(browser.files(), QStringList({"テスト.kit"}));
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
}

// Root may read every folder, so these only mean something for an ordinary user.
class BrowserPermissions : public Browser {};

TEST_F(BrowserPermissions, AFolderThatMayNotBeReadSaysSoAndChangesNothing) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may read every folder";
    const QString locked = temp.path("mods/Sub");
    for (const mode_t mode : {0000, 0111, 0333}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(chmod(bytesOf(locked).constData(), mode), 0);
        try {
            browser.setFolder(locked);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(QString::fromUtf8(e.what()),
                      QString::fromUtf8("フォルダ %1 にアクセスできません").arg(locked));
        }
        if (mode == 0) {
            loadShortcuts((locked + "/deeper/*.kit").toUtf8());
            QTest::keyClick(combo(), Qt::Key_Down);
            EXPECT_EQ(
                dialogs.errors,
                QStringList{
                    QString::fromUtf8("フォルダ %1 にアクセスできません").arg(locked + "/deeper")});
        }
        chmod(bytesOf(locked).constData(), 0755);
        EXPECT_EQ(browser.folder(), bytesOf(temp.path("mods")));
        EXPECT_EQ(browser.files(), QStringList({"A.atr", "b.atr", "c.ATR"}));
    }
}

TEST_F(Browser, TenThousandFilesListQuickly) {
    for (int i = 0; i < 10000; ++i)
        temp.file(QString("big/f%1.%2").arg(i, 5, 10, QChar('0')).arg(i % 2 ? "ATR" : "mis"));
    QElapsedTimer timer;
    timer.start();
    browser.setFolder(temp.path("big"));
    browser.setMask("*.atr");
    const qint64 ms = timer.elapsed();
    EXPECT_LT(ms, 2000);
    ASSERT_EQ(browser.files().size(), 5000);
    EXPECT_EQ(browser.files().first(), "f00001.ATR");
    EXPECT_EQ(browser.files().last(), "f09999.ATR");

    QSignalSpy spy(&browser, &FileBrowser::fileSelected);
    browser.selectFile("f00001.ATR");
    timer.restart();
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(fileList(), Qt::Key_Down);
    const qint64 keysMs = timer.elapsed();
    EXPECT_EQ(spy.count(), 201);
    EXPECT_LT(keysMs, 2000);
}
