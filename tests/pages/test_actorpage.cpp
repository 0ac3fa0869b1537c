#include "app/mainwindow.h"
#include "app/uifont.h"
#include "controls/edithex.h"
#include "fakedialogs.h"
#include "formats/error.h"
#include "pages/actorpage.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
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
#include <map>

using dorva::ActorPage;

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
    QFile file(QStringLiteral(DORVA_TEST_DATA "/actor/") + QString::fromLatin1(name));
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

// Records where each open dialog starts, so tests can see which dialogs share their state.
class RecordingDialogs : public FakeDialogs {
public:
    QStringList startFiles;
    QString openFile(QWidget* parent, const QString& filter,
                     dorva::FileDialogState& state) override {
        startFiles << state.fileName;
        return FakeDialogs::openFile(parent, filter, state);
    }
};

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

class ActorPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { dorva::applyUiFont(); }

    ActorPageTest() : page(dialogs) {
        page.resize(629, 415); // the page area inside the main window
        page.show();
        QApplication::setActiveWindow(&page);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    QLineEdit* field(const QString& name) {
        auto* f = page.findChild<QLineEdit*>(name);
        EXPECT_NE(f, nullptr) << name.toStdString();
        return f;
    }
    QComboBox* list(const char* name) {
        auto* l = page.findChild<QComboBox*>(QString::fromLatin1(name));
        EXPECT_NE(l, nullptr) << name;
        return l;
    }
    QPushButton* button(const QString& name) {
        auto* b = page.findChild<QPushButton*>(name);
        EXPECT_NE(b, nullptr) << name.toStdString();
        return b;
    }
    // Every value the page shows, by control name.
    std::map<QString, QString> snapshot() {
        std::map<QString, QString> values;
        for (const auto& entry : fullFileFields())
            values[entry.first] = field(entry.first)->text();
        for (const char* name : {"Edit02a", "Edit03a", "Edit04a"})
            values[name] = list(name)->currentText();
        return values;
    }
    // Types into a field the way a user does: click in, select all, type, leave with Tab.
    void type(const QString& name, const QString& text) {
        QLineEdit* f = field(name);
        f->setFocus(Qt::MouseFocusReason);
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Backspace);
        typeText(f, text);
        QTest::keyClick(f, Qt::Key_Tab);
    }

    RecordingDialogs dialogs;
    ActorPage page;
};

TEST_F(ActorPageTest, ControlsStartWithTheirDefaults) {
    for (int i = 1; i <= 37; ++i) {
        const QString name = QString("Edit%1a").arg(i, 2, 10, QChar('0'));
        const bool isList = i >= 2 && i <= 4;
        EXPECT_NE(page.findChild<QWidget*>(name), nullptr) << name.toStdString();
        if (!isList) {
            EXPECT_TRUE(field(name)->text().isEmpty()) << name.toStdString();
        }
    }
    for (const char* name : {"Edit05a", "Edit06a", "Edit07a"}) {
        auto* hex = page.findChild<dorva::EditHex*>(name);
        ASSERT_NE(hex, nullptr) << name;
        EXPECT_EQ(hex->numericType(), dorva::EditHex::Decimal);
    }
    for (int i : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                  14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 31, 32})
        EXPECT_EQ(button(QString("Button%1").arg(i))->text(), "...");

    EXPECT_FALSE(list("Edit02a")->isEditable());
    EXPECT_EQ(list("Edit02a")->currentText(), "demolitions");
    EXPECT_EQ(list("Edit02a")->count(), 4);
    EXPECT_FALSE(list("Edit03a")->isEditable());
    EXPECT_EQ(list("Edit03a")->currentText(), "None");
    EXPECT_EQ(list("Edit03a")->itemText(3), "Heavy");
    EXPECT_TRUE(list("Edit04a")->isEditable());
    EXPECT_EQ(list("Edit04a")->currentText(), "");
    EXPECT_EQ(list("Edit04a")->itemText(1), "heavy-weapons");

    QStringList groups;
    for (auto* g : page.findChildren<QGroupBox*>())
        groups << g->title();
    groups.sort();
    EXPECT_EQ(groups, QStringList({"???", "Attached Model", "Desert", "Jungle", "Normal"}));
    QStringList captions;
    for (auto* l : page.findChildren<QLabel*>())
        captions << l->text();
    for (const char* caption :
         {"Name",  "Class", "Armor",       "Kit Path",    "Stats",       "X",          "Y",
          "Z",     "Head",  "Lower Spine", "Right Thigh", "Action Face", "Shell Face", "Face",
          "Blink", "LOD4",  "D Face",      "D LOD1",      "J Blink",     "J LOD4"})
        EXPECT_TRUE(captions.contains(caption)) << caption;

    EXPECT_EQ(page.openFilter(), "Actor File(*.atr)|*.atr");
    EXPECT_EQ(page.saveFilter(), "Actor File(*.atr)|*.atr|All File(*.*)|*.*");
    EXPECT_EQ(page.defaultSuffix(), "atr");
    EXPECT_EQ(page.fileMask(), "*.atr");
    EXPECT_EQ(button("OpenButtonA")->text(), "Open");
}

