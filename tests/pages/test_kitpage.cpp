#include "app/mainwindow.h"
#include "app/uifont.h"
#include "fakedialogs.h"
#include "formats/error.h"
#include "pages/kitpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using dorva::KitPage;

namespace {

// Types text into the focused widget: ASCII key by key, anything else as an input method
// commits it.
void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(widget, QString(c));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(widget, &commit);
        }
    }
}

std::string readData(const char* name) {
    QFile file(QStringLiteral(DORVA_TEST_DATA "/kit/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "missing test file " << name;
    return file.readAll().toStdString();
}

std::string lines(std::initializer_list<const char*> list) {
    std::string text;
    for (const char* line : list)
        text += std::string(line) + "\r\n";
    return text;
}

class RecordingDialogs : public FakeDialogs {
public:
    QStringList startFiles;
    QString openFile(QWidget* parent, const QString& filter,
                     dorva::FileDialogState& state) override {
        startFiles << state.fileName;
        return FakeDialogs::openFile(parent, filter, state);
    }
};

class KitPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dorva::applyUiFont(); }

    KitPageTest() : page(dialogs) {
        page.resize(629, 415); // the page area inside the main window
        page.show();
        QApplication::setActiveWindow(&page);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    QLineEdit* field(const char* name) {
        auto* f = page.findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
    QCheckBox* check(const char* name) {
        auto* c = page.findChild<QCheckBox*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void click(const char* name) {
        auto* b = page.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    void type(const char* name, const QString& text) {
        QLineEdit* f = field(name);
        f->setFocus(Qt::MouseFocusReason);
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Backspace);
        typeText(f, text);
        QTest::keyClick(f, Qt::Key_Tab);
    }
    QStringList texts() {
        QStringList values;
        for (const char* name : {"Edit05k", "Edit01k", "Edit02k", "Edit03k", "Edit04k"})
            values << field(name)->text();
        values << (check("GLCheckBox")->isChecked() ? "GL" : "-")
               << (check("AmmoCheckBox")->isChecked() ? "Ex" : "-");
        return values;
    }
    // Whether the second item field looks and acts as an input field.
    void expectSecondItemEnabled(bool enabled) {
        QLineEdit* item = field("Edit03k");
        EXPECT_EQ(item->isEnabled(), enabled);
        EXPECT_TRUE(field("Edit04k")->isEnabled());
        EXPECT_EQ(item->palette().color(QPalette::Base),
                  page.palette().color(enabled ? QPalette::Base : QPalette::Button));
    }

    RecordingDialogs dialogs;
    KitPage page;
};

TEST_F(KitPageTest, ControlsStartWithTheirDefaults) {
    EXPECT_EQ(texts(), QStringList({"", "", "", "", "", "-", "-"}));
    EXPECT_EQ(check("GLCheckBox")->text(), "GL");
    EXPECT_EQ(check("AmmoCheckBox")->text(), "Ex Ammo");
    const std::pair<const char*, const char*> buttons[] = {
        {"Button26", "Browse..."}, {"Button27", "Clear"}, {"Button28", "Browse..."},
        {"Button29", "Clear"},     {"Button30", "..."},   {"SAButtonK", "Save as..."},
    };
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(page.findChild<QPushButton*>(name)->text(), caption) << name;
    QStringList groups;
    for (auto* g : page.findChildren<QGroupBox*>())
        groups << g->title();
    groups.sort();
    EXPECT_EQ(groups, QStringList({"Kit 1", "Kit 2"}));
    QStringList captions;
    for (auto* l : page.findChildren<QLabel*>())
        captions << l->text();
    captions.sort();
    EXPECT_EQ(captions,
              QStringList({"Item", "Item", "Kit Name", "Kit Texture", "Mag Count", "Mag Count"}));
    EXPECT_TRUE(field("Edit06k")->isReadOnly());
    EXPECT_TRUE(field("StatusBarK")->isReadOnly());
    expectSecondItemEnabled(true);

    EXPECT_EQ(page.openFilter(), "Kit File(*.kit)|*.kit");
    EXPECT_EQ(page.saveFilter(), "Kit File(*.kit)|*.kit");
    EXPECT_EQ(page.defaultSuffix(), "kit");
    EXPECT_EQ(page.fileMask(), "*.kit");
}

TEST_F(KitPageTest, NoControlOverlapsAnotherOrLeavesThePage) {
    QList<QWidget*> leaves;
    for (QWidget* w : page.findChildren<QWidget*>())
        if (!qobject_cast<QGroupBox*>(w))
            leaves << w;
    const auto pageGeometry = [this](QWidget* w) {
        return QRect(w->mapTo(&page, QPoint(0, 0)), w->size());
    };
    for (QWidget* a : leaves) {
        EXPECT_TRUE(QRect(0, 0, 629, 415).contains(pageGeometry(a)))
            << a->objectName().toStdString();
        for (QWidget* b : leaves) {
            if (a != b) {
                EXPECT_FALSE(pageGeometry(a).intersects(pageGeometry(b)))
                    << a->objectName().toStdString() << " " << b->objectName().toStdString();
            }
        }
        if (auto* label = qobject_cast<QLabel*>(a)) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
        if (auto* box = qobject_cast<QCheckBox*>(a)) {
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
        }
    }
}

TEST_F(KitPageTest, LoadingAFileFillsEveryField) {
    page.loadDocument(readData("both.kit"));
    EXPECT_EQ(texts(),
              QStringList({"迷彩_tex1.rsb", "m16.gun", "5", "medkit.itm", "3", "GL", "-"}));
    expectSecondItemEnabled(true);

    page.loadDocument(readData("extraammo.kit"));
    EXPECT_EQ(texts(), QStringList({"tex2.rsb", "mp5.gun", "6", "", "4", "-", "Ex"}));
    expectSecondItemEnabled(false);

    page.loadDocument(readData("both.kit"));
    expectSecondItemEnabled(true);
}

TEST_F(KitPageTest, UneditedSaveWritesTheLoadedBytesBack) {
    for (const char* name : {"both.kit", "extraammo.kit"}) {
        const std::string bytes = readData(name);
        page.loadDocument(bytes);
        EXPECT_EQ(page.outputBytes(), bytes) << name;
    }
}

TEST_F(KitPageTest, AFileWithOnlyTheSecondSlotLeavesNothingOfThePreviousFile) {
    page.loadDocument(readData("both.kit"));
    page.loadDocument(lines(
        {"<KitFile>", "\t<VersionNumber>1.000000</VersionNumber>",
         "\t<KitTexture>t.rsb</KitTexture>", "\t<Firearm SlotNumber = \"1\">",
         "\t\t<VersionNumber>1.000000</VersionNumber>", "\t\t<ItemFileName>m9.gun</ItemFileName>",
         "\t\t<MagazineCount>2</MagazineCount>", "\t</Firearm>", "</KitFile>"}));
    EXPECT_EQ(texts(), QStringList({"t.rsb", "", "", "m9.gun", "2", "-", "-"}));
}

TEST_F(KitPageTest, EditedFieldsAreSavedAsTyped) {
    dialogs.openAnswers = {"/games/kits/tex/camo.rsb", "/games/items/deep/flashbang.prj",
                           "/games/items/ak47.gun"};
    click("Button30");
    click("Button26");
    type("Edit02k", "5000");
    click("Button28");
    type("Edit04k", "");
    click("GLCheckBox");
    EXPECT_EQ(page.outputBytes(), lines({
                                      "<KitFile>",
                                      "\t<VersionNumber>1.000000</VersionNumber>",
                                      "\t<KitTexture>camo.rsb</KitTexture>",
                                      "\t<ThrownItem SlotNumber = \"0\">",
                                      "\t\t<VersionNumber>1.000000</VersionNumber>",
                                      "\t\t<ItemFileName>flashbang.prj</ItemFileName>",
                                      "\t\t<Count>1000</Count>",
                                      "\t\t<GrenadeLauncher>1</GrenadeLauncher>",
                                      "\t</ThrownItem>",
                                      "\t<Firearm SlotNumber = \"1\">",
                                      "\t\t<VersionNumber>1.000000</VersionNumber>",
                                      "\t\t<ItemFileName>ak47.gun</ItemFileName>",
                                      "\t\t<MagazineCount>1</MagazineCount>",
                                      "\t</Firearm>",
                                      "</KitFile>",
                                  }));

    click("AmmoCheckBox");
    type("Edit04k", "12");
    EXPECT_EQ(page.outputBytes(), lines({
                                      "<KitFile>",
                                      "\t<VersionNumber>1.000000</VersionNumber>",
                                      "\t<KitTexture>camo.rsb</KitTexture>",
                                      "\t<ThrownItem SlotNumber = \"0\">",
                                      "\t\t<VersionNumber>1.000000</VersionNumber>",
                                      "\t\t<ItemFileName>flashbang.prj</ItemFileName>",
                                      "\t\t<Count>1000</Count>",
                                      "\t\t<ExtraAmmo>12</ExtraAmmo>",
                                      "\t</ThrownItem>",
                                      "</KitFile>",
                                  }));
}

TEST_F(KitPageTest, GrenadeLauncherAndExtraAmmoExcludeEachOther) {
    page.loadDocument(readData("both.kit")); // GL set, second item medkit.itm count 3

    click("AmmoCheckBox");
    EXPECT_EQ(texts(), QStringList({"迷彩_tex1.rsb", "m16.gun", "5", "", "3", "-", "Ex"}));
    expectSecondItemEnabled(false);

    click("GLCheckBox");
    EXPECT_EQ(texts(), QStringList({"迷彩_tex1.rsb", "m16.gun", "5", "", "3", "GL", "-"}));
    expectSecondItemEnabled(true);

    // An empty count gets the one magazine the file needs.
    type("Edit04k", "");
    field("Edit04k")->clear();
    click("AmmoCheckBox");
    EXPECT_EQ(field("Edit04k")->text(), "1");
    EXPECT_FALSE(check("GLCheckBox")->isChecked());

    click("AmmoCheckBox");
    EXPECT_EQ(texts(), QStringList({"迷彩_tex1.rsb", "m16.gun", "5", "", "1", "-", "-"}));
    expectSecondItemEnabled(true);

    // Clearing "GL" leaves "Ex Ammo" alone.
    click("GLCheckBox");
    click("GLCheckBox");
    EXPECT_EQ(texts().mid(5), QStringList({"-", "-"}));
}

TEST_F(KitPageTest, BrowseForTheSecondItemStaysAvailableWithExtraAmmo) {
    click("AmmoCheckBox");
    EXPECT_TRUE(page.findChild<QPushButton*>("Button28")->isEnabled());
}

TEST_F(KitPageTest, ClearButtonsEmptyTheirItemAndCountOnly) {
    page.loadDocument(readData("both.kit"));
    click("Button27");
    EXPECT_EQ(texts(), QStringList({"迷彩_tex1.rsb", "", "", "medkit.itm", "3", "GL", "-"}));
    page.loadDocument(readData("extraammo.kit"));
    click("Button29");
    EXPECT_EQ(texts(), QStringList({"tex2.rsb", "mp5.gun", "6", "", "", "-", "Ex"}));
}

TEST_F(KitPageTest, CountFieldsTakeOnlyDigitsAndAreRepairedOnLeaving) {
    QApplication::clipboard()->setText("77");
    for (const char* name : {"Edit02k", "Edit04k"}) {
        QLineEdit* f = field(name);
        f->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(f, "4x-.5");
        EXPECT_EQ(f->text(), "45") << name;
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f->text(), "4") << name;

        const std::pair<const char*, const char*> cases[] = {
            {"", "1"}, {"5000", "1000"}, {"1000", "1000"}, {"0", "0"}, {"012", "012"},
        };
        for (const auto& [typed, shown] : cases) {
            type(name, typed);
            EXPECT_EQ(f->text(), shown) << name << " " << typed;
        }
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());

    QLineEdit* f = field("Edit02k");
    f->setFocus(Qt::MouseFocusReason);
    f->selectAll();
    QApplication::clipboard()->setText("abc");
    f->paste();
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_EQ(f->text(), "abc");
    EXPECT_EQ(dialogs.errors, QStringList{"'abc' は整数ではありません"});
}

TEST_F(KitPageTest, BrowseButtonsPutTheNameAndShareOneDialogPerKind) {
    dialogs.openAnswers = {"/k/t/a.rsb", "/k/i/first.gun", "", "/k/j/second.itm", ""};
    click("Button30");
    click("Button26");
    click("Button28"); // cancelled
    EXPECT_EQ(field("Edit03k")->text(), "");
    click("Button28");
    click("Button30"); // cancelled
    EXPECT_EQ(field("Edit05k")->text(), "a.rsb");
    EXPECT_EQ(field("Edit01k")->text(), "first.gun");
    EXPECT_EQ(field("Edit03k")->text(), "second.itm");
    EXPECT_EQ(dialogs.startFiles, QStringList({"", "", "first.gun", "first.gun", "a.rsb"}));
    const QString item = "Support File(*.gun,*.itm,*.prj)|*.gun;*.itm;*.prj";
    const QString texture = "Texture Bitmap(*.rsb)|*.rsb";
    EXPECT_EQ(dialogs.openFilters, QStringList({texture, item, item, item, texture}));
}

TEST_F(KitPageTest, KitNameShowsTheOpenFileWithoutFolder) {
    page.fileOpened("/games/data/kits/サンプル.kit");
    EXPECT_EQ(field("Edit06k")->text(), "サンプル.kit");
}

TEST_F(KitPageTest, TextCodePage932LacksStopsTheSaveNamingTheField) {
    for (const char* name : {"Edit05k", "Edit01k", "Edit02k", "Edit03k", "Edit04k"}) {
        page.loadDocument(readData("both.kit"));
        field(name)->setText(QString::fromUtf8("\xea\xb0\x80"));
        try {
            page.outputBytes();
            ADD_FAILURE() << name;
        } catch (const dorva::Error& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
}

TEST_F(KitPageTest, JapaneseTextIsWrittenBackByteForByte) {
    type("Edit05k", "迷彩");
    EXPECT_NE(page.outputBytes().find("<KitTexture>\x96\xc0\x8d\xca</KitTexture>"),
              std::string::npos);
}

TEST(KitPageInWindow, OpenEditAndSaveAsWriteTheFile) {
    dorva::applyUiFont();
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    const QString path = dir.filePath("rifleman.kit");
    const QString copy = dir.filePath("grenadier.kit");
    const std::string original = readData("both.kit");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(original.data(), static_cast<qint64>(original.size()));
    }
    {
        FakeDialogs dialogs;
        dorva::MainWindow window(dialogs, dir.filePath("dorva.ini"), dir.path());
        window.show();
        window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(2);
        KitPage& page = *window.kitPage();
        dialogs.openAnswers = {path, "/items/m203.prj"};
        QTest::mouseClick(page.findChild<QPushButton*>("OpenButtonK"), Qt::LeftButton);
        EXPECT_EQ(page.findChild<QLineEdit*>("Edit06k")->text(), "rifleman.kit");

        QTest::mouseClick(page.findChild<QPushButton*>("Button28"), Qt::LeftButton);
        dialogs.saveAnswers = {copy};
        QTest::mouseClick(page.findChild<QPushButton*>("SAButtonK"), Qt::LeftButton);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(' ').toStdString();
        EXPECT_EQ(dialogs.saveSuffixes, QStringList{"kit"});
        EXPECT_EQ(page.findChild<QLineEdit*>("StatusBarK")->text(), QDir::toNativeSeparators(copy));
        EXPECT_EQ(page.findChild<QLineEdit*>("Edit06k")->text(), "rifleman.kit");
    }
    QDir::setCurrent(previous);

    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
              lines({
                  "<KitFile>",
                  "\t<VersionNumber>1.000000</VersionNumber>",
                  "\t<KitTexture>\x96\xc0\x8d\xca_tex1.rsb</KitTexture>",
                  "\t<Firearm SlotNumber = \"0\">",
                  "\t\t<VersionNumber>1.000000</VersionNumber>",
                  "\t\t<ItemFileName>m16.gun</ItemFileName>",
                  "\t\t<MagazineCount>5</MagazineCount>",
                  "\t\t<GrenadeLauncher>1</GrenadeLauncher>",
                  "\t</Firearm>",
                  "\t<ThrownItem SlotNumber = \"1\">",
                  "\t\t<VersionNumber>1.000000</VersionNumber>",
                  "\t\t<ItemFileName>m203.prj</ItemFileName>",
                  "\t\t<Count>3</Count>",
                  "\t</ThrownItem>",
                  "</KitFile>",
              }));
}

} // namespace
