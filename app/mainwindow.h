#pragma once

#include "app/settings.h"
#include "document/document.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <string>

class QAction;
class QTabWidget;

namespace dorva {

class AboutBox;
class ActorPage;
class BriefingDialog;
class Dialogs;
class DocumentPage;
class FileBrowser;
class KitPage;
class MissionPage;

// The main window "Form1": the pages "Mission", "Actor" and "Kit" beside the file browser, the
// menu and its keys. It owns the three documents the pages show, and opens and saves them. A
// page is built the first time it is needed, so start-up pays only for the one that shows.
// Every error of a request ends up in one error box.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Restores position, last page and last folder from settingsPath; startFolder is the
    // folder the program was started in (the file browser's folder when none is stored), empty
    // when it has gone; shortcutPath is the shortcut list file.
    MainWindow(Dialogs& dialogs, const QString& settingsPath, const QByteArray& startFolder,
               const QByteArray& shortcutPath, QWidget* parent = nullptr);

    // How a file was opened; each way turns on its own set of controls.
    enum class OpenWay { PageButton, Menu, FileList };

    void openFile(DocumentPage* page, const QString& path, OpenWay way);
    // Opens a file named by the file system's bytes.
    void openPath(DocumentPage* page, const std::string& path, OpenWay way);
    // Opens each file as "Open(&O)" would in the page its extension names, and shows the page of
    // the last one. A file that fails shows its error and the others still open.
    void openFiles(const QStringList& paths);
    DocumentPage* currentPage();
    // The page that shows files of the kind, built when it is first asked for.
    DocumentPage* pageOf(Kind kind);
    MissionPage* missionPage();
    ActorPage* actorPage();
    KitPage* kitPage();
    FileBrowser* fileBrowser() const { return browser_; }
    BriefingDialog* briefingDialog();
    AboutBox* aboutBox();

    // Reloads each page whose file another program changed, unless the page holds unsaved
    // changes; done whenever the window becomes active again.
    void reloadChangedFiles();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    Kind currentKind() const;
    Document& documentOf(Kind kind);
    // Puts a page in place of its tab's stand-in.
    void addPage(Kind kind, DocumentPage* page);
    void restoreSettings(const QByteArray& startFolder, const QByteArray& shortcutPath);
    void placeWindow(const QPoint& topLeft);
    void pageShown();
    void open(Kind kind, OpenWay way);
    // Each returns whether it saved; false when the user cancelled.
    bool save(Kind kind);
    bool saveAs(Kind kind);
    // Whether the document may be replaced: one with unsaved changes asks first, and saves them
    // when the user says so.
    bool mayReplace(Kind kind);
    // Takes note of a change of the document: its marks in the title and the tab.
    void documentChanged(Kind kind);
    void showMarks();
    // Opens the files of a drop when each is of a kind the editor edits.
    bool takeDrop(QEvent* event);
    void toggleFileList();
    void openFromFileList(const QByteArray& path, Kind kind);
    void setOuterWidth(int width);
    // Runs one user request and shows any Error it raises in the error box.
    void request(const std::function<void()>& work);

    Dialogs& dialogs_;
    QString settingsPath_;
    Settings settings_;
    Document missionDocument_{Kind::Mission};
    Document actorDocument_{Kind::Actor};
    Document kitDocument_{Kind::Kit};
    QTabWidget* pageControl_;
    FileBrowser* browser_;
    std::array<DocumentPage*, 3> pages_{}; // by kind; null until built
    AboutBox* about_ = nullptr;
    QAction* openByMenu_ = nullptr;
    QAction* saveByMenu_ = nullptr;
    QAction* saveAsByMenu_ = nullptr;
    QAction* showList_ = nullptr;
    QAction* saveItem_ = nullptr;     // N2
    QAction* saveAsItem_ = nullptr;   // N3
    QAction* showListItem_ = nullptr; // N5
    bool listShown_ = true;
    int busy_ = 0; // requests running, during which no file is reloaded
    std::array<bool, 3> modified_{};
};

} // namespace dorva