TEST_F(ActorPageTest, NoControlOverlapsAnotherOrLeavesThePage) {
    const QRect pageRect(0, 0, 629, 415);
    QList<QWidget*> leaves;
    for (QWidget* w : page.findChildren<QWidget*>()) {
        if (qobject_cast<QGroupBox*>(w) || !w->isVisibleTo(&page) || w->parentWidget() == nullptr)
            continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w)) {
            if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget()))
                continue; // the editable list's own line
            leaves << w;
        }
    }
    const auto pageGeometry = [this](QWidget* w) {
        return QRect(w->mapTo(&page, QPoint(0, 0)), w->size());
    };
    for (QWidget* a : leaves) {
        EXPECT_TRUE(pageRect.contains(pageGeometry(a))) << a->objectName().toStdString();
        for (QWidget* b : leaves) {
            if (a != b) {
                EXPECT_FALSE(pageGeometry(a).intersects(pageGeometry(b)))
                    << a->objectName().toStdString() << " " << b->objectName().toStdString();
            }
        }
        if (auto* label = qobject_cast<QLabel*>(a)) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
    }
}

TEST_F(ActorPageTest, LoadingAFileFillsEveryField) {
    page.loadDocument(readData("full.atr"));
    for (const auto& [name, value] : fullFileFields())
        EXPECT_EQ(field(name)->text(), value) << name.toStdString();
    EXPECT_EQ(list("Edit02a")->currentText(), "sniper");
    EXPECT_EQ(list("Edit03a")->currentText(), "Medium");
    EXPECT_EQ(list("Edit04a")->currentText(), "heavy-weapons");
}

TEST_F(ActorPageTest, UneditedSaveWritesTheLoadedBytesBack) {
    const std::string bytes = readData("full.atr");
    page.loadDocument(bytes);
    EXPECT_EQ(page.outputBytes(), bytes);
}

TEST_F(ActorPageTest, MissingElementsEmptyTheirFieldsOnTheNextLoad) {
    page.loadDocument(readData("full.atr"));
    page.loadDocument("<ActorFile>\n\t<ActorName>b</ActorName>\n</ActorFile>\n");
    for (const auto& entry : fullFileFields()) {
        if (entry.first != "Edit01a") {
            EXPECT_EQ(field(entry.first)->text(), "") << entry.first.toStdString();
        }
    }
    EXPECT_EQ(list("Edit04a")->currentText(), "");
    EXPECT_EQ(list("Edit03a")->currentText(), "None");
}

