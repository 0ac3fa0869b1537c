#pragma once

#include <QString>

class QComboBox;

namespace dorva {

// A fixed list shows a value read from a file even when it has no entry for it: the value is
// appended as an extra entry and selected, so the user sees it and a save writes it back.
// Picking a real entry replaces it; the next value shown removes the extra entry again.

// Selects the entry whose text equals text (case-sensitively), or an extra entry holding it.
void showListText(QComboBox* list, const QString& text);

// Selects the entry whose index is the decimal number text, or an extra entry holding text.
void showListIndex(QComboBox* list, const QString& text);

// Whether the list holds an extra entry that is not selected, which the next value shown
// removes.
bool hasUnselectedExtraEntry(const QComboBox* list);

// The selected index in decimal, or the extra entry's text when that is selected.
QString listIndexText(const QComboBox* list);

} // namespace dorva
