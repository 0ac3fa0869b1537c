#include "document/document.h"
#include "document/fields.h"
#include "document/history.h"
#include "tempfolder.h"
#include "testfiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace dorva::test {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        parts.push_back(part);
    return parts;
}

// Edits as "Key=typed text" or "Key:clicked value", separated by '|'.
void edit(Document& d, const std::string& edits) {
    for (const std::string& e : split(edits, '|')) {
        const std::size_t at = e.find_first_of("=:");
        const Field& field = *findField(d.kind(), e.substr(0, at));
        e[at] == '=' ? d.setText(field, e.substr(at + 1)) : field.set(d, e.substr(at + 1));
    }
}

// Marks the fields keyed (all for none), edits and pushes a step named after the keys.
bool step(History& h, Document& d, const std::string& keys, const std::string& edits) {
    std::vector<const Field*> marked;
    for (const std::string& key : split(keys, ' '))
        marked.push_back(findField(d.kind(), key));
    History::Mark mark = History::mark(d, marked);
    edit(d, edits);
    return h.push(d, std::move(mark), keys);
}

std::string keysOf(const std::vector<const Field*>& fields) {
    std::string keys;
    for (const Field* field : fields)
        keys += (keys.empty() ? "" : " ") + field->key;
    return keys;
}

std::vector<std::string> shown(const Document& document) {
    std::vector<std::string> texts;
    for (const Field& field : fieldsOf(document.kind()))
        texts.push_back(document.text(field));
    return texts;
}

// Undo shows every field as before the step and redo as after it, without a click's rules.
TEST(History, OneStepPerEditThatUndoAndRedoPutBackExactly) {
    const struct {
        Kind kind;
        const char *setup, *marked, *edits, *changed; // marked "": all; changed "": no step
    } rows[] = {
        {Kind::Kit, "", "Count1", "Count1=20|Count1=2000|Count1=1000", "Count1"},
        {Kind::Kit, "Count1=1", "Count1", "Count1=|Count1=1", ""},
        {Kind::Actor, "", "ArmorLevel", "ArmorLevel:2", "ArmorLevel"},
        {Kind::Actor, "", "Weapon", "Weapon=1\u2603", "Weapon"},
        {Kind::Mission, "", "", "FogOverride:1", "FogOverride"},
        {Kind::Mission, "", "", "Precipitation:Snow", "Precipitation"},
        {Kind::Kit, "GrenadeLauncher:1|Item2=g", "", "ExtraAmmo:1",
         "GrenadeLauncher Item2 Count2 ExtraAmmo"},
        {Kind::Kit, "ExtraAmmo:1|Count2=", "", "GrenadeLauncher:1", "GrenadeLauncher ExtraAmmo"},
        {Kind::Kit, "Item2=\u2603", "", "ExtraAmmo:1", "Item2 Count2 ExtraAmmo"},
        {Kind::Mission, "FogGreen=7", "FogBlue FogRed FogGreen", "FogRed=1|FogGreen=7|FogBlue=2",
         "FogRed FogBlue"},
        {Kind::Mission, "", "BriefingText", "BriefingText=a|BriefingText=a\n\u2603|BriefingText=b",
         "BriefingText"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edits);
        Document document(row.kind);
        edit(document, row.setup);
        const auto before = shown(document);
        History history;
        ASSERT_EQ(step(history, document, row.marked, row.edits), *row.changed != '\0');
        const auto after = shown(document);
        for (int round = 0; round < 2 && history.canUndo(); ++round) {
            EXPECT_EQ(keysOf(history.undo(document)), row.changed);
            EXPECT_EQ(shown(document), before);
            EXPECT_EQ(keysOf(history.redo(document)), row.changed);
            EXPECT_EQ(shown(document), after);
        }
    }
}

// Back on the saved values a document is not modified, also after a save rewrote its text.
TEST(History, ModifiedFollowsTheSavedValues) {
    const TempFolder dir;
    testfiles::writeFile(dir.path("m.mis"),
                         testfiles::crlf({"<MissionFile>", "<Name>x</Name>", "</MissionFile>"}));
    Document mission = Document::open(Kind::Mission, dir.path("m.mis"));
    History h;
    step(h, mission, "Name", "Name=A");
    h.undo(mission);
    EXPECT_FALSE(mission.modified());
    h.redo(mission);
    EXPECT_TRUE(mission.modified());
    mission.save();
    step(h, mission, "Name", "Name=B");
    for (const bool modified : {false, true}) {
        h.undo(mission);
        EXPECT_EQ(mission.modified(), modified);
    }
    for (const bool modified : {false, true}) {
        h.redo(mission);
        EXPECT_EQ(mission.modified(), modified);
    }
}

TEST(History, ANewStepDropsTheUndoneOnes) {
    Document actor(Kind::Actor);
    History h;
    for (const char* key : {"ActorName", "ModelFace", "Stamina"})
        step(h, actor, key, key + std::string("=1"));
    h.undo(actor);
    h.undo(actor);
    EXPECT_EQ(h.undoName() + "/" + h.redoName(), "ActorName/ModelFace");
    step(h, actor, "Stealth", "Stealth=3");
    EXPECT_EQ(h.undoName() + "/" + h.redoName(), "Stealth/");
    EXPECT_TRUE(h.redo(actor).empty());
    h.undo(actor);
    h.undo(actor);
    EXPECT_TRUE(h.undo(actor).empty());
    EXPECT_EQ(shown(actor), shown(Document(Kind::Actor)));
}

} // namespace
} // namespace dorva::test
