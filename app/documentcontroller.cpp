#include "app/documentcontroller.h"

#include "browser/localpath.h"
#include "controls/changesview.h"
#include "document/comparison.h"
#include "formats/error.h"
#include "formats/filename.h"
#include "pages/documentpage.h"

#include <algorithm>

namespace dorva {

DocumentController::DocumentController(Dialogs& dialogs, QWidget* window)
    : QObject(window), dialogs_(dialogs), window_(window) {}

void DocumentController::setPage(Kind kind, DocumentPage* page) {
    pages_[index(kind)] = page;
}

void DocumentController::request(const std::function<void()>& work) {
    ++busy_;
    try {
        work();
    } catch (const Error& error) {
        dialogs_.showError(window_, QString::fromUtf8(error.what()));
    }
    --busy_;
}

void DocumentController::settle(Kind kind) {
    if (DocumentPage* page = pages_[index(kind)])
        page->settleEdits();
}

void DocumentController::noteEdit(Kind kind) {
    modified_[index(kind)] = document(kind).modified();
    emit documentChanged(kind);
}

bool DocumentController::mayReplace(Kind kind) {
    settle(kind);
    noteEdit(kind);
    if (!modified(kind))
        return true;
    const Document& doc = document(kind);
    const QString name = doc.hasFile() ? nameOf(kind) : "the " + nameOf(kind);
    switch (dialogs_.askSaveChanges(window_, QStringLiteral("Save changes to %1?").arg(name))) {
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    case SaveChoice::Save:
        break;
    }
    try {
        return doc.hasFile() ? save(kind) : saveAs(kind);
    } catch (const Error& error) {
        dialogs_.showError(window_, QString::fromUtf8(error.what()));
        return false;
    }
}

bool DocumentController::mayCloseAll() {
    ++busy_;
    const bool all = std::all_of(kKindsInPageOrder.begin(), kKindsInPageOrder.end(),
                                 [this](Kind kind) { return mayReplace(kind); });
    --busy_;
    return all;
}

void DocumentController::open(Kind kind, OpenWay way) {
    if (!mayReplace(kind))
        return;
    const QString path = dialogs_.openFile(window_, QString::fromLatin1(kindOpenFilter(kind)),
                                           openStates_[index(kind)]);
    if (path.isEmpty())
        return;
    take(kind, localPath(path, currentFolder()).toStdString(), way);
}

bool DocumentController::openPath(Kind kind, const std::string& path, OpenWay way) {
    if (!mayReplace(kind))
        return false;
    take(kind, path, way);
    return true;
}

void DocumentController::take(Kind kind, const std::string& path, OpenWay way) {
    // The document changes only when both reading and loading succeed.
    replace(kind, Document::open(kind, path));
    if (way != OpenWay::FileList)
        saveAsOffered_[index(kind)] = true;
    emit fileTaken(kind, path, way == OpenWay::Menu);
}

void DocumentController::openFile(const std::string& path,
                                  const std::function<void(Kind)>& showPage) {
    const std::optional<Kind> kind = kindFromExtension(path);
    if (!kind)
        throw Error(messageCannotOpen(pathText(path)));
    showPage(*kind);
    openPath(*kind, path, OpenWay::Menu);
}

void DocumentController::openFiles(const QStringList& paths,
                                   const std::function<void(Kind)>& showPage) {
    for (const QString& path : paths)
        request([&] { openFile(localPath(path, currentFolder()).toStdString(), showPage); });
}

QString DocumentController::nameOf(Kind kind) const {
    const Document& doc = document(kind);
    return doc.hasFile() ? QString::fromStdString(fileNameText(fileNameOf(doc.path())))
                         : QStringLiteral("new %1 file").arg(kindCaption(kind));
}

void DocumentController::keepSaved(Kind kind) {
    saved_[index(kind)] = document(kind);
}

void DocumentController::replace(Kind kind, Document document) {
    documents_[index(kind)] = std::move(document);
    keepSaved(kind);
    histories_[index(kind)].clear();
    if (DocumentPage* page = pages_[index(kind)])
        page->showDocument();
    noteEdit(kind);
}

bool DocumentController::save(Kind kind) {
    Document& doc = document(kind);
    if (!doc.hasFile())
        return false;
    settle(kind);
    // Another program's changes are not overwritten without asking.
    if (doc.changedOnDisk()) {
        const auto showDiskChanges = [this, kind, &doc] {
            request([&] {
                const Document onDisk = Document::open(kind, doc.path(), Document::Tracking::None);
                showDifferences(kind, {"When opened", "On disk now", "In the editor"},
                                differingFields(saved_[index(kind)], onDisk, doc));
            });
        };
        const QString question =
            QStringLiteral("%1 has changed on disk since it was opened. Overwrite it?")
                .arg(nameOf(kind));
        if (!dialogs_.askOverwrite(window_, question, showDiskChanges))
            return false;
    }
    doc.save();
    keepSaved(kind);
    noteEdit(kind);
    return true;
}

bool DocumentController::saveAs(Kind kind) {
    Document& doc = document(kind);
    if (!doc.canSaveAs())
        return false;
    const QString path =
        dialogs_.saveFile(window_, QString::fromLatin1(kindSaveFilter(kind)),
                          QString::fromLatin1(kindExtension(kind)), saveStates_[index(kind)]);
    if (path.isEmpty())
        return false;
    settle(kind);
    const std::string bytes = localPath(path, currentFolder()).toStdString();
    doc.saveAs(bytes);
    keepSaved(kind);
    if (DocumentPage* page = pages_[index(kind)])
        page->showDocument();
    noteEdit(kind);
    emit fileTaken(kind, bytes, false);
    return true;
}

void DocumentController::showChanges(Kind kind) {
    settle(kind);
    showDifferences(kind, {"Saved", "Now"}, differingFields(saved_[index(kind)], document(kind)));
}

void DocumentController::showDifferences(Kind kind, const QStringList& headers,
                                         std::vector<FieldDifference> differences) {
    DocumentPage* page = pages_[index(kind)];
    if (page) {
        // In the order the page shows its fields.
        const std::vector<const Field*> order = page->fieldsInPageOrder();
        const auto rank = [&order](const FieldDifference& d) {
            return std::find(order.begin(), order.end(), d.field) - order.begin();
        };
        std::stable_sort(differences.begin(), differences.end(),
                         [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    }
    ChangesView view(nameOf(kind), headers, differences, window_);
    if (view.exec() == QDialog::Accepted && view.chosenField() && page)
        page->focusField(*view.chosenField());
}

void DocumentController::reloadChangedFiles() {
    for (const Kind kind : kKindsInPageOrder) {
        Document& doc = document(kind);
        if (modified(kind) || !doc.changedOnDisk())
            continue;
        // Quietly, all or nothing: a file that cannot be read now leaves the page as it was.
        try {
            replace(kind, Document::open(kind, doc.path()));
        } catch (const Error&) {
        }
    }
}

} // namespace dorva
