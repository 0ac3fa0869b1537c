#include "app/recentfilesmenu.h"
#include "pagetesting.h"
#include "shelltesting.h"

#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>
#include <QWindow>

using namespace shelltesting;
using pagetesting::retype;

namespace {

const QByteArray kMission = "<MissionFile>\r\n\t<MapName>Dam</MapName>\r\n\t<Wind>3</Wind>\r\n"
                            "</MissionFile>\r\n";
const QByteArray kActor = "<ActorFile>\r\n\t<ActorName>Bob</ActorName>\r\n\t<Weapon>50</Weapon>\r\n"
                          "\t<Stamina>60</Stamina>\r\n</ActorFile>\r\n";

class UndoTest : public ShellTest {
protected:
    // Shows the window active on the kind's page with the file opened from the list.
    void openShown(int tab, const QString& name, const QByteArray& bytes) {
        temp.file(name, bytes);
        if (!window)
            start();
        showActive();
        tabs()->setCurrentIndex(tab);
        browser()->setFolder(bytesOf(temp.path()));
        ASSERT_TRUE(browser()->selectFile(name));
    }
    QLineEdit* edit(const char* name) const { return window->findChild<QLineEdit*>(name); }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    bool marked() const { return window->windowHandle()->title().contains('*'); }
};

// Edits undone from the menu leave the file unmarked and a save writes what was read; redone,
// a save writes them again. The items name the step they take back or put back.
TEST_F(UndoTest, MenuUndoAndRedoFollowTheSavedState) {
    const QByteArray original = kMission;
    openShown(Mission, "m.mis", original);
    retype(edit("Edit03m"), "Lake");
    retype(edit("Edit06m"), "7");
    EXPECT_EQ(action("Undo1")->text(), "&Undo Wind");
    EXPECT_TRUE(marked());

    action("Undo1")->trigger();
    EXPECT_EQ(edit("Edit06m")->text(), "3");
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit06m"));
    action("Undo1")->trigger();
    EXPECT_EQ(edit("Edit03m")->text(), "Dam");
    EXPECT_FALSE(marked());
    EXPECT_FALSE(action("Undo1")->isEnabled());
    EXPECT_EQ(action("Redo1")->text(), "&Redo Map Name");
    action("N2")->trigger();
    EXPECT_EQ(temp.read("m.mis"), original);

    action("Redo1")->trigger();
    action("Redo1")->trigger();
    EXPECT_TRUE(marked());
    EXPECT_FALSE(action("Redo1")->isEnabled());
    action("N2")->trigger();
    EXPECT_TRUE(temp.read("m.mis").contains("<MapName>Lake</MapName>"));
    EXPECT_TRUE(temp.read("m.mis").contains("<Wind>7</Wind>"));
    // Saving moved only the saved point.
    action("Undo1")->trigger();
    EXPECT_TRUE(marked());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join("\n").toStdString();
}

// Ctrl+Z in a field with typing of its own undoes that typing; in a field without, the page's
// last step, which also counts the repair on leaving. The redo keys put it back.
TEST_F(UndoTest, KeysUndoTheFieldsTypingOrThePagesLastStep) {
    openShown(Actor, "a.atr", kActor);
    retype(edit("Edit01a"), "Al");
    retype(edit("Edit14a"), "300");
    EXPECT_EQ(edit("Edit14a")->text(), "255");

    key(Qt::Key_Z);
    EXPECT_EQ(edit("Edit14a")->text(), "50");
    EXPECT_EQ(edit("Edit01a")->text(), "Al");
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit14a"));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(edit("Edit14a")->text(), "255");
    key(Qt::Key_Z);
    key(Qt::Key_Y);
    EXPECT_EQ(edit("Edit14a")->text(), "255");

    edit("Edit15a")->setFocus();
    QTest::keyClicks(edit("Edit15a"), "1");
    key(Qt::Key_Z);
    EXPECT_EQ(edit("Edit15a")->text(), "60");
    EXPECT_EQ(edit("Edit14a")->text(), "255");
    EXPECT_EQ(action("Undo1")->text(), "&Undo Weapon");
}

// A list choice, a check box with its rules and a radio button are a step each; undo never
// touches another page, and a new file starts a fresh history.
TEST_F(UndoTest, StepsBelongToTheirPageAndItsFile) {
    openShown(Kit, "k.kit",
              "<KitFile>\r\n\t<VersionNumber>1.000000</VersionNumber>\r\n"
              "\t<KitTexture>t</KitTexture>\r\n\t<Firearm SlotNumber = \"0\">\r\n"
              "\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
              "\t\t<ItemFileName>a.gun</ItemFileName>\r\n\t\t<MagazineCount>3</MagazineCount>\r\n"
              "\t\t<GrenadeLauncher>1</GrenadeLauncher>\r\n\t</Firearm>\r\n"
              "\t<Firearm SlotNumber = \"1\">\r\n\t\t<VersionNumber>1.000000</VersionNumber>\r\n"
              "\t\t<ItemFileName>b.gun</ItemFileName>\r\n\t\t<MagazineCount>4</MagazineCount>\r\n"
              "\t</Firearm>\r\n</KitFile>\r\n");
    const std::string kitBefore = page(Kit)->document().output();
    QTest::mouseClick(window->findChild<QCheckBox*>("AmmoCheckBox"), Qt::LeftButton, {},
                      QPoint(8, 8));
    EXPECT_EQ(edit("Edit03k")->text(), "");
    openShown(Mission, "m.mis", kKinds[Mission].sample);
    window->findChild<QComboBox*>("Edit21m")->setCurrentIndex(2);
    QTest::mouseClick(window->findChild<QRadioButton*>("RadioButton3"), Qt::LeftButton);
    const std::string missionEdited = page(Mission)->document().output();

    tabs()->setCurrentIndex(Kit);
    action("Undo1")->trigger();
    EXPECT_EQ(page(Kit)->document().output(), kitBefore);
    EXPECT_TRUE(window->findChild<QCheckBox*>("GLCheckBox")->isChecked());
    EXPECT_EQ(edit("Edit03k")->text(), "b.gun");
    EXPECT_EQ(page(Mission)->document().output(), missionEdited);

    tabs()->setCurrentIndex(Mission);
    EXPECT_EQ(action("Undo1")->text(), "&Undo Precipitation");
    action("Undo1")->trigger();
    EXPECT_EQ(action("Undo1")->text(), "&Undo Alpha 1");
    action("Undo1")->trigger();
    EXPECT_EQ(window->findChild<QComboBox*>("Edit21m")->currentIndex(), 0);

    action("Redo1")->trigger();
    openShown(Mission, "n.mis", kMission);
    EXPECT_FALSE(action("Undo1")->isEnabled());
    EXPECT_FALSE(action("Redo1")->isEnabled());
}

// The files opened in earlier runs come back newest first; one that no longer opens leaves the
// list with its error.
TEST_F(UndoTest, RecentFilesOutliveTheRunAndReopen) {
    for (int run = 0; run < 3; ++run) {
        start();
        openShown(Mission, "a.mis", kMission);
        openShown(Actor, "b.atr", kActor);
        window->close();
    }
    start();
    auto* recent = window->findChild<dorva::RecentFilesMenu*>("RecentFiles1");
    ASSERT_NE(recent, nullptr);
    QStringList shown;
    for (QAction* item : recent->actions())
        shown << item->text();
    EXPECT_EQ(shown, QStringList({"b.atr", "a.mis", "", "Clear"}));
    EXPECT_EQ(recent->actions()[1]->toolTip(), QDir::toNativeSeparators(temp.path("a.mis")));

    recent->actions()[1]->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(tabs()->currentIndex(), Mission);
    EXPECT_EQ(status(Mission), QDir::toNativeSeparators(temp.path("a.mis")));

    QFile::remove(temp.path("b.atr"));
    recent->actions()[1]->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(recent->files(), QByteArrayList({bytesOf(temp.path("a.mis"))}));
}

} // namespace
