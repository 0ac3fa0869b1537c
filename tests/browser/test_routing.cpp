#include "shelltesting.h"

#include <QComboBox>

using namespace shelltesting;

namespace {

// The file browser inside the real main window, next to a folder of sample files.
class Routing : public ShellTest {
protected:
    void SetUp() override {
        for (const char* name : {"a1.atr", "A2.ATR"})
            temp.file(QString("mods/") + name, kKinds[Actor].sample);
        temp.file("mods/m1.mis", kKinds[Mission].sample);
        for (const char* name : {"k1.kit", "k2.kit"})
            temp.file(QString("mods/") + name, kKinds[Kit].sample);
        temp.file("mods/notes.txt");
    }
};

} // namespace

// Chosen from the shortcut box, a folder stays while the pages switch; each page lists its kind
// and opens what is selected there.
TEST_F(Routing, PageSwitchesChangeTheListedKindButNotTheFolder) {
    temp.file("shortcut.ini", "mods\r\n");
    start();
    auto* combo = window->findChild<QComboBox*>("ShortCutCombo");
    combo->setCurrentIndex(-1);
    QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(browser()->folder(), bytesOf(temp.path("mods")));

    const struct {
        int tab;
        QStringList files;
    } rows[] = {{Actor, {"a1.atr", "A2.ATR"}}, {Kit, {"k1.kit", "k2.kit"}}, {Mission, {"m1.mis"}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tab);
        tabs()->setCurrentIndex(row.tab);
        EXPECT_EQ(browser()->files(), row.files);
        ASSERT_TRUE(browser()->selectFile(row.files.last()));
        EXPECT_EQ(status(row.tab), temp.path("mods/" + row.files.last()));
    }
    EXPECT_EQ(browser()->folder(), bytesOf(temp.path("mods")));
    EXPECT_EQ(QDir::currentPath(), temp.path("mods"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// A file opens in the page that carries exactly the list's mask, whichever page shows; under any
// other mask (all files, other letter case, a file's own name) nothing opens.
TEST_F(Routing, FileListOpensInThePageOfItsMaskOnly) {
    const struct {
        const char* mask;
        int showing;
        const char* file;
        int opensIn; // -1: nowhere
    } rows[] = {
        {"*.kit", Actor, "k1.kit", Kit},     {"*.atr", Kit, "a1.atr", Actor},
        {"*.mis", Actor, "m1.mis", Mission}, {"*.*", Actor, "a1.atr", -1},
        {"*.*", Kit, "notes.txt", -1},       {"*.KIT", Kit, "k1.kit", -1},
        {"k1.kit", Kit, "k1.kit", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.mask) + " " + row.file);
        start();
        tabs()->setCurrentIndex(row.showing);
        browser()->setFolder(temp.path("mods"));
        browser()->setMask(row.mask);
        ASSERT_TRUE(browser()->selectFile(row.file));
        EXPECT_EQ(tabs()->currentIndex(), row.showing);
        for (const Kind& kind : kKinds)
            EXPECT_EQ(status(kind.tab),
                      kind.tab == row.opensIn ? temp.path(QString("mods/") + row.file) : "")
                << kind.caption;
        EXPECT_TRUE(dialogs.errors.isEmpty());
    }
}
