#pragma once

#include "document/kind.h"
#include "formats/fieldrules.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorva {

class Document;

// What kind of control shows a field.
enum class FieldType {
    Text,      // a one-line field
    Flag,      // a check box: "0" or "1"
    IndexList, // a list whose value is the index of the chosen entry
    TextList,  // a list whose value is the chosen entry's text
    Memo,      // several lines, held with CR LF breaks
};

// One field of a page: how the editor and dorva-cli name it, what it takes and how its value
// is read from and put into a document. Values are code page 932 bytes.
struct Field {
    Kind kind = Kind::Mission;
    std::string key; // dorva-cli's name for it
    // The field's name as the user reads it, unique on its page: its label, the name a screen
    // reader gives its control, and how messages, undo and the changes view name it.
    std::string caption;
    // The label's text where the page words it shorter than the caption, as "Item" inside the
    // group "Kit 1".
    std::string label;
    std::string control; // the object name of its control on the page
    FieldType type = FieldType::Text;
    bool digitsOnly = false;     // typing takes only the digits and Backspace
    bool numericControl = false; // shown in the numeric edit control
    // A file name field that its browse button fills from an open dialog: the button's object
    // name and the dialog's filter.
    std::string browseButton;
    std::string browseFilter;
    std::optional<LeaveRepair> repair;
    // A list's entries; for a text field the suggestions its drop-down offers.
    std::vector<std::string> entries;
    // The value the control shows: a list the index a save writes (or a value read from the
    // file that is none of its entries), a check box "0" or "1".
    std::function<std::string(const Document&)> get;
    // The value held as it stands, without a copy, where the document holds it as text.
    std::function<std::string_view(const Document&)> view;
    // Puts what the control now holds into the document: typed text, the chosen entry, a
    // check box's new state (running the rules a click runs).
    std::function<void(Document&, const std::string&)> set;
    // Puts back a value get() gave, without the rules a click runs, as undo does; set when
    // empty.
    std::function<void(Document&, const std::string&)> restore;
    // Whether the control takes typing; the second kit item does not while "Ex Ammo" is set.
    std::function<bool(const Document&)> enabled;
};

// The fields of a kind, in the order dorva-cli lists them.
const std::vector<Field>& fieldsOf(Kind kind);

// Null when the kind has no such field.
const Field* findField(Kind kind, std::string_view key);
const Field* findFieldByControl(Kind kind, std::string_view control);
// The field of that control; the control must exist.
const Field& fieldOfControl(Kind kind, std::string_view control);

// "Weapon" on the Actor page, as messages name a field.
std::string fieldLabel(const Field& field);

// The text of the field's label on its page.
const std::string& labelText(const Field& field);

// Puts a value into the field as if it were pasted and the field then left (its repair
// applies), or as a click on the check box, radio button or list entry. A value the field
// already shows changes nothing for a list or a check box, so show's output can be given back.
// Throws Error for a value the field cannot take.
void enterValue(Document& document, const Field& field, const std::string& value);

} // namespace dorva
