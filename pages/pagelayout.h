#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace dorva {

class DocumentPage;

// Fixed geometry shared by the Actor and Kit pages (pixels, at the 12-pixel interface font).
inline constexpr int kFieldHeight = 21;
inline constexpr int kRowHeight = 24;
inline constexpr int kGroupTop = 18; // first row inside a group box, below its title
inline constexpr int kPageMargin = 8;
inline constexpr int kPageContentWidth = 617;
// The shell's controls stand at the same place on every page.
inline constexpr int kShellControlsTop = 356;

QLabel* addLabel(QWidget* parent, const QString& caption, int x, int y, int width);

// A control of type Field with the given object name, one field high.
template <typename Field>
Field* addField(QWidget* parent, const char* name, int x, int y, int width) {
    auto* field = new Field(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(x, y, width, kFieldHeight);
    return field;
}

// Shows text in a one-line field from its start, as a file name is read best.
void showFieldText(QLineEdit* field, const QString& text);

// Whether the field (if any) holds edits that undo or redo would bring back.
bool holdsEdits(const QLineEdit* field);

// Enables or disables an input field; an enabled one has the window colour, a disabled one the
// button face. Its text stays.
void setInputEnabled(QWidget* field, bool on);

// A field that shows a value but takes no typing: read-only, on the button face.
void makeReadOnlyField(QLineEdit* field);

// Puts "Open", "Save", "Save as..." and the status field in one block at y, and makes them
// the last stops after lastField when tabbing through the page.
void placeShellControls(DocumentPage* page, int y, QWidget* lastField);

} // namespace dorva
