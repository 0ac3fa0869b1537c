#pragma once

#include <QString>
#include <functional>
#include <string>

class QLineEdit;

namespace dorva {

// Lets only the digits "0" to "9" and Backspace reach the field by typing; every other key that
// types a character (letters, signs, the point, blanks, and the control characters of the
// clipboard shortcuts) is dropped. Keys that type nothing (arrows, Delete, Home, Tab) work as
// usual, and pasting from the context menu is not filtered.
void installDigitKeyFilter(QLineEdit* field);

// When the focus moves from the field to another control, the field's text (as code page 932
// bytes) is replaced by repair(text). When repair throws Error, the text stays and report gets
// the message. Losing the focus to another window does not count as leaving.
using FieldRepair = std::function<std::string(const std::string&)>;
void installLeaveRepair(QLineEdit* field, FieldRepair repair,
                        std::function<void(const QString&)> report);

} // namespace dorva
