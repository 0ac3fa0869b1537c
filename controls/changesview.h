#pragma once

#include "document/comparison.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class QTreeWidget;

namespace dorva {

struct Field;

// "Changes - NAME": a row per changed field, in the field table's order, with the field's
// caption and its value in each document compared, one column each under the headers the
// caller gives ("Saved", "Now"; or "When opened", "On disk now", "In the editor").
// Double-clicking a row (or Enter on it) closes the window with that row's field chosen, for
// the caller to put the focus on.
class ChangesView : public QDialog {
    Q_OBJECT
public:
    // One header per value of each difference.
    ChangesView(const QString& name, const QStringList& valueHeaders,
                const std::vector<FieldDifference>& differences, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    // The field of the row chosen; null unless one was.
    const Field* chosenField() const { return chosen_; }

private:
    QTreeWidget* list_;
    std::vector<const Field*> rowFields_;
    const Field* chosen_ = nullptr;
};

// A value (code page 932) as the list shows it: a list's entry rather than its index, a check
// box as "checked" or "unchecked", a memo on one line with each line break as "↵".
QString changeText(const Field& field, const std::string& value);

} // namespace dorva
