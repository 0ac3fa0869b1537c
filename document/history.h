#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace dorva {

class Document;
struct Field;

// The edits of one document, to undo and redo step by step. The editor decides what one step
// is (a field from entering it to leaving it, repair included; a click; a dialog's result): it
// marks the values the edit may change before it and pushes the step after it. Values are kept
// as Document::text shows them and put back with Document::restoreText, so no click rule runs
// again. Saving leaves the history alone: Document::modified() tells whether undo and redo
// landed on the saved values.
class History {
public:
    // Fields with their values (UTF-8) before an edit, in the order of fieldsOf.
    struct Mark {
        std::vector<std::pair<const Field*, std::string>> values;
    };

    // Copies the values of the fields, or of every field of the document's kind when none are
    // given. A briefing can be megabytes: a text field or a dialog marks only its own fields;
    // every field is marked only for a click on a check box or radio button, whose rules may
    // change other fields.
    static Mark mark(const Document& document, const std::vector<const Field*>& fields = {});

    // Adds the step `name` (what the editor calls it, as "Map Name") holding the fields of the
    // mark whose value now differs, and drops the steps undone before. An edit that changed
    // nothing, or landed back on the values it started from, adds nothing and returns false.
    // Takes the mark to keep its values without a copy.
    bool push(const Document& document, Mark before, std::string name);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The name of the step undo takes back (redo puts back); empty when there is none.
    std::string undoName() const;
    std::string redoName() const;

    // Puts back the values before (after) the step and returns the fields it changed, in the
    // order of fieldsOf, so the editor can show and focus the first. Nothing without a step.
    std::vector<const Field*> undo(Document& document);
    std::vector<const Field*> redo(Document& document);

    // A fresh history, as after opening a file.
    void clear();

private:
    // Each field a step changed, with the value the document does not show now: the one before
    // the step while it is done, the one after it while undone. Undo and redo both swap, so
    // a step holds one copy of each value.
    struct Step {
        std::string name;
        std::vector<std::pair<const Field*, std::string>> values;
    };

    static std::vector<const Field*> swap(Document& document, Step& step);

    std::vector<Step> steps_;
    std::size_t done_ = 0; // the steps before it are done, the rest undone
};

} // namespace dorva
