#include "app/uifont.h"
#include "controls/briefingdialog.h"
#include "controls/colorbutton.h"
#include "controls/edithex.h"
#include "formats/codec.h"
#include "pages/missionpage.h"
#include "pagetesting.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <map>
#include <tuple>

using namespace dorva;
using namespace pagetesting;

namespace {

std::string cp932(const std::string& utf8) {
    return utf8ToCp932(utf8).value();
}

std::string replaced(std::string text,
                     const std::vector<std::pair<std::string, std::string>>& edits) {
    for (const auto& [from, to] : edits) {
        const std::size_t p = text.find(from);
        EXPECT_NE(p, std::string::npos) << from;
        if (p != std::string::npos)
            text.replace(p, from.size(), to);
    }
    return text;
}

// A mission as the game ships it: sections the editor does not model, every element the
// saver writes in the form it writes, Japanese text with bytes 0x5C inside characters (表, ソ)
// and a two-line briefing with the game's "{p}" break.
const std::string kSample = "<Mission>\r\n"
                            "\t<Engine>\r\n"
                            "\t\t<Weather>40</Weather>\r\n"
                            "\t\t<Rain>1</Rain>\r\n"
                            "\t\t<Snow>0</Snow>\r\n"
                            "\t\t<Environment>env\\forest01.env</Environment>\r\n"
                            "\t\t<Wind>12</Wind>\r\n"
                            "\t\t<FogOverride Near = \"10\" Far = \"300\" Red = \"200\" Green = "
                            "\"180\" Blue = \"160\" Spot = \"90\"/>\r\n"
                            "\t\t<SkyTexture>sky_day.rsb</SkyTexture>\r\n"
                            "\t</Engine>\r\n"
                            "\t<Map>\r\n"
                            "\t\t<MapShots>shots\\forest</MapShots>\r\n"
                            "\t\t<MapName>森の村</MapName>\r\n"
                            "\t\t<RecommendedGameTypes>coop team</RecommendedGameTypes>\r\n"
                            "\t\t<MapSize>2</MapSize>\r\n"
                            "\t</Map>\r\n"
                            "\t<Briefing>\r\n"
                            "\t\t<BriefingImage>brief01.rsb</BriefingImage>\r\n"
                            "\t\t<BriefingImageY>40</BriefingImageY>\r\n"
                            "\t\t<DemoRequired>1</DemoRequired>\r\n"
                            "\t\t<DemoRecommend>0</DemoRecommend>\r\n"
                            "\t\t<AntitankRequired>0</AntitankRequired>\r\n"
                            "\t\t<AntitankRecommend>1</AntitankRecommend>\r\n"
                            "\t\t<BriefingCycleImage>cycle01.rsb</BriefingCycleImage>\r\n"
                            "\t\t<LocationText>北海道・旭川</LocationText>\r\n"
                            "\t\t<DateText>1999年3月2日</DateText>\r\n"
                            "\t\t<TimeText>05:30</TimeText>\r\n"
                            "\t\t<BriefingWaveFile>brief01.wav</BriefingWaveFile>\r\n"
                            "\t\t<BriefingText>敵の補給基地を制圧せよ。{p}表示のソ連製装備に注意。"
                            "\r\n第二小隊は北から進入。</BriefingText>\r\n"
                            "\t\t<WeatherIndex>3</WeatherIndex>\r\n"
                            "\t\t<CombatPoints>250</CombatPoints>\r\n"
                            "\t\t<Class0>0</Class0>\r\n"
                            "\t\t<Class1>1</Class1>\r\n"
                            "\t\t<Class2>1</Class2>\r\n"
                            "\t\t<Class3>2</Class3>\r\n"
                            "\t\t<Class4>3</Class4>\r\n"
                            "\t\t<Class5>0</Class5>\r\n"
                            "\t</Briefing>\r\n"
                            "\t<Properties>\r\n"
                            "\t\t<Name>夜明けの森</Name>\r\n"
                            "\t\t<RequiresUnlocking>0</RequiresUnlocking>\r\n"
                            "\t\t<GameTypes>1</GameTypes>\r\n"
                            "\t\t<SinglePlayer>1</SinglePlayer>\r\n"
                            "\t\t<Coop>1</Coop>\r\n"
                            "\t\t<Team>0</Team>\r\n"
                            "\t\t<Solo>0</Solo>\r\n"
                            "\t\t<HeroFile>heroes\\unlock01.atr</HeroFile>\r\n"
                            "\t\t<Objectives count=\"2\"/>\r\n"
                            "\t</Properties>\r\n"
                            "</Mission>\r\n";

const std::string kNoFog = "<Mission>\r\n\t<Engine>\r\n\t\t<Wind>5</Wind>\r\n\t</Engine>\r\n"
                           "</Mission>\r\n";

class MissionPageTest : public ::testing::Test {
protected:
    MissionPageTest() : page(document, dialogs) {}

