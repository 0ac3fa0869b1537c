#include "app/uifont.h"
#include "controls/edithex.h"
#include "pages/actorpage.h"
#include "pagetesting.h"
#include "testfiles.h"

#include <map>

using dorva::ActorPage;
using namespace pagetesting;

namespace {

// The text fields with the values of data/actor/full.atr (code page 932 text as UTF-8).
const std::map<QString, QString>& fullFileFields() {
    static const std::map<QString, QString> fields = {
        {"Edit01a", "兵士タナカ"},  {"Edit05a", "100"},        {"Edit06a", "105"},
        {"Edit07a", "98"},          {"Edit08a", "tanaka.rsb"}, {"Edit09a", "tanaka_blink.rsb"},
        {"Edit10a", "body1.chr"},   {"Edit11a", "body2.chr"},  {"Edit12a", "body3.chr"},
        {"Edit13a", "body4.chr"},   {"Edit14a", "200"},        {"Edit15a", "150"},
        {"Edit16a", "99"},          {"Edit17a", "7"},          {"Edit18a", "d_face.rsb"},
        {"Edit19a", "d_blink.rsb"}, {"Edit20a", "d1.chr"},     {"Edit21a", "d2.chr"},
        {"Edit22a", "d3.chr"},      {"Edit23a", "d4.chr"},     {"Edit24a", "helmet.qob"},
        {"Edit25a", "scarf.qob"},   {"Edit26a", "belt.qob"},   {"Edit27a", "pack.qob"},
        {"Edit28a", "holster.qob"}, {"Edit29a", "knife.qob"},  {"Edit30a", "j_face.rsb"},
        {"Edit31a", "j_blink.rsb"}, {"Edit32a", "j1.chr"},     {"Edit33a", "j2.chr"},
        {"Edit34a", "j3.chr"},      {"Edit35a", "j4.chr"},     {"Edit36a", "顔_action.rsb"},
        {"Edit37a", "shell.rsb"},
    };
    return fields;
}

std::string fullFile() {
    return testfiles::readData("actor/full.atr");
}

class ActorPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dorva::applyUiFont(); }

    ActorPageTest() : page(document, dialogs) {
        page.resize(629, 415); // the page area inside the main window
        page.show();
        QApplication::setActiveWindow(&page);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    QLineEdit* field(const QString& name) { return child<QLineEdit>(&page, name); }
    QComboBox* list(const char* name) { return child<QComboBox>(&page, name); }
    void click(const QString& name) {
        QTest::mouseClick(child<QPushButton>(&page, name), Qt::LeftButton);
    }
    bool saved(const char* text) { return output(page).find(text) != std::string::npos; }
    // Every value the page shows, by control name.
    std::map<QString, QString> snapshot() {
        std::map<QString, QString> values;
        for (const auto& entry : fullFileFields())
            values[entry.first] = field(entry.first)->text();
        for (const char* name : {"Edit02a", "Edit03a", "Edit04a"})
            values[name] = list(name)->currentText() + QString::number(list(name)->count());
        return values;
    }

    RecordingDialogs dialogs;
    dorva::Document document{dorva::Kind::Actor};
    ActorPage page;
};

