#pragma once

#include "app/documentcontroller.h"
#include "app/mainmenu.h"
#include "app/settings.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>
#include <array>

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
// menu and its keys. The document controller owns the documents and their flows; the window
// lays out, builds the menus and routes to it. A page is built the first time it is needed,
// so start-up pays only for the one that shows.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using OpenWay = DocumentController::OpenWay;

    // Restores position, last page and last folder from settingsPath; startFolder is the
    // folder the program was started in (the file browser's folder when none is stored), empty
    // when it has gone; shortcutPath is the shortcut list file.
    MainWindow(Dialogs& dialogs, const QString& settingsPath, const QByteArray& startFolder,
               const QByteArray& shortcutPath, QWidget* parent = nullptr);

    DocumentController& controller() { return controller_; }
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    Kind currentKind() const;
    void showPage(Kind kind);
    // Puts a page in place of its tab's stand-in.
    void addPage(Kind kind, DocumentPage* page);
    void restoreSettings(const QByteArray& startFolder, const QByteArray& shortcutPath);
    void pageShown();
    // Sets every Save and Save as button and menu item from the documents and how their
    // files came.
    void updateActions();
    // The title and the tabs' marks of unsaved changes.
    void showMarks();
    void fileTaken(Kind kind, const std::string& path, bool byMenu);
    void openRecent(const QByteArray& path);
    void openFromFileList(const QByteArray& path, Kind kind);
    void toggleFileList();
    void setOuterWidth(int width);

    Dialogs& dialogs_;
    DocumentController controller_;
    QString settingsPath_;
    Settings settings_;
    QTabWidget* pageControl_;
    FileBrowser* browser_;
    std::array<DocumentPage*, 3> pages_{}; // by kind; null until built
    AboutBox* about_ = nullptr;
    MainMenu menu_;
    bool listShown_ = true;
    // Since the page last showed: a file was opened or saved as anywhere, or opened by the menu.
    bool fileTakenSinceShow_ = false;
    bool menuOpenSinceShow_ = false;
    bool shownHadFile_ = false; // the showing page's document had a file when it showed
};

} // namespace dorva
