#pragma once

class QComboBox;
class QCompleter;
class QObject;

namespace dorva {

// One completer for many editable lists, completing typed text in place from the entries of
// the list being typed in, as an editable list's own completer does.
QCompleter* makeSharedListCompleter(QObject* parent);

// Makes the list editable with the shared completer. The list builds no completer of its own,
// nor its drop-down until it is first shown: a page of many lists starts as fast as plain ones.
void makeEditable(QComboBox* list, QCompleter* shared);

} // namespace dorva