    QLineEdit* edit(const char* name) { return child<QLineEdit>(&page, name); }
    QCheckBox* box(const char* name) { return child<QCheckBox>(&page, name); }
    QComboBox* list(const char* name) { return child<QComboBox>(&page, name); }
    QRadioButton* radio(const char* name) { return child<QRadioButton>(&page, name); }
    ColorButton* fogButton() { return child<ColorButton>(&page, "FogButton"); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

    void showActive() {
        page.show();
        page.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    }
    // Whether every fog field is enabled and shaded as an input field, or else disabled and
    // shaded so.
    void expectFogFields(bool on) {
        for (const char* name :
             {"Edit08m", "Edit09m", "Edit10m", "ColorEdit01", "ColorEdit02", "ColorEdit03"}) {
            EXPECT_EQ(edit(name)->isEnabled(), on) << name;
            EXPECT_TRUE(on ? shadedAsInput(edit(name)) : shadedAsDisabled(edit(name))) << name;
        }
    }

    FakeDialogs dialogs;
    dorva::Document document{dorva::Kind::Mission};
    MissionPage page;
    BriefingDialog& briefing = *page.briefingDialog();
};

TEST_F(MissionPageTest, FreshPageShowsTheDefaults) {
    for (const char* name :
         {"Edit01m", "Edit02m", "Edit03m", "Edit04m", "Edit05m", "Edit06m", "Edit11m", "Edit12m",
          "Edit14m", "Edit15m", "Edit16m", "Edit17m", "Edit18m", "Edit19m", "Edit20m"})
        EXPECT_EQ(edit(name)->text(), "") << name;
    for (const char* name : {"Edit05m", "Edit06m", "Edit08m", "Edit09m", "Edit10m", "Edit19m"})
        EXPECT_NE(qobject_cast<EditHex*>(edit(name)), nullptr) << name;
    for (const char* name : {"Edit08m", "Edit09m", "Edit10m"})
        EXPECT_EQ(edit(name)->text(), "0") << name;
    for (const char* name : {"ColorEdit01", "ColorEdit02", "ColorEdit03"})
        EXPECT_EQ(edit(name)->text(), "255") << name;
    expectFogFields(false);
    EXPECT_TRUE(radio("RadioButton1")->isChecked());
    EXPECT_FALSE(edit("Edit05m")->isEnabled());
    EXPECT_TRUE(shadedAsDisabled(edit("Edit05m")));
    for (QCheckBox* b : page.findChildren<QCheckBox*>())
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_TRUE(fogButton()->isEnabled());
    EXPECT_FALSE(page.saveButton()->isEnabled());
}

TEST_F(MissionPageTest, ControlsCarryTheirNamesAndCaptionsInTheirGroups) {
    const std::map<QString, QStringList> groups = {
        {"Map Properties",
         {"Environment", "Map Shots", "Map Name", "Recommend\nGame Type", "Clear", "Rain", "Snow",
          "Intensity", "Wind", "Map Size", "Available Custom GameType", "Fog OverRide", "Color",
          "Near", "Far", "Spot"}},
        {"Briefing",
         {"Image", "Cycle Image", "Weather", "Location", "Date", "Time", "Wav", "Text", "Edit",
          "Demo charges required", "AT Rocket required", "Demo charges recommended",
          "AT Rocket recommended"}},
        {"Mission Properties", {"Name", "Requires Unlocking", "Combat Points", "Unlock Heros"}},
        {"Supported Mode", {"Single", "MP Coop", "MP Team", "MP Solo"}},
        {"Default Team", {"Alpha 1", "Alpha 2", "Alpha 3", "Bravo 1", "Bravo 2", "Charie 1"}},
    };
    for (const auto& [title, captions] : groups) {
        SCOPED_TRACE(title.toStdString());
        QGroupBox* group = nullptr;
        for (QGroupBox* g : page.findChildren<QGroupBox*>())
            if (g->title() == title)
                group = g;
        ASSERT_NE(group, nullptr);
        expectCaptions(group, captions);
    }

    const QStringList classes = {"Demolitions", "Rifleman", "Sniper", "Support"};
    const std::map<QString, QStringList> entries = {
        {"Edit07m", {"Non Specified", "Small", "Medium", "Large"}},
        {"Edit13m",
         {"sunny", "partly-cloudy", "cloudy", "rain", "snow", "clear (night)",
          "partly-cloudy (night)", "foggy"}},
        {"Edit21m", classes},
        {"Edit22m", classes},
        {"Edit23m", classes},
        {"Edit24m", classes},
        {"Edit25m", classes},
        {"Edit26m", classes},
    };
    for (const auto& [name, expected] : entries) {
        auto* combo = child<QComboBox>(&page, name);
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->isEditable());
        EXPECT_EQ(combo->currentIndex(), 0);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, expected) << name.toStdString();
    }

