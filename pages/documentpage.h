#pragma once

#include "controls/dialogs.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace dorva {

class Document;
struct Field;

// What the shell needs to know of the kind of file a page edits. Filters use the notation of
// Dialogs.
struct PageFileKind {
    QString openFilter;
    QString saveFilter;
};

// One page of the main window: a view of one document. It shows the document's values in its
// controls and writes every change the user makes back into the document at once; it keeps no
// value of its own. The shell owns the documents and their files and talks to the page only
// through this class. Each page carries the shell's controls: "Open", "Save", "Save as..." and
// the read-only status field showing the full path of the document's file.
class DocumentPage : public QWidget {
    Q_OBJECT
public:
    // suffix is the control-name suffix: 'a' Actor, 'm' Mission, 'k' Kit.
    DocumentPage(char suffix, PageFileKind kind, Document& document, Dialogs& dialogs,
                 QWidget* parent = nullptr);

    Document& document() const { return document_; }
    // Shows the document's values in every control, as after a new document took its place.
    void showDocument();
    // Makes text typed into a list final, as leaving the list does; a save does this first.
    virtual void settleEdits() {}

    QString openFilter() const { return kind_.openFilter; }
    QString saveFilter() const { return kind_.saveFilter; }
    QString defaultSuffix() const;
    // The file list's mask while the page shows.
    QString fileMask() const;

    QPushButton* openButton() const { return openButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* saveAsButton() const { return saveAsButton_; }
    QLineEdit* statusField() const { return statusField_; }

    FileDialogState* openDialogState() { return &openState_; }
    FileDialogState* saveDialogState() { return &saveState_; }

signals:
    void openRequested();
    void saveRequested();
    void saveAsRequested();
    // The user changed the document.
    void edited();

protected:
    Dialogs& dialogs() const { return dialogs_; }
    // Shows an Error raised by a field rule in the error box.
    void reportError(const QString& message);
    // The field of one of this page's controls.
    const Field& field(const QString& control) const;
    // The caption of the field the control shows, as the field table gives it.
    QString captionOf(const char* control) const;

    // Ties a control to a field: the control shows the field's value, and what the user does
    // with it goes into the document. A text field takes the field's key filter and repair.
    void bindText(QLineEdit* edit, const Field& field);
    void bindFlag(QAbstractButton* box, const Field& field);
    void bindList(QComboBox* list, const Field& field);

    // Runs a change of the document that the user made, then shows the document again.
    void change(const std::function<void()>& write);
    // Shows what the bound controls do not: enabling and values derived from others.
    // newDocument is false after the user's own edit of the document shown.
    virtual void showRest(bool /*newDocument*/) {}

private:
    struct Binding {
        QWidget* control;
        const Field* field;
    };

    // A new document also drops the values a list kept for the previous one.
    void showValues(bool newDocument);
    void showBindings(bool newDocument);
    void repairOnLeave(QLineEdit* edit, const Field& field);

    const PageFileKind kind_;
    Document& document_;
    Dialogs& dialogs_;
    QPushButton* openButton_;
    QPushButton* saveButton_;
    QPushButton* saveAsButton_;
    QLineEdit* statusField_;
    FileDialogState openState_;
    FileDialogState saveState_;
    std::vector<Binding> bindings_;
    bool showing_ = false;
};

} // namespace dorva
