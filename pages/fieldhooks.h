#pragma once

#include <functional>

class QLineEdit;
class QWidget;

namespace dorva {

// Lets only the digits "0" to "9" and Backspace reach the field by typing; every other key that
// types a character (letters, signs, the point, blanks, and the control characters of the
// clipboard shortcuts) is dropped. Keys that type nothing (arrows, Delete, Home, Tab) work as
// usual, undo and redo included, and pasting from the context menu is not filtered.
void installDigitKeyFilter(QLineEdit* field);

// Tells when the focus enters a field's control and when it leaves it for another control of
// the window; losing the focus to another window or to a pop-up does not count as leaving.
// While the field's own text (edit) has nothing to undo or redo, the undo and redo keys go on
// to the window, whose page then undoes its last step.
void installFieldFocus(QWidget* control, QLineEdit* edit, std::function<void()> enter,
                       std::function<void()> leave);

} // namespace dorva
