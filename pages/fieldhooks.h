#pragma once

#include <functional>

class QLineEdit;

namespace dorva {

// Lets only the digits "0" to "9" and Backspace reach the field by typing; every other key that
// types a character (letters, signs, the point, blanks, and the control characters of the
// clipboard shortcuts) is dropped. Keys that type nothing (arrows, Delete, Home, Tab) work as
// usual, and pasting from the context menu is not filtered.
void installDigitKeyFilter(QLineEdit* field);

// Runs action when the focus moves from the field to another control. Losing the focus to
// another window or to a pop-up does not count as leaving.
void installLeaveAction(QLineEdit* field, std::function<void()> action);

} // namespace dorva