    // Control names stop at the last one the page has.
    QStringList editNames;
    for (QWidget* w : page.findChildren<QWidget*>())
        if (w->objectName().startsWith("Edit") && w->objectName().endsWith("m"))
            editNames << w->objectName();
    editNames.sort();
    QStringList expectedNames;
    for (int i = 1; i <= 26; ++i)
        expectedNames << QString("Edit%1m").arg(i, 2, 10, QChar('0'));
    EXPECT_EQ(editNames, expectedNames);
    EXPECT_EQ(child<QPushButton>(&page, "Button25")->text(), "Edit");
    EXPECT_EQ(fogButton()->size(), QSize(33, 16));
}

// At the interface font, on the page as the main window shows it.
TEST(MissionPageLayout, NothingClippedOrOverlapping) {
    const QFont before = QApplication::font();
    applyUiFont();
    {
        WindowFixture f;
        f.window.show();
        QApplication::processEvents();
        MissionPage& page = *f.window.missionPage();
        // The page gets the whole page area and no more.
        for (QWidget* w = &page; w != f.window.centralWidget(); w = w->parentWidget())
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
                << w->metaObject()->className();
        expectCleanLayout(&page);
    }
    QApplication::setFont(before);
}

TEST_F(MissionPageTest, LoadFillsEveryField) {
    load(page, cp932(kSample));
    const std::map<const char*, std::string> texts = {
        {"Edit01m", "env\\forest01.env"},
        {"Edit02m", "shots\\forest"},
        {"Edit03m", "森の村"},
        {"Edit04m", "coop team"},
        {"Edit05m", "40"},
        {"Edit06m", "12"},
        {"Edit08m", "10"},
        {"Edit09m", "300"},
        {"Edit10m", "90"},
        {"ColorEdit01", "200"},
        {"ColorEdit02", "180"},
        {"ColorEdit03", "160"},
        {"Edit11m", "brief01.rsb"},
        {"Edit12m", "cycle01.rsb"},
        {"Edit14m", "北海道・旭川"},
        {"Edit15m", "1999年3月2日"},
        {"Edit16m", "05:30"},
        {"Edit17m", "brief01.wav"},
        {"Edit18m", "夜明けの森"},
        {"Edit19m", "250"},
        {"Edit20m", "heroes\\unlock01.atr"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(edit(name)->text().toStdString(), text) << name;
    const std::map<const char*, bool> checks = {
        {"CheckFog", true},       {"CheckGTF", true},        {"CheckDemoReq", true},
        {"CheckDemoReco", false}, {"CheckRocketReq", false}, {"CheckRocketReco", true},
        {"CheckSP", true},        {"CheckMC", true},         {"CheckMT", false},
        {"CheckMS", false},       {"CheckUnlock", false},
    };
    for (const auto& [name, on] : checks)
        EXPECT_EQ(box(name)->isChecked(), on) << name;
    EXPECT_TRUE(radio("RadioButton2")->isChecked());
    EXPECT_FALSE(radio("RadioButton1")->isChecked());
    EXPECT_TRUE(edit("Edit05m")->isEnabled());
    expectFogFields(true);
    const std::map<const char*, QString> lists = {
        {"Edit07m", "Medium"},   {"Edit13m", "rain"},        {"Edit21m", "Demolitions"},
        {"Edit22m", "Rifleman"}, {"Edit23m", "Rifleman"},    {"Edit24m", "Sniper"},
        {"Edit25m", "Support"},  {"Edit26m", "Demolitions"},
    };
    for (const auto& [name, text] : lists)
        EXPECT_EQ(list(name)->currentText(), text) << name;
    EXPECT_EQ(briefing.memo()->toPlainText().toStdString(),
              "敵の補給基地を制圧せよ。{p}表示のソ連製装備に注意。\n第二小隊は北から進入。");
    EXPECT_EQ(fogButton()->color(), QColor(200, 180, 160));
}

TEST_F(MissionPageTest, UneditedSaveGivesTheFileBack) {
    const std::string bytes = cp932(kSample);
    load(page, bytes);
    EXPECT_EQ(output(page), bytes);
    EXPECT_EQ(output(page), bytes);

    // Bare LF line breaks come back as CR LF, nothing else changes.
    std::string lf = bytes;
    for (std::size_t p = lf.find("\r\n"); p != std::string::npos; p = lf.find("\r\n", p))
        lf.erase(p, 1);
    load(page, lf);
    EXPECT_EQ(output(page), bytes);

    // Values with blanks and line breaks, empty forms and a repeated tag travel unchanged.
    const std::string odd =
        replaced(kSample, {{"<Wind>12</Wind>", "<Wind> 12\r\n</Wind>"},
                           {"<MapName>森の村", "<MapName>\r\n\t森 の村 "},
                           {"<MapShots>shots\\forest</MapShots>", "<MapShots/>"},
                           {"<TimeText>05:30", "<TimeText>\t05:30"},
                           {"</Properties>", "\t<Name>x</Name>\r\n</Properties>"}});
    load(page, cp932(odd));
    EXPECT_EQ(edit("Edit06m")->text(), " 12\r\n");
    EXPECT_EQ(edit("Edit03m")->text(), QString::fromUtf8("\r\n\t森 の村 "));
    EXPECT_EQ(edit("Edit02m")->text(), "");
    // The empty form is the one thing the format itself completes.
    EXPECT_EQ(output(page), cp932(replaced(odd, {{"<MapShots/>", "<MapShots></MapShots>"}})));
}

TEST_F(MissionPageTest, UserEditsAreWrittenIntoTheDocument) {
    showActive();
    load(page, cp932(kSample));
    retype(edit("Edit03m"), QString::fromUtf8("湖の村"));
    click(box("CheckMT"));
    click(box("CheckDemoReq"));
    click(radio("RadioButton3"));
    retype(list("Edit22m"), "Sniper");
    edit("Edit19m")->setFocus();
    QTest::keyClick(edit("Edit19m"), Qt::Key_End);
    QTest::keyClicks(edit("Edit19m"), "0");
    retype(edit("Edit09m"), "");
    QTimer::singleShot(0, [this] {
        QPlainTextEdit* memo = briefing.memo();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_Return);
        typeText(memo, QString::fromUtf8("以上。"));
        QTest::mouseClick(child<QPushButton>(&briefing, "ButtonOK"), Qt::LeftButton);
    });
    click(child<QPushButton>(&page, "Button25"));

    const std::string expected =
        replaced(kSample, {{"<Rain>1", "<Rain>0"},
                           {"<Snow>0", "<Snow>1"},
                           {"Far = \"300\"", "Far = \"0\""},
                           {"<MapName>森の村", "<MapName>湖の村"},
                           {"<DemoRequired>1", "<DemoRequired>0"},
                           {"北から進入。</BriefingText>", "北から進入。\r\n以上。</BriefingText>"},
                           {"<CombatPoints>250", "<CombatPoints>2500"},
                           {"<Class1>1", "<Class1>2"},
                           {"<Team>0", "<Team>1"}});
    EXPECT_EQ(output(page), cp932(expected));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Opening another file leaves nothing of the last one to undo, also where the new file has the
// same text: in an editable list and in the briefing memo (edited and typed back as it was).
TEST_F(MissionPageTest, AnOpenedFileHasNothingOfTheLastOneToUndo) {
    showActive();
    load(page, cp932(kSample));
    retype(list("Edit22m"), "Sniper");
    QPlainTextEdit* memo = briefing.memo();
    memo->moveCursor(QTextCursor::End);
    typeText(memo, "x");
    QTest::keyClick(memo, Qt::Key_Backspace);
    load(page, output(page)); // another file with the same values
    EXPECT_EQ(list("Edit22m")->currentText(), "Sniper");
    EXPECT_FALSE(list("Edit22m")->lineEdit()->isUndoAvailable());
    EXPECT_FALSE(memo->document()->isUndoAvailable());
}

TEST_F(MissionPageTest, FogOverrideSwitchedOnInsertsTheElement) {
    showActive();
    load(page, cp932(kNoFog));
    click(box("CheckFog"));
    retype(edit("Edit09m"), "500");
    retype(edit("Edit10m"), "75");
    dialogs.colorAnswers.push_back(QColor(1, 2, 3));
    click(fogButton());
    EXPECT_EQ(output(page), "<Mission>\r\n\t<Engine>\r\n"
                            "\t\t<Snow>0</Snow>\r\n"
                            "\t\t<Rain>0</Rain>\r\n"
                            "\t\t<Weather></Weather>\r\n"
                            "\t\t<Wind>5</Wind>\r\n"
                            "\t\t<FogOverride Near = \"0\" Far = \"500\" Red = \"1\" Green = "
                            "\"2\" Blue = \"3\" Spot = \"75\"/>\r\n"
                            "\t</Engine>\r\n</Mission>\r\n");
}

TEST_F(MissionPageTest, NumberFieldsTakeOnlyDigitsAndFogFieldsAreRepairedOnLeaving) {
    showActive();
    load(page, cp932(kSample));
    expectDigitKeysOnly(&page, {"Edit06m", "ColorEdit01"}, "Edit01m");
    expectLeaveRules(&page, dialogs,
                     {
                         {"Edit08m", "", "0"},
                         {"Edit10m", "99999", "99999"},
                         {"ColorEdit01", "", "255"},
                         {"ColorEdit02", "256", "255"},
                         {"ColorEdit03", "007", "007"},
                         {"ColorEdit01", "0", "0"},
                         // Too large for a whole number.
                         {"ColorEdit02", "99999999999", "99999999999", true},
                         {"ColorEdit03", "abc", "abc", true},
                         {"Edit06m", "", ""},
                     });
}

TEST_F(MissionPageTest, FogSwitchAndWeatherButtonsEnableTheirFields) {
    showActive();
    load(page, cp932(kNoFog));
    edit("Edit05m")->setText("30");
    click(box("CheckFog"));
    expectFogFields(true);
    edit("Edit09m")->setText("120");
    click(box("CheckFog"));
    expectFogFields(false);
    EXPECT_EQ(edit("Edit09m")->text(), "120");

    const struct {
        const char* button;
        bool intensity;
    } steps[] = {{"RadioButton2", true}, {"RadioButton1", false}, {"RadioButton3", true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.button);
        click(radio(step.button));
        int checked = 0;
        for (const char* name : {"RadioButton1", "RadioButton2", "RadioButton3"})
            checked += radio(name)->isChecked();
        EXPECT_EQ(checked, 1);
        EXPECT_TRUE(radio(step.button)->isChecked());
        EXPECT_EQ(edit("Edit05m")->isEnabled(), step.intensity);
        EXPECT_TRUE(step.intensity ? shadedAsInput(edit("Edit05m"))
                                   : shadedAsDisabled(edit("Edit05m")));
        EXPECT_EQ(edit("Edit05m")->text(), "30");
    }

    // Loading a file without fog and with Clear greys the fields again.
    load(page, cp932(kNoFog));
    EXPECT_TRUE(radio("RadioButton1")->isChecked());
    EXPECT_FALSE(edit("Edit05m")->isEnabled());
    expectFogFields(false);
}

TEST_F(MissionPageTest, ColourDialogFillsTheColourFields) {
    load(page, cp932(kSample));
    edit("ColorEdit01")->setText("012");
    edit("ColorEdit02")->setText("300");
    edit("ColorEdit03")->setText("x");

    click(fogButton()); // cancelled
    ASSERT_EQ(dialogs.colorInitials.size(), 1);
    EXPECT_EQ(dialogs.colorInitials.front(), QColor(12, 255, 255));
    EXPECT_EQ(edit("ColorEdit01")->text(), "012");
    EXPECT_EQ(edit("ColorEdit03")->text(), "x");

    dialogs.colorAnswers.push_back(QColor(0, 128, 7));
    click(fogButton());
    EXPECT_EQ(edit("ColorEdit01")->text(), "0");
    EXPECT_EQ(edit("ColorEdit02")->text(), "128");
    EXPECT_EQ(edit("ColorEdit03")->text(), "7");
    EXPECT_EQ(fogButton()->color(), QColor(0, 128, 7));
    EXPECT_NE(output(page).find("Red = \"0\" Green = \"128\" Blue = \"7\""), std::string::npos);

    load(page, cp932(kNoFog));
    EXPECT_EQ(fogButton()->color(), QColor(255, 255, 255));
}

TEST_F(MissionPageTest, FailedLoadChangesNothing) {
    showActive();
    load(page, cp932(kSample));
    retype(edit("Edit18m"), QString::fromUtf8("改名"));
    const auto snapshot = [this] {
        QStringList state;
        for (QLineEdit* e : page.findChildren<QLineEdit*>())
            state << e->objectName() + "=" + e->text() + (e->isEnabled() ? "+" : "-");
        for (QAbstractButton* b : page.findChildren<QAbstractButton*>())
            state << b->objectName() + (b->isChecked() ? "1" : "0");
        for (QComboBox* c : page.findChildren<QComboBox*>())
            state << c->objectName() + ":" + QString::number(c->count()) + c->currentText();
        state << briefing.memo()->toPlainText();
        return state;
    };
    const QStringList before = snapshot();
    const std::string afterEdit = output(page);
    for (const std::string bad :
         {"<MapName>x</MapName><MapSize>x</MapSize><BriefingText>y</BriefingText>",
          "<Coop>q</Coop><Name>n</Name><Class0>3</Class0><FogOverride", "<DemoRequired>"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(load(page, bad), Error);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(output(page), afterEdit);
    }
}

TEST_F(MissionPageTest, ListValuesWithoutEntryAreKept) {
    showActive();
    const std::string odd = replaced(
        kSample,
        {{"<MapSize>2", "<MapSize>9"}, {"<Class3>2", "<Class3>7"}, {"<Class5>0", "<Class5>8"}});
    load(page, cp932(odd));
    EXPECT_EQ(list("Edit07m")->currentText(), "9");
    EXPECT_EQ(list("Edit24m")->currentText(), "7");
    EXPECT_EQ(list("Edit24m")->count(), 5);
    EXPECT_EQ(output(page), cp932(odd));

    // Picking a real entry replaces the value; the other kept value stays.
    list("Edit24m")->setCurrentIndex(1);
    retype(list("Edit26m"), "nonsense");
    EXPECT_EQ(list("Edit26m")->currentText(), "8");
    EXPECT_EQ(output(page), cp932(replaced(odd, {{"<Class3>7", "<Class3>1"}})));

    load(page, cp932(kSample));
    for (const char* name : {"Edit07m", "Edit24m", "Edit26m"})
        EXPECT_EQ(list(name)->count(), 4) << name;
    EXPECT_EQ(list("Edit24m")->currentText(), "Sniper");
}

TEST_F(MissionPageTest, TypingInAListCompletesFromThatListsEntries) {
    showActive();
    load(page, cp932(kSample));
    // The lists share one completer; each must complete from its own entries, in any order.
    const std::vector<std::tuple<const char*, const char*, const char*>> typed = {
        {"Edit07m", "me", "Medium"},
        {"Edit21m", "sn", "Sniper"},
        {"Edit13m", "fo", "foggy"},
        {"Edit07m", "LA", "Large"},
        {"Edit26m", "su", "Support"}};
    for (const auto& [name, text, entry] : typed) {
        retype(list(name), text);
        EXPECT_EQ(list(name)->currentText(), entry) << name << " " << text;
    }
    // The saver leaves Map Size and Weather as they stand in the file.
    EXPECT_EQ(output(page),
              cp932(replaced(kSample, {{"<Class0>0", "<Class0>2"}, {"<Class5>0", "<Class5>3"}})));
}

TEST_F(MissionPageTest, CharacterWithoutCodeGivesAnErrorNamingTheField) {
    const std::string bytes = cp932(kSample);
    load(page, bytes);
    edit("Edit18m")->setText(QString::fromUtf8("Café"));
    expectSaveStopsAt(page, "Edit18m");
    edit("Edit18m")->setText(QString::fromUtf8("夜明けの森"));
    EXPECT_EQ(output(page), bytes);
}

TEST(MissionPageInMainWindow, OpenEditSaveWritesTheFile) {
    WindowFixture f;
    MissionPage& page = *f.window.missionPage();
    f.open(page, "forest.mis", cp932(kSample));
    EXPECT_EQ(child<QLineEdit>(&page, "Edit03m")->text(), QString::fromUtf8("森の村"));

    child<QLineEdit>(&page, "Edit16m")->setText("06:00");
    QTest::mouseClick(child<QCheckBox>(&page, "CheckUnlock"), Qt::LeftButton);
    QTest::mouseClick(page.saveButton(), Qt::LeftButton);
    ASSERT_TRUE(f.dialogs.errors.isEmpty()) << f.dialogs.errors.join("; ").toStdString();
    EXPECT_EQ(testfiles::readFile(f.dir.filePath("forest.mis").toStdString()),
              cp932(replaced(kSample, {{"<TimeText>05:30", "<TimeText>06:00"},
                                       {"<RequiresUnlocking>0", "<RequiresUnlocking>1"}})));
}

} // namespace
