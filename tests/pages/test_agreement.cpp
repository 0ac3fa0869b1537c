#include "../cli/runcli.h"
#include "controls/briefingdialog.h"
#include "escapedvalue.h"
#include "pagetesting.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <filesystem>

// The editor and dorva-cli write the same bytes for the same file and the same values: the
// values typed, clicked and picked on a page, and given to dorva-cli set.
namespace {

using namespace pagetesting;
using dorva::Field;
using dorva::FieldType;

struct Edit {
    const char* key;
    const char* value; // UTF-8
};

struct Case {
    dorva::Kind kind;
    const char* file; // below tests/formats/data
    std::vector<Edit> edits;
};

// Does on the page what a user does to give the field the value.
void enterAsUser(dorva::MainWindow& window, dorva::DocumentPage& page, const Field& field,
                 const QString& value) {
    const QString control = QString::fromStdString(field.control);
    switch (field.type) {
    case FieldType::Text:
        retype(child<QWidget>(&page, control), value);
        break;
    case FieldType::Flag: {
        auto* box = child<QCheckBox>(&page, control);
        if (box->isChecked() != (value == "1"))
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        break;
    }
    case FieldType::IndexList:
        child<QComboBox>(&page, control)->setCurrentIndex(value.toInt());
        break;
    case FieldType::TextList:
        if (auto* list = page.findChild<QComboBox*>(control)) {
            list->setCurrentIndex(list->findText(value));
            break;
        }
        for (auto* radio : page.findChildren<QRadioButton*>())
            if (radio->text() == value)
                QTest::mouseClick(radio, Qt::LeftButton);
        break;
    case FieldType::Memo:
        window.briefingDialog()->memo()->setPlainText(QString(value).replace("\r\n", "\n"));
        break;
    }
}

TEST(EditorAndCommandLine, WriteTheSameBytes) {
    const std::vector<Case> cases = {
        {dorva::Kind::Actor,
         "actor/full.atr",
         {{"ActorName", "新しい名前"},
          {"ClassName", "sniper"},
          {"ArmorLevel", "2"},
          {"KitPath", "sniper"},
          {"Weapon", "300"},
          {"Stealth", ""},
          {"ScaleX", "12"},
          {"LOD2", "x.chr"}}},
        {dorva::Kind::Actor, "actor/odd_values.atr", {{"Stamina", "7"}}},
        {dorva::Kind::Kit,
         "kit/both_slots_gl.kit",
         {{"KitTexture", "t.rsb"}, {"Count1", "5000"}, {"ExtraAmmo", "1"}}},
        {dorva::Kind::Kit,
         "kit/second_slot_only.kit",
         {{"Item1", "m16.gun"}, {"Count1", ""}, {"GrenadeLauncher", "1"}}},
        {dorva::Kind::Mission,
         "mission/full.mis",
         {{"Name", "夜明け"},
          {"FogOverride", "1"},
          {"FogRed", "300"},
          {"FogNear", ""},
          {"Class2", "3"},
          {"Precipitation", "Snow"},
          {"CombatPoints", "7"},
          {"DemoRequired", "1"},
          {"BriefingText", "一行目{p}\r\nsecond"}}},
        {dorva::Kind::Mission,
         "mission/sparse.mis",
         {{"MapName", "Dam"}, {"Wind", "4"}, {"Precipitation", "Rain"}, {"GameTypes", "1"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string original =
            testfiles::readFile(std::string(DORVA_FORMATS_DATA) + "/" + c.file);
        const std::string name = std::filesystem::path(c.file).filename().string();

        WindowFixture f;
        dorva::DocumentPage* page = f.window.pageOf(c.kind);
        f.open(*page, QString::fromStdString(name), original);
        std::vector<std::string> arguments = {
            "set", f.dir.filePath("cli-" + QString::fromStdString(name)).toStdString()};
        testfiles::writeFile(arguments.back(), original);
        for (const Edit& e : c.edits) {
            SCOPED_TRACE(e.key);
            const Field* field = dorva::findField(c.kind, e.key);
            ASSERT_NE(field, nullptr);
            enterAsUser(f.window, *page, *field, QString::fromUtf8(e.value));
            arguments.push_back(std::string(e.key) + "=" + dorva::escapeValue(e.value));
        }
        QTest::mouseClick(page->saveButton(), Qt::LeftButton);
        ASSERT_TRUE(f.dialogs.errors.isEmpty()) << f.dialogs.errors.join("; ").toStdString();

        const dorva::test::CliResult cli = dorva::test::runCli(arguments);
        ASSERT_EQ(cli.exitCode, 0) << cli.err;
        const std::string editor =
            testfiles::readFile(f.dir.filePath(QString::fromStdString(name)).toStdString());
        EXPECT_NE(editor, original);
        EXPECT_EQ(editor, testfiles::readFile(arguments[1]));
    }
}

// A page shows a document and gives it back untouched when the user only walks through its
// controls.
TEST(EditorAndCommandLine, WalkingThroughAPageChangesNoValue) {
    for (const char* file : {"actor/full.atr", "kit/both_slots_gl.kit", "mission/full.mis"}) {
        SCOPED_TRACE(file);
        const std::string bytes = testfiles::readFile(std::string(DORVA_FORMATS_DATA) + "/" + file);
        WindowFixture f;
        const auto kind = dorva::kindFromExtension(file);
        dorva::DocumentPage* page = f.window.pageOf(*kind);
        f.open(*page, "walk", bytes);
        const std::string before = page->document().output();
        std::vector<std::string> values;
        for (const Field& field : dorva::fieldsOf(*kind))
            values.push_back(field.get(page->document()));

        page->openButton()->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 80; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        page->settleEdits();

        EXPECT_FALSE(page->document().modified());
        EXPECT_EQ(page->document().output(), before);
        std::size_t i = 0;
        for (const Field& field : dorva::fieldsOf(*kind))
            EXPECT_EQ(field.get(page->document()), values[i++]) << field.key;
    }
}

} // namespace