TEST_F(ActorPageTest, ControlsStartWithTheirNamesCaptionsAndDefaults) {
    for (int i = 1; i <= 37; ++i) {
        const QString name = QString("Edit%1a").arg(i, 2, 10, QChar('0'));
        if (i >= 2 && i <= 4)
            continue;
        EXPECT_TRUE(field(name)->text().isEmpty()) << name.toStdString();
    }
    for (const char* name : {"Edit05a", "Edit06a", "Edit07a"})
        EXPECT_EQ(child<dorva::EditHex>(&page, name)->numericType(), dorva::EditHex::Decimal);
    for (int i : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                  14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 31, 32})
        EXPECT_EQ(child<QPushButton>(&page, QString("Button%1").arg(i))->text(), "...");
    const struct {
        const char* name;
        bool editable;
        const char* current;
        int count;
    } lists[] = {{"Edit02a", false, "demolitions", 4},
                 {"Edit03a", false, "None", 4},
                 {"Edit04a", true, "", 4}};
    for (const auto& l : lists) {
        EXPECT_EQ(list(l.name)->isEditable(), l.editable) << l.name;
        EXPECT_EQ(list(l.name)->currentText(), l.current) << l.name;
        EXPECT_EQ(list(l.name)->count(), l.count) << l.name;
    }
    EXPECT_EQ(list("Edit03a")->itemText(3), "Heavy");
    EXPECT_EQ(list("Edit04a")->itemText(1), "heavy-weapons");
    EXPECT_EQ(groupTitles(&page),
              QStringList({"???", "Attached Model", "Desert", "Jungle", "Normal"}));
    expectCaptions(&page,
                   {"Name",       "Class",  "Armor", "Kit Path",    "Stats",       "X",
                    "Y",          "Z",      "Head",  "Lower Spine", "Right Thigh", "Action Face",
                    "Shell Face", "Face",   "Blink", "LOD4",        "D Face",      "D LOD1",
                    "J Blink",    "J LOD4", "Open"});
}

TEST_F(ActorPageTest, NothingClippedOrOverlapping) {
    expectCleanLayout(&page);
}

TEST_F(ActorPageTest, LoadFillsEveryFieldAndAnUneditedSaveGivesTheBytesBack) {
    const std::string bytes = fullFile();
    load(page, bytes);
    for (const auto& [name, value] : fullFileFields())
        EXPECT_EQ(field(name)->text(), value) << name.toStdString();
    EXPECT_EQ(list("Edit02a")->currentText(), "sniper");
    EXPECT_EQ(list("Edit03a")->currentText(), "Medium");
    EXPECT_EQ(list("Edit04a")->currentText(), "heavy-weapons");
    EXPECT_EQ(output(page), bytes);

    // Elements the next file lacks empty their fields.
    load(page, "<ActorFile>\n\t<ActorName>b</ActorName>\n</ActorFile>\n");
    for (const auto& entry : fullFileFields()) {
        if (entry.first != "Edit01a") {
            EXPECT_EQ(field(entry.first)->text(), "") << entry.first.toStdString();
        }
    }
    EXPECT_EQ(list("Edit04a")->currentText(), "");
    EXPECT_EQ(list("Edit03a")->currentText(), "None");
}

TEST_F(ActorPageTest, EditedFieldsAreSavedAsTyped) {
    retype(field("Edit01a"), "Sato");
    list("Edit02a")->setFocus();
    QTest::keyClick(list("Edit02a"), Qt::Key_Down); // demolitions -> rifleman
    QTest::keyClick(list("Edit03a"), Qt::Key_End);  // Heavy
    QLineEdit* kitPath = list("Edit04a")->lineEdit();
    kitPath->setFocus();
    QTest::keyClicks(kitPath, "custom/kit");
    retype(field("Edit14a"), "300"); // leaving repairs it to 255
    retype(field("Edit15a"), "0");   // the file format writes 0 as 1
    retype(field("Edit06a"), "120");
    dialogs.openAnswers = {"/data/faces/sato.rsb", "/data/models/sato_body.chr",
                           "/data/attach/cap.qob"};
    click("Button1");
    click("Button3");
    click("Button19");

    EXPECT_EQ(output(page), testfiles::crlf({
                                "<ActorFile>",
                                "\t<VersionNumber>1.00</VersionNumber>",
                                "\t<ArmorLevel>3</ArmorLevel>",
                                "\t<ActorName>Sato</ActorName>",
                                "\t<ClassName>rifleman</ClassName>",
                                "\t<ModelFace>sato.rsb</ModelFace>",
                                "\t<BlinkFaceName></BlinkFaceName>",
                                "\t<KitPath>custom/kit</KitPath>",
                                "\t<ModelName>sato_body.chr</ModelName>",
                                "\t<Weapon>255</Weapon>",
                                "\t<Stamina>1</Stamina>",
                                "\t<Stealth>1</Stealth>",
                                "\t<Leadership>1</Leadership>",
                                "\t<ScaleY>120</ScaleY>",
                                "\t<HeadAttachment>cap.qob</HeadAttachment>",
                                "</ActorFile>",
                            }));
}

