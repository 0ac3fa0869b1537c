#pragma once

#include "controls/dialogs.h"
#include "document/document.h"
#include "document/history.h"

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace dorva {

class DocumentPage;
struct FieldDifference;

// Owns the three documents of the editor, one per kind, and every flow around them: opening
// from any source, asking before unsaved changes are lost, Save and Save as, the check for
// files another program changed, and their quiet reload. The pages show the documents; the
// main window builds menus and routes to this. Dialogs are shown over window.
class DocumentController : public QObject {
    Q_OBJECT
public:
    // How a file was opened; each way turns on its own set of controls.
    enum class OpenWay { PageButton, Menu, FileList };

    DocumentController(Dialogs& dialogs, QWidget* window);

    Document& document(Kind kind) { return documents_[index(kind)]; }
    const Document& document(Kind kind) const { return documents_[index(kind)]; }
    // The document's edits to undo and redo; a new document starts a fresh one.
    History& history(Kind kind) { return histories_[index(kind)]; }
    // Whether the document holds changes a save would write, as last noted.
    bool modified(Kind kind) const { return modified_[index(kind)]; }
    // The file's name as the title and the questions show it, or what stands for the file of a
    // document without one.
    QString nameOf(Kind kind) const;
    // Whether the page's "Save as..." button is on offer: a mission's only once it was opened
    // by its button or the menu.
    bool saveAsOffered(Kind kind) const { return saveAsOffered_[index(kind)]; }
    // The page showing the kind's document, once the window has built it.
    void setPage(Kind kind, DocumentPage* page);

    // Runs one request of the user and shows any Error it raises in the error box.
    void request(const std::function<void()>& work);
    // Whether a request is running, during which no file is reloaded.
    bool busy() const { return busy_ > 0; }

    // Asks for a file in the kind's Open dialog and opens it.
    void open(Kind kind, OpenWay way);
    // Opens the file (the file system's bytes) after asking about unsaved changes; false when
    // the user kept the document. Throws Error when the file cannot be read or loaded, leaving
    // the document as it was.
    bool openPath(Kind kind, const std::string& path, OpenWay way);
    // Opens the file as "Open(&O)" would in the page of the kind its extension names, after
    // showPage showed that page. Throws Error as openPath does, and for a file of no kind.
    void openFile(const std::string& path, const std::function<void(Kind)>& showPage);
    // The same for each file, as the user writes them. A file that fails shows its error and
    // the others still open.
    void openFiles(const QStringList& paths, const std::function<void(Kind)>& showPage);
    // Each returns whether it saved; false when the user cancelled.
    bool save(Kind kind);
    bool saveAs(Kind kind);
    // Whether the document may be replaced: one with unsaved changes asks first, and saves them
    // when the user says so.
    bool mayReplace(Kind kind);
    // The same for every document, as closing the window asks.
    bool mayCloseAll();
    // Reloads each document whose file another program changed, unless it holds unsaved
    // changes.
    void reloadChangedFiles();
    // Takes note of an edit of the document by the user.
    void noteEdit(Kind kind);
    // Lists the document's unsaved changes field by field; choosing a row puts the focus on
    // that field.
    void showChanges(Kind kind);

signals:
    // The document's modified state or file may have changed.
    void documentChanged(Kind kind);
    // A file became the document's file by an open or by Save as; byMenu tells an open as
    // "Open(&O)" does it.
    void fileTaken(Kind kind, const std::string& path, bool byMenu);

private:
    static std::size_t index(Kind kind) { return static_cast<std::size_t>(kind); }
    // Puts the file in the kind's place, as opened the given way.
    void take(Kind kind, const std::string& path, OpenWay way);
    // Puts a document in the kind's place.
    void replace(Kind kind, Document document);
    void settle(Kind kind);
    // Keeps the document as its file now holds it.
    void keepSaved(Kind kind);
    // The differences in a window with a column of values under each header.
    void showDifferences(Kind kind, const QStringList& headers,
                         std::vector<FieldDifference> differences);

    Dialogs& dialogs_;
    QWidget* window_;
    std::array<Document, 3> documents_{Document(Kind::Mission), Document(Kind::Actor),
                                       Document(Kind::Kit)};
    std::array<History, 3> histories_;
    // The documents as last read from or written to their files; a fresh page before that.
    std::array<Document, 3> saved_ = documents_;
    std::array<DocumentPage*, 3> pages_{};
    std::array<bool, 3> modified_{};
    std::array<bool, 3> saveAsOffered_{false, true, true};
    std::array<FileDialogState, 3> openStates_;
    std::array<FileDialogState, 3> saveStates_;
    int busy_ = 0;
};

} // namespace dorva
