#pragma once

#include "controls/dialogs.h"
#include "document/history.h"
#include "document/kind.h"

#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dorva {

class Document;
struct Field;

// One page of the main window: a view of one document. It shows the document's values in its
// controls and writes every change the user makes back into the document at once; it keeps no
// value of its own. Its controls are made from the field table by key: their object names,
// labels, accessible names, key filters, list entries and browse dialogs all come from there.
// Each page carries the shell's controls: "Open", "Save", "Save as..." and the
// read-only status field showing the full path of the document's file.
class DocumentPage : public QWidget {
    Q_OBJECT
public:
    DocumentPage(Kind kind, Document& document, Dialogs& dialogs, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }
    Document& document() const { return document_; }
    // Shows the document's values in every control, as after a new document took its place.
    void showDocument();
    // Makes text typed into a list final, as leaving the list does; a save does this first.
    virtual void settleEdits() {}

    QPushButton* openButton() const { return openButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* saveAsButton() const { return saveAsButton_; }
    QLineEdit* statusField() const { return statusField_; }

    // The history the page keeps its steps in, the document's; without one it keeps none.
    void setHistory(History* history) { history_ = history; }
    const History* history() const { return history_; }
    // Undoes or redoes the last step, shows the field it changed and puts the focus there. An
    // edit of the field that has the focus counts as a step of its own first.
    void undo();
    void redo();
    // Puts the focus on the field's control.
    void focusField(const Field& field);
    // The fields in the order the page shows them, as the focus moves through them.
    std::vector<const Field*> fieldsInPageOrder() const;

signals:
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    // The user changed the document.
    void edited();
    // A step was added to the history, or undone or redone.
    void historyChanged();

protected:
    Dialogs& dialogs() const { return dialogs_; }
    // Shows an Error raised by a field rule in the error box.
    void reportError(const QString& message);
    // The page's field of the key.
    const Field& field(const char* key) const;

    // Controls made for the field of a key, named as the table says, bound to the field and
    // given its caption as their accessible name. A text field is the numeric edit control
    // where the table says so.
    QLineEdit* addTextField(QWidget* parent, const char* key, const QRect& geometry);
    // A list of the field's entries; editable lists take typed text.
    QComboBox* addListField(QWidget* parent, const char* key, const QRect& geometry);
    QCheckBox* addFlagField(QWidget* parent, const char* key, const QRect& geometry);
    // A radio button for each entry of the field, in the order of its entries.
    void addChoiceField(QWidget* parent, const char* key, const std::vector<QRect>& geometries);
    // The field's label, the buddy of its control.
    QLabel* addFieldLabel(QWidget* parent, const QWidget* control, const QRect& geometry);
    // The field's browse button: it puts the name of a file chosen in the field's open dialog
    // into the field. Buttons of one filter share one dialog, which starts at the last choice.
    QPushButton* addBrowseButton(QWidget* parent, QLineEdit* edit, const QRect& geometry,
                                 const QString& caption = QStringLiteral("..."));

    // Ties a one-line field to a field: it shows the field's value, and what the user types
    // goes into the document. It takes the field's key filter and repair.
    void bindText(QLineEdit* edit, const Field& field);

    // Runs a change of the document that the user made, then shows the document again.
    void change(const std::function<void()>& write);
    // Runs an edit as one step of the history, named after what the user did. It may change
    // the given fields, or any field when none are given.
    void step(const std::string& name, const std::vector<const Field*>& fields,
              const std::function<void()>& edit);
    // The control that stands for a field that no bound control shows, to put the focus on.
    void setFocusTarget(const Field& field, QWidget* control);
    // Shows what the bound controls do not: enabling and values derived from others.
    // newDocument is false after the user's own edit of the document shown.
    virtual void showRest(bool /*newDocument*/) {}

private:
    struct Binding {
        QWidget* control;
        const Field* field;
        int entry = -1; // a radio button's entry of the field
    };

    void bindFlag(QAbstractButton* box, const Field& field);
    void bindList(QComboBox* list, const Field& field);
    // A new document also drops the values a list kept for the previous one.
    void showValues(bool newDocument);
    void showBindings(bool newDocument);
    void repairOnLeave(QLineEdit* edit, const Field& field);
    void browse(QLineEdit* edit, const Field& field);
    // A text field's edit runs from entering it to leaving it.
    void beginEdit(const Field& field);
    void endEdit();
    // Starts the edit of the text field that has the focus, if any.
    void beginFocusedEdit();
    void applyStep(std::vector<const Field*> (History::*apply)(Document&));
    QWidget* controlOf(const Field& field) const;

    const Kind kind_;
    Document& document_;
    Dialogs& dialogs_;
    QPushButton* openButton_;
    QPushButton* saveButton_;
    QPushButton* saveAsButton_;
    QLineEdit* statusField_;
    std::map<std::string, FileDialogState> browseStates_; // by filter
    std::vector<Binding> bindings_;
    std::map<const Field*, QWidget*> focusTargets_;
    History* history_ = nullptr;
    // The text field being edited and its value when the edit began.
    std::optional<std::pair<const Field*, History::Mark>> editing_;
    bool showing_ = false;
};

} // namespace dorva