// Opening another file leaves nothing of the last one to undo, also in fields whose text the
// new file shares: an undo there would bring the old file's value into the new one.
TEST_F(ActorPageTest, AnOpenedFileHasNothingOfTheLastOneToUndo) {
    retype(field("Edit01a"), "Sato");
    QLineEdit* kitPath = list("Edit04a")->lineEdit();
    kitPath->setFocus();
    QTest::keyClicks(kitPath, "custom/kit");
    load(page, output(page)); // another file with the same values
    for (QLineEdit* edit : {field("Edit01a"), kitPath}) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(field("Edit01a")->text(), "Sato");
    EXPECT_EQ(kitPath->text(), "custom/kit");
    EXPECT_FALSE(page.document().modified());
}

TEST_F(ActorPageTest, NumberFieldsTakeOnlyDigitsByTyping) {
    expectDigitKeysOnly(&page, {"Edit14a", "Edit05a"}, "Edit01a");
}

TEST_F(ActorPageTest, LeavingAStatisticRepairsItButNotAScale) {
    expectLeaveRules(&page, dialogs,
                     {
                         {"Edit14a", "", "1"},
                         {"Edit15a", "256", "255"},
                         {"Edit16a", "0300", "255"},
                         {"Edit17a", "0", "0"},
                         {"Edit14a", "007", "007"},
                         {"Edit16a", "abc", "abc", true},
                         {"Edit05a", "", ""},
                         {"Edit05a", "5000", "5000"},
                     });
}

// Each button puts the chosen file's name into its field; each of the three kinds of file has
// one dialog that starts from the file last chosen in it, and a cancelled one changes nothing.
TEST_F(ActorPageTest, BrowseButtonsFillTheirFieldsThroughOneDialogPerKind) {
    struct Kind {
        const char* filter;
        std::vector<std::pair<int, const char*>> buttons;
    };
    const Kind kinds[] = {
        {"Texture Bitmap(*.rsb)|*.rsb",
         {{1, "08"},
          {2, "09"},
          {7, "18"},
          {8, "19"},
          {13, "30"},
          {14, "31"},
          {31, "36"},
          {32, "37"}}},
        {"Character File(*.chr)|*.chr",
         {{3, "10"},
          {4, "11"},
          {5, "12"},
          {6, "13"},
          {9, "20"},
          {10, "21"},
          {11, "22"},
          {12, "23"},
          {15, "32"},
          {16, "33"},
          {17, "34"},
          {18, "35"}}},
        {"Model File(*.qob)|*.qob",
         {{19, "24"}, {20, "26"}, {21, "28"}, {22, "25"}, {23, "27"}, {24, "29"}}},
    };
    for (const Kind& kind : kinds) {
        QString last;
        for (const auto& [button, field] : kind.buttons) {
            const QString name = QString("Button%1").arg(button);
            SCOPED_TRACE(name.toStdString());
            const QString chosen = QString("file%1.ext").arg(button);
            dialogs.openAnswers = {"/games/deep/folder/" + chosen};
            click(name);
            EXPECT_EQ(this->field(QString("Edit%1a").arg(field))->text(), chosen);
            EXPECT_EQ(dialogs.openFilters.last(), kind.filter);
            EXPECT_EQ(dialogs.startFiles.last(), last);
            last = chosen;
        }
        const auto before = snapshot();
        dialogs.openAnswers = {""};
        click(QString("Button%1").arg(kind.buttons.front().first));
        EXPECT_EQ(snapshot(), before);
        dialogs.openAnswers = {""};
        click(QString("Button%1").arg(kind.buttons.back().first));
        EXPECT_EQ(dialogs.startFiles.last(), last);
    }
}

