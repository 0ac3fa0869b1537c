#include "app/uifont.h"
#include "pages/kitpage.h"
#include "pagetesting.h"
#include "testfiles.h"

#include <QCheckBox>

using dorva::KitPage;
using namespace pagetesting;

namespace {

std::string kitFile(const char* name) {
    return testfiles::readData(std::string("kit/") + name);
}

class KitPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dorva::applyUiFont(); }

    KitPageTest() : page(document, dialogs) {
        page.resize(629, 415); // the page area inside the main window
        page.show();
        QApplication::setActiveWindow(&page);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    QLineEdit* field(const char* name) { return child<QLineEdit>(&page, name); }
    QCheckBox* check(const char* name) { return child<QCheckBox>(&page, name); }
    void click(const char* name) {
        auto* b = child<QAbstractButton>(&page, name);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    QStringList texts() {
        QStringList values;
        for (const char* name : {"Edit05k", "Edit01k", "Edit02k", "Edit03k", "Edit04k"})
            values << field(name)->text();
        values << (check("GLCheckBox")->isChecked() ? "GL" : "-")
               << (check("AmmoCheckBox")->isChecked() ? "Ex" : "-");
        return values;
    }
    // Whether the second item field looks and acts as an input field; its count always does,
    // and so does the browse button.
    void expectSecondItemEnabled(bool enabled) {
        EXPECT_EQ(field("Edit03k")->isEnabled(), enabled);
        EXPECT_TRUE(enabled ? shadedAsInput(field("Edit03k")) : shadedAsDisabled(field("Edit03k")));
        EXPECT_TRUE(field("Edit04k")->isEnabled());
        EXPECT_TRUE(child<QPushButton>(&page, "Button28")->isEnabled());
    }

    RecordingDialogs dialogs;
    dorva::Document document{dorva::Kind::Kit};
    KitPage page;
};

TEST_F(KitPageTest, ControlsStartWithTheirNamesCaptionsAndDefaults) {
    EXPECT_EQ(texts(), QStringList({"", "", "", "", "", "-", "-"}));
    const std::pair<const char*, const char*> buttons[] = {
        {"Button26", "Browse..."}, {"Button27", "Clear"},       {"Button28", "Browse..."},
        {"Button29", "Clear"},     {"Button30", "..."},         {"SAButtonK", "Save as..."},
        {"GLCheckBox", "GL"},      {"AmmoCheckBox", "Ex Ammo"},
    };
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(child<QAbstractButton>(&page, name)->text(), caption) << name;
    EXPECT_EQ(groupTitles(&page), QStringList({"Kit 1", "Kit 2"}));
    QStringList captions;
    for (auto* l : page.findChildren<QLabel*>())
        captions << l->text();
    captions.sort();
    EXPECT_EQ(captions,
              QStringList({"Item", "Item", "Kit Name", "Kit Texture", "Mag Count", "Mag Count"}));
    EXPECT_TRUE(field("Edit06k")->isReadOnly());
    EXPECT_TRUE(field("StatusBarK")->isReadOnly());
    expectSecondItemEnabled(true);
}

TEST_F(KitPageTest, NothingClippedOrOverlapping) {
    expectCleanLayout(&page);
}

TEST_F(KitPageTest, LoadFillsEveryFieldAndAnUneditedSaveGivesTheBytesBack) {
    const struct {
        const char* file;
        QStringList texts;
        bool secondItem;
    } files[] = {
        {"both.kit", {"迷彩_tex1.rsb", "m16.gun", "5", "medkit.itm", "3", "GL", "-"}, true},
        {"extraammo.kit", {"tex2.rsb", "mp5.gun", "6", "", "4", "-", "Ex"}, false},
        {"both.kit", {"迷彩_tex1.rsb", "m16.gun", "5", "medkit.itm", "3", "GL", "-"}, true},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        load(page, kitFile(f.file));
        EXPECT_EQ(texts(), f.texts);
        expectSecondItemEnabled(f.secondItem);
        EXPECT_EQ(output(page), kitFile(f.file));
    }

    // A file with only the second slot leaves nothing of the previous one.
    load(page,
         testfiles::crlf({"<KitFile>", "\t<VersionNumber>1.000000</VersionNumber>",
                          "\t<KitTexture>t.rsb</KitTexture>", "\t<Firearm SlotNumber = \"1\">",
                          "\t\t<VersionNumber>1.000000</VersionNumber>",
                          "\t\t<ItemFileName>m9.gun</ItemFileName>",
                          "\t\t<MagazineCount>2</MagazineCount>", "\t</Firearm>", "</KitFile>"}));
    EXPECT_EQ(texts(), QStringList({"t.rsb", "", "", "m9.gun", "2", "-", "-"}));
}

TEST_F(KitPageTest, EditedFieldsAreSavedAsTyped) {
    dialogs.openAnswers = {"/games/kits/tex/camo.rsb", "/games/items/deep/flashbang.prj",
                           "/games/items/ak47.gun"};
    click("Button30");
    click("Button26");
    retype(field("Edit02k"), "5000");
    click("Button28");
    retype(field("Edit04k"), "");
    click("GLCheckBox");
    EXPECT_EQ(output(page), testfiles::crlf({
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

    // With extra ammo the second slot's count is written into the first slot.
    click("AmmoCheckBox");
    retype(field("Edit04k"), "12");
    const std::string saved = output(page);
    EXPECT_NE(saved.find("\t\t<Count>1000</Count>\r\n\t\t<ExtraAmmo>12</ExtraAmmo>\r\n"
                         "\t</ThrownItem>\r\n</KitFile>"),
              std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("SlotNumber = \"1\""), std::string::npos) << saved;
}

TEST_F(KitPageTest, GrenadeLauncherAndExtraAmmoExcludeEachOther) {
    load(page, kitFile("both.kit")); // GL set, second item medkit.itm count 3

    click("AmmoCheckBox");
    EXPECT_EQ(texts(), QStringList({"迷彩_tex1.rsb", "m16.gun", "5", "", "3", "-", "Ex"}));
    expectSecondItemEnabled(false);

    click("GLCheckBox");
    EXPECT_EQ(texts(), QStringList({"迷彩_tex1.rsb", "m16.gun", "5", "", "3", "GL", "-"}));
    expectSecondItemEnabled(true);

    // An empty count gets the one magazine the file needs.
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

    // A state set by the program follows the same rules as a click.
    field("Edit03k")->setText("medkit.itm");
    check("GLCheckBox")->setChecked(true);
    check("AmmoCheckBox")->setChecked(true);
    EXPECT_EQ(texts(), QStringList({"迷彩_tex1.rsb", "m16.gun", "5", "", "1", "-", "Ex"}));
    expectSecondItemEnabled(false);
    check("GLCheckBox")->setChecked(true);
    EXPECT_EQ(texts().mid(5), QStringList({"GL", "-"}));
    expectSecondItemEnabled(true);
}

TEST_F(KitPageTest, ClearButtonsEmptyTheirItemAndCountOnly) {
    load(page, kitFile("both.kit"));
    click("Button27");
    EXPECT_EQ(texts(), QStringList({"迷彩_tex1.rsb", "", "", "medkit.itm", "3", "GL", "-"}));
    load(page, kitFile("extraammo.kit"));
    click("Button29");
    EXPECT_EQ(texts(), QStringList({"tex2.rsb", "mp5.gun", "6", "", "", "-", "Ex"}));
}

TEST_F(KitPageTest, CountFieldsTakeOnlyDigitsAndAreRepairedOnLeaving) {
    expectDigitKeysOnly(&page, {"Edit02k", "Edit04k"}, "Edit01k");
    expectLeaveRules(&page, dialogs,
                     {
                         {"Edit02k", "", "1"},
                         {"Edit04k", "", "1"},
                         {"Edit02k", "5000", "1000"},
                         {"Edit04k", "1000", "1000"},
                         {"Edit02k", "0", "0"},
                         {"Edit04k", "012", "012"},
                         {"Edit02k", "abc", "abc", true},
                     });
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

TEST_F(KitPageTest, TextCodePage932LacksStopsTheSaveNamingTheField) {
    for (const char* name : {"Edit05k", "Edit01k", "Edit02k", "Edit03k", "Edit04k"}) {
        load(page, kitFile("both.kit"));
        field(name)->setText(QString::fromUtf8("\xea\xb0\x80"));
        expectSaveStopsAt(page, name);
    }
}

// The kit name shows the opened file without its folder, and stays after "Save as...".
TEST(KitPageInWindow, OpenEditAndSaveAsWriteTheFile) {
    dorva::applyUiFont();
    WindowFixture f;
    KitPage& page = *f.window.kitPage();
    f.open(page, "rifleman.kit", kitFile("both.kit"));
    auto* kitName = child<QLineEdit>(&page, "Edit06k");
    EXPECT_EQ(kitName->text(), "rifleman.kit");

    f.dialogs.openAnswers = {"/items/m203.prj"};
    QTest::mouseClick(child<QPushButton>(&page, "Button28"), Qt::LeftButton);
    const QString copy = f.dir.filePath("grenadier.kit");
    f.dialogs.saveAnswers = {copy};
    QTest::mouseClick(page.saveAsButton(), Qt::LeftButton);
    EXPECT_TRUE(f.dialogs.errors.isEmpty()) << f.dialogs.errors.join(' ').toStdString();
    EXPECT_EQ(f.dialogs.saveSuffixes, QStringList{"kit"});
    EXPECT_EQ(page.statusField()->text(), QDir::toNativeSeparators(copy));
    EXPECT_EQ(kitName->text(), "rifleman.kit");
    EXPECT_EQ(testfiles::readFile(copy.toStdString()),
              testfiles::crlf({
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