TEST_F(ActorPageTest, EditedFieldsAreSavedAsTyped) {
    type("Edit01a", "Sato");
    list("Edit02a")->setFocus();
    QTest::keyClick(list("Edit02a"), Qt::Key_Down); // demolitions -> rifleman
    QTest::keyClick(list("Edit03a"), Qt::Key_End);  // Heavy
    QLineEdit* kitPath = list("Edit04a")->lineEdit();
    kitPath->setFocus();
    QTest::keyClicks(kitPath, "custom/kit");
    type("Edit14a", "300"); // leaving repairs it to 255
    type("Edit15a", "0");   // the file format writes 0 as 1
    type("Edit06a", "120");
    dialogs.openAnswers = {"/data/faces/sato.rsb", "/data/models/sato_body.chr",
                           "/data/attach/cap.qob"};
    QTest::mouseClick(button("Button1"), Qt::LeftButton);
    QTest::mouseClick(button("Button3"), Qt::LeftButton);
    QTest::mouseClick(button("Button19"), Qt::LeftButton);

    EXPECT_EQ(page.outputBytes(), lines({
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

TEST_F(ActorPageTest, NumberFieldsTakeOnlyDigitsByTyping) {
    QApplication::clipboard()->setText("77");
    for (const char* name :
         {"Edit14a", "Edit15a", "Edit16a", "Edit17a", "Edit05a", "Edit06a", "Edit07a"}) {
        QLineEdit* f = field(name);
        f->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(f, "1a-.+ 2Z3");
        EXPECT_EQ(f->text(), "123") << name;
        QTest::keyClick(f, Qt::Key_Backspace);
        EXPECT_EQ(f->text(), "12") << name;
        QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f->text(), "12") << name;
        // Pasting from the context menu is not filtered.
        QApplication::clipboard()->setText("x9");
        f->paste();
        EXPECT_EQ(f->text(), "12x9") << name;
        QApplication::clipboard()->setText("77");
    }
    QLineEdit* name = field("Edit01a");
    name->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(name, "a-.1");
    EXPECT_EQ(name->text(), "a-.1");
}

TEST_F(ActorPageTest, LeavingAStatisticRepairsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "1"}, {"256", "255"}, {"0300", "255"}, {"0", "0"}, {"255", "255"}, {"007", "007"},
    };
    for (const char* name : {"Edit14a", "Edit15a", "Edit16a", "Edit17a"}) {
        for (const auto& [typed, shown] : cases) {
            type(name, typed);
            EXPECT_EQ(field(name)->text(), shown) << name << " " << typed;
        }
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ActorPageTest, LeavingAPastedNonNumberReportsItAndKeepsTheText) {
    QLineEdit* f = field("Edit16a");
    f->setFocus(Qt::MouseFocusReason);
    QApplication::clipboard()->setText("abc");
    f->paste();
    QTest::keyClick(f, Qt::Key_Tab);
    EXPECT_EQ(f->text(), "abc");
    EXPECT_EQ(dialogs.errors, QStringList{"'abc' は整数ではありません"});
}

TEST_F(ActorPageTest, ScaleFieldsHaveNoLeaveRule) {
    for (const char* typed : {"", "5000", "0"}) {
        type("Edit05a", typed);
        EXPECT_EQ(field("Edit05a")->text(), typed);
    }
}

TEST_F(ActorPageTest, BrowseButtonsPutTheFileNameIntoTheirField) {
    struct Case {
        int button;
        const char* field;
        const char* filter;
    };
    const char* rsb = "Texture Bitmap(*.rsb)|*.rsb";
    const char* chr = "Character File(*.chr)|*.chr";
    const char* qob = "Model File(*.qob)|*.qob";
    const Case cases[] = {
        {1, "Edit08a", rsb},  {2, "Edit09a", rsb},  {3, "Edit10a", chr},  {4, "Edit11a", chr},
        {5, "Edit12a", chr},  {6, "Edit13a", chr},  {7, "Edit18a", rsb},  {8, "Edit19a", rsb},
        {9, "Edit20a", chr},  {10, "Edit21a", chr}, {11, "Edit22a", chr}, {12, "Edit23a", chr},
        {13, "Edit30a", rsb}, {14, "Edit31a", rsb}, {15, "Edit32a", chr}, {16, "Edit33a", chr},
        {17, "Edit34a", chr}, {18, "Edit35a", chr}, {19, "Edit24a", qob}, {20, "Edit26a", qob},
        {21, "Edit28a", qob}, {22, "Edit25a", qob}, {23, "Edit27a", qob}, {24, "Edit29a", qob},
        {31, "Edit36a", rsb}, {32, "Edit37a", rsb},
    };
    for (const Case& c : cases) {
        const QString chosen = QString("/games/deep/folder/file%1.ext").arg(c.button);
        dialogs.openAnswers = {chosen};
        QTest::mouseClick(button(QString("Button%1").arg(c.button)), Qt::LeftButton);
        EXPECT_EQ(field(c.field)->text(), QString("file%1.ext").arg(c.button)) << c.field;
        EXPECT_EQ(dialogs.openFilters.last(), c.filter) << c.field;
    }
    EXPECT_EQ(dialogs.openCount, 26);
}

TEST_F(ActorPageTest, EachDialogKindStartsFromTheFileLastChosenInIt) {
    dialogs.openAnswers = {"/a/face.rsb", "/b/body.chr", "/c/head.qob", "", "", ""};
    QTest::mouseClick(button("Button1"), Qt::LeftButton);  // rsb
    QTest::mouseClick(button("Button3"), Qt::LeftButton);  // chr
    QTest::mouseClick(button("Button19"), Qt::LeftButton); // qob
    QTest::mouseClick(button("Button32"), Qt::LeftButton); // rsb, cancelled
    QTest::mouseClick(button("Button18"), Qt::LeftButton); // chr, cancelled
    QTest::mouseClick(button("Button24"), Qt::LeftButton); // qob, cancelled
    EXPECT_EQ(dialogs.startFiles, QStringList({"", "", "", "face.rsb", "body.chr", "head.qob"}));
}

TEST_F(ActorPageTest, CancelledBrowseChangesNothing) {
    page.loadDocument(readData("full.atr"));
    const auto before = snapshot();
    dialogs.openAnswers = {""};
    QTest::mouseClick(button("Button2"), Qt::LeftButton);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(ActorPageTest, FailedLoadLeavesEveryFieldAsItWas) {
    page.loadDocument(readData("full.atr"));
    const auto before = snapshot();
    for (const char* bad : {"<ActorName>x</ActorName><ArmorLevel>x</ArmorLevel>",
                            "<ActorName>y</ActorName><ArmorLevel></ArmorLevel>"}) {
        EXPECT_THROW(page.loadDocument(bad), dorva::Error);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(ActorPageTest, ValuesTheListsLackAreShownAndKept) {
    page.loadDocument(lines({"<ActorFile>", "\t<ClassName>medic</ClassName>",
                             "\t<ArmorLevel>7</ArmorLevel>", "</ActorFile>"}));
    EXPECT_EQ(list("Edit02a")->currentText(), "medic");
    EXPECT_EQ(list("Edit03a")->currentText(), "7");
    const std::string saved = page.outputBytes();
    EXPECT_NE(saved.find("<ClassName>medic</ClassName>"), std::string::npos);
    EXPECT_NE(saved.find("<ArmorLevel>7</ArmorLevel>"), std::string::npos);

    // An empty class is a value of its own, too.
    page.loadDocument("<ClassName></ClassName><ArmorLevel>1</ArmorLevel>");
    EXPECT_EQ(list("Edit02a")->currentText(), "");
    EXPECT_EQ(list("Edit02a")->count(), 5);
    EXPECT_EQ(list("Edit03a")->currentText(), "Light");
    EXPECT_EQ(list("Edit03a")->count(), 4);
    EXPECT_NE(page.outputBytes().find("<ClassName></ClassName>"), std::string::npos);

    // Picking a real entry replaces the read value.
    list("Edit02a")->setCurrentIndex(2);
    EXPECT_NE(page.outputBytes().find("<ClassName>sniper</ClassName>"), std::string::npos);

    page.loadDocument(readData("full.atr"));
    EXPECT_EQ(list("Edit02a")->count(), 4);
    EXPECT_EQ(list("Edit03a")->count(), 4);
}

TEST_F(ActorPageTest, ClassMatchingIsExact) {
    page.loadDocument("<ClassName>Sniper</ClassName>");
    EXPECT_EQ(list("Edit02a")->currentText(), "Sniper");
    EXPECT_NE(page.outputBytes().find("<ClassName>Sniper</ClassName>"), std::string::npos);
}

TEST_F(ActorPageTest, JapaneseTextIsWrittenBackByteForByte) {
    type("Edit01a", "兵士タナカ");
    type("Edit37a", "顔_action.rsb");
    const std::string out = page.outputBytes();
    EXPECT_NE(out.find("<ActorName>\x95\xba\x8e\x6d\x83\x5e\x83\x69\x83\x4a</ActorName>"),
              std::string::npos);
    EXPECT_NE(out.find("<ShellFaceName>\x8a\xe7_action.rsb</ShellFaceName>"), std::string::npos);
}

TEST_F(ActorPageTest, TextCodePage932LacksStopsTheSaveNamingTheField) {
    for (const char* name : {"Edit01a", "Edit29a", "Edit05a"}) {
        page.loadDocument(readData("full.atr"));
        field(name)->setText(QString::fromUtf8("x\xea\xb0\x80")); // a Hangul syllable
        try {
            page.outputBytes();
            ADD_FAILURE() << name;
        } catch (const dorva::Error& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
        }
    }
    page.loadDocument(readData("full.atr"));
    list("Edit04a")->setEditText(QString::fromUtf8("\xea\xb0\x80"));
    EXPECT_THROW(page.outputBytes(), dorva::Error);
}

TEST(ActorPageInWindow, OpenEditAndSaveWriteTheFile) {
    dorva::applyUiFont();
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    const QString path = dir.filePath("tanaka.atr");
    std::string original = readData("full.atr");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(original.data(), static_cast<qint64>(original.size()));
    }
    {
        FakeDialogs dialogs;
        dorva::MainWindow window(dialogs, dir.filePath("dorva.ini"), dir.path());
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
        ActorPage& page = *window.actorPage();
        dialogs.openAnswers = {path};
        QTest::mouseClick(page.findChild<QPushButton*>("OpenButtonA"), Qt::LeftButton);
        EXPECT_EQ(page.findChild<QLineEdit*>("StatusBarA")->text(), QDir::toNativeSeparators(path));

        auto* stealth = page.findChild<QLineEdit*>("Edit16a");
        stealth->setFocus(Qt::MouseFocusReason);
        stealth->selectAll();
        QTest::keyClicks(stealth, "x400");
        QTest::keyClick(stealth, Qt::Key_Tab);
        QTest::mouseClick(page.findChild<QPushButton*>("SaveButtonA"), Qt::LeftButton);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(' ').toStdString();
    }
    QDir::setCurrent(previous);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string from = "<Stealth>99</Stealth>";
    original.replace(original.find(from), from.size(), "<Stealth>255</Stealth>");
    EXPECT_EQ(file.readAll().toStdString(), original);
}

} // namespace