TEST_F(ActorPageTest, FailedLoadLeavesEveryFieldAsItWas) {
    load(page, fullFile());
    const auto before = snapshot();
    for (const char* bad : {"<ActorName>x</ActorName><ArmorLevel>x</ArmorLevel>",
                            "<ActorName>y</ActorName><ArmorLevel></ArmorLevel>"}) {
        EXPECT_THROW(load(page, bad), dorva::Error);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(ActorPageTest, ValuesTheListsLackAreShownAndKept) {
    load(page, testfiles::crlf({"<ActorFile>", "\t<ClassName>medic</ClassName>",
                                "\t<ArmorLevel>7</ArmorLevel>", "</ActorFile>"}));
    EXPECT_EQ(list("Edit02a")->currentText(), "medic");
    EXPECT_EQ(list("Edit03a")->currentText(), "7");
    EXPECT_TRUE(saved("<ClassName>medic</ClassName>"));
    EXPECT_TRUE(saved("<ArmorLevel>7</ArmorLevel>"));

    // An empty class is a value of its own, and matching is exact.
    load(page, "<ClassName></ClassName><ArmorLevel>1</ArmorLevel>");
    EXPECT_EQ(list("Edit02a")->currentText(), "");
    EXPECT_EQ(list("Edit02a")->count(), 5);
    EXPECT_EQ(list("Edit03a")->currentText(), "Light");
    EXPECT_EQ(list("Edit03a")->count(), 4);
    EXPECT_TRUE(saved("<ClassName></ClassName>"));
    load(page, "<ClassName>Sniper</ClassName>");
    EXPECT_EQ(list("Edit02a")->currentText(), "Sniper");
    EXPECT_TRUE(saved("<ClassName>Sniper</ClassName>"));

    // Picking a real entry replaces the read value.
    list("Edit02a")->setCurrentIndex(2);
    EXPECT_TRUE(saved("<ClassName>sniper</ClassName>"));

    load(page, fullFile());
    EXPECT_EQ(list("Edit02a")->count(), 4);
    EXPECT_EQ(list("Edit03a")->count(), 4);
}

TEST_F(ActorPageTest, TextCodePage932LacksStopsTheSaveNamingTheField) {
    const QString hangul = QString::fromUtf8("x\xea\xb0\x80");
    for (const char* name : {"Edit01a", "Edit29a", "Edit05a"}) {
        load(page, fullFile());
        field(name)->setText(hangul);
        expectSaveStopsAt(page, name);
    }
    load(page, fullFile());
    list("Edit04a")->setEditText(hangul);
    expectSaveStopsAt(page, "Edit04a");
}

TEST(ActorPageInWindow, OpenEditAndSaveWriteTheFile) {
    dorva::applyUiFont();
    WindowFixture f;
    ActorPage& page = *f.window.actorPage();
    std::string bytes = fullFile();
    f.open(page, "tanaka.atr", bytes);
    const QString path = f.dir.filePath("tanaka.atr");
    EXPECT_EQ(page.statusField()->text(), QDir::toNativeSeparators(path));
    auto* stealth = child<QLineEdit>(&page, "Edit16a");
    stealth->setFocus(Qt::MouseFocusReason);
    stealth->selectAll();
    QTest::keyClicks(stealth, "x400");
    QTest::keyClick(stealth, Qt::Key_Tab);
    QTest::mouseClick(page.saveButton(), Qt::LeftButton);
    EXPECT_TRUE(f.dialogs.errors.isEmpty()) << f.dialogs.errors.join(' ').toStdString();
    const std::string from = "<Stealth>99</Stealth>";
    bytes.replace(bytes.find(from), from.size(), "<Stealth>255</Stealth>");
    EXPECT_EQ(testfiles::readFile(path.toStdString()), bytes);
}

} // namespace
