#include "document/document.h"
#include "document/fields.h"
#include "document/history.h"
#include "tempfolder.h"
#include "testfiles.h"

#include <gtest/gtest.h>
#include <sstream>

namespace dorva::test {
namespace {

// Marks the fields keyed (all for none), applies the edits "Key=typed text" and "Key:value
// entered" (a field left, a click) separated by '|', and pushes a step named after the keys.
bool step(History& h, Document& d, const std::string& keys, const std::string& edits) {
    std::vector<const Field*> marked;
    std::istringstream words(keys), in(edits);
    for (std::string key; words >> key;)
        marked.push_back(findField(d.kind(), key));
    History::Mark mark = History::mark(d, marked);
    for (std::string e; std::getline(in, e, '|');) {
        const std::size_t at = e.find_first_of("=:");
        const Field& field = *findField(d.kind(), e.substr(0, at));
        e[at] == '=' ? d.setText(field, e.substr(at + 1)) : enterValue(d, field, e.substr(at + 1));
    }
    return h.push(d, std::move(mark), keys);
}

// The keys of the fields, then every value shown.
std::string seen(const Document& d, const std::vector<const Field*>& fields = {}) {
    std::string s;
    for (const Field* field : fields)
        s += field->key + ' ';
    for (const Field& field : fieldsOf(d.kind()))
        s += '|' + d.text(field);
    return s;
}

// Undo shows every field as before the step and redo as after it, without a click's rules.
TEST(History, OneStepPerEditThatUndoAndRedoPutBackExactly) {
    const struct {
        Kind kind;
        const char *setup, *marked, *edits, *changed; // marked "": all; changed "": no step
    } rows[] = {
        {Kind::Kit, "", "Count1", "Count1=20|Count1:2000", "Count1 "},
        {Kind::Kit, "Count1=1", "Count1", "Count1=|Count1:", ""},
        {Kind::Actor, "", "ArmorLevel", "ArmorLevel:2", "ArmorLevel "},
        {Kind::Actor, "", "Weapon", "Weapon=1\u2603", "Weapon "},
        {Kind::Mission, "", "", "FogOverride:1", "FogOverride "},
        {Kind::Mission, "", "", "Precipitation:Snow", "Precipitation "},
        {Kind::Kit, "GrenadeLauncher:1|Item2=g", "", "ExtraAmmo:1",
         "GrenadeLauncher Item2 Count2 ExtraAmmo "},
        {Kind::Kit, "ExtraAmmo:1|Count2=", "", "GrenadeLauncher:1", "GrenadeLauncher ExtraAmmo "},
        {Kind::Kit, "Item2=\u2603", "", "ExtraAmmo:1", "Item2 Count2 ExtraAmmo "},
        {Kind::Mission, "FogGreen=7", "FogBlue FogRed FogGreen", "FogRed=1|FogGreen=7|FogBlue=2",
         "FogRed FogBlue "},
        {Kind::Mission, "", "BriefingText", "BriefingText=a|BriefingText=a\n\u2603|BriefingText=b",
         "BriefingText "},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edits);
        Document d(row.kind);
        History h;
        step(h, d, "", row.setup);
        h.clear();
        const std::string before = seen(d);
        ASSERT_EQ(step(h, d, row.marked, row.edits), *row.changed != '\0');
        const std::string after = seen(d);
        for (int round = 0; round < 2 && h.canUndo(); ++round) {
            EXPECT_EQ(seen(d, h.undo(d)), row.changed + before);
            EXPECT_EQ(seen(d, h.redo(d)), row.changed + after);
        }
    }
}

// Back on the saved values a document is not modified, also after a save rewrote its text. A
// new step drops the undone ones. The trace: M for modified, the names of undo and redo.
TEST(History, ModifiedFollowsTheSavedValuesAndNamesTheSteps) {
    const TempFolder dir;
    testfiles::writeFile(dir.path("m.mis"), "<Name>x</Name>\r\n<Wind>1</Wind>\r\n");
    Document m = Document::open(Kind::Mission, dir.path("m.mis"));
    History h;
    std::string trace;
    for (const std::string move :
         {"Name=A", "<", ">", "save", "Wind=5", "<", "<", ">", ">", "<", "Name=z", ">"}) {
        if (move == "<")
            h.undo(m);
        else if (move == ">")
            h.redo(m);
        else if (move == "save")
            m.save();
        else
            step(h, m, move.substr(0, move.find('=')), move);
        trace += (m.modified() ? "M" : "-") + h.undoName() + "/" + h.redoName() + " ";
    }
    EXPECT_EQ(trace, "MName/ -/Name MName/ -Name/ MWind/ -Name/Wind M/Name -Name/Wind MWind/ "
                     "-Name/Wind MName/ MName/ ");
}

} // namespace
} // namespace dorva::test
