#pragma once

#include "controls/dialogs.h"

#include <QString>
#include <QWidget>
#include <string>

class QLineEdit;
class QPushButton;

namespace dorva {

// What the shell needs to know of the kind of file a page edits. Filters use the notation of
// Dialogs.
struct PageFileKind {
    QString openFilter;
    QString saveFilter;
    QString defaultSuffix;
    QString fileMask;              // the file list's mask while the page shows
    bool saveAsWithoutFile = true; // "Save as..." is available before the first open
};

// One page of the main window. The page owns the mapping between a document's bytes and its
// fields; the shell owns file input and output and talks to the page only through this class.
// Each page carries the shell's controls: "Open", "Save", "Save as..." and the read-only status
// field holding the full path of the open file (empty when none).
class DocumentPage : public QWidget {
    Q_OBJECT
public:
    // suffix is the control-name suffix: 'a' Actor, 'm' Mission, 'k' Kit.
    DocumentPage(char suffix, PageFileKind kind, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows a document: parses the bytes first and changes nothing when that throws Error;
    // only then fills the fields. Line breaks are not yet normalised.
    virtual void loadDocument(const std::string& bytes) = 0;
    // The bytes that Save writes. Throws Error (nothing is then written).
    virtual std::string outputBytes() = 0;
    // Called after a successful open of path (not after Save as).
    virtual void fileOpened(const QString& path);

    QString openFilter() const { return kind_.openFilter; }
    QString saveFilter() const { return kind_.saveFilter; }
    QString defaultSuffix() const { return kind_.defaultSuffix; }
    QString fileMask() const { return kind_.fileMask; }
    bool canSaveAsWithoutFile() const { return kind_.saveAsWithoutFile; }

    QPushButton* openButton() const { return openButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* saveAsButton() const { return saveAsButton_; }
    QLineEdit* statusField() const { return statusField_; }
    QString filePath() const;

    FileDialogState* openDialogState() { return &openState_; }
    FileDialogState* saveDialogState() { return &saveState_; }

signals:
    void openRequested();
    void saveRequested();
    void saveAsRequested();

protected:
    Dialogs& dialogs() const { return dialogs_; }
    // Shows an Error raised by a field rule in the error box.
    void reportError(const QString& message);

private:
    const PageFileKind kind_;
    Dialogs& dialogs_;
    QPushButton* openButton_;
    QPushButton* saveButton_;
    QPushButton* saveAsButton_;
    QLineEdit* statusField_;
    FileDialogState openState_;
    FileDialogState saveState_;
};

} // namespace dorva
