#include "app/mainwindow.h"

#include "app/filedrop.h"
#include "app/mainmenu.h"
#include "app/pagecontrol.h"
#include "app/recentfilesmenu.h"
#include "app/uifont.h"
#include "app/windowplacement.h"
#include "browser/filebrowser.h"
#include "browser/localpath.h"
#include "controls/aboutbox.h"
#include "controls/briefingdialog.h"
#include "formats/error.h"
#include "pages/actorpage.h"
#include "pages/kitpage.h"
#include "pages/missionpage.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWindow>

namespace dorva {

namespace {

constexpr int kClientWidth = 772;
constexpr int kClientHeight = 442;
constexpr int kPageAreaWidth = 633;
constexpr int kWideOuterWidth = 780;
constexpr int kNarrowOuterWidth = 640;

} // namespace

MainWindow::MainWindow(Dialogs& dialogs, const QString& settingsPath, const QByteArray& startFolder,
                       const QByteArray& shortcutPath, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      dialogs_(dialogs), controller_(dialogs, this), settingsPath_(settingsPath) {
    setObjectName("Form1");
    // The window's own font, so its pages and dialogs use it however the program was started.
    setFont(uiFont());
    setWindowTitle("DORVA[*]");

    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(kClientWidth, kClientHeight);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    pageControl_ = new PageControl(client);
    pageControl_->setObjectName("PageControl1");
    pageControl_->setFixedWidth(kPageAreaWidth);
    browser_ = new FileBrowser(dialogs_, client);
    row->addWidget(pageControl_);
    row->addWidget(browser_, 1);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Each tab holds a stand-in until its page is first needed.
    for (const Kind kind : kKindsInPageOrder)
        pageControl_->addTab(new QWidget, kindCaption(kind));

    // Files dropped anywhere on the window open, also over fields that take dropped text.
    setAcceptDrops(true);
    installEventFilter(this);
    buildMenu();
    connect(&controller_, &DocumentController::documentChanged, this, [this] {
        showMarks();
        updateActions();
    });
    connect(&controller_, &DocumentController::fileTaken, this, &MainWindow::fileTaken);
    connect(browser_, &FileBrowser::fileSelected, this, &MainWindow::openFromFileList);
    restoreSettings(startFolder, shortcutPath);
    connect(pageControl_, &QTabWidget::currentChanged, this, &MainWindow::pageShown);
    placeWindow(this, QPoint(settings_.left, settings_.top));
}

Kind MainWindow::currentKind() const {
    return kKindsInPageOrder[static_cast<std::size_t>(std::max(0, pageControl_->currentIndex()))];
}

void MainWindow::showPage(Kind kind) {
    pageControl_->setCurrentIndex(static_cast<int>(kind));
}

DocumentPage* MainWindow::pageOf(Kind kind) {
    DocumentPage*& page = pages_[static_cast<std::size_t>(kind)];
    if (!page) {
        Document& document = controller_.document(kind);
        switch (kind) {
        case Kind::Actor:
            page = new ActorPage(document, dialogs_);
            break;
        case Kind::Kit:
            page = new KitPage(document, dialogs_);
            break;
        case Kind::Mission:
            page = new MissionPage(document, dialogs_);
            break;
        }
        page->setHistory(&controller_.history(kind));
        addPage(kind, page);
    }
    return page;
}

MissionPage* MainWindow::missionPage() {
    return static_cast<MissionPage*>(pageOf(Kind::Mission));
}

ActorPage* MainWindow::actorPage() {
    return static_cast<ActorPage*>(pageOf(Kind::Actor));
}

KitPage* MainWindow::kitPage() {
    return static_cast<KitPage*>(pageOf(Kind::Kit));
}

BriefingDialog* MainWindow::briefingDialog() {
    return missionPage()->briefingDialog();
}

AboutBox* MainWindow::aboutBox() {
    if (!about_)
        about_ = new AboutBox(this);
    return about_;
}

void MainWindow::addPage(Kind kind, DocumentPage* page) {
    const char* const sheets[] = {"TabSheet3", "TabSheet1", "TabSheet2"};
    const int tab = static_cast<int>(kind);
    page->setObjectName(QString::fromLatin1(sheets[tab]));
    // The swap is no change of page: the tab that showed still shows.
    {
        const QSignalBlocker blocker(pageControl_);
        const int current = pageControl_->currentIndex();
        QWidget* standIn = pageControl_->widget(tab);
        pageControl_->removeTab(tab);
        pageControl_->insertTab(tab, page, kindCaption(kind));
        pageControl_->setCurrentIndex(current);
        delete standIn;
    }
    controller_.setPage(kind, page);
    showMarks();
    updateActions();
    page->installEventFilter(this);
    for (QWidget* widget : page->findChildren<QWidget*>())
        if (widget->acceptDrops())
            widget->installEventFilter(this);
    DocumentController& c = controller_;
    connect(page, &DocumentPage::openRequested, this,
            [&c, kind] { c.request([&] { c.open(kind, OpenWay::PageButton); }); });
    connect(page, &DocumentPage::saveRequested, this,
            [&c, kind] { c.request([&] { c.save(kind); }); });
    connect(page, &DocumentPage::saveAsRequested, this,
            [&c, kind] { c.request([&] { c.saveAs(kind); }); });
    connect(page, &DocumentPage::edited, this, [&c, kind] { c.noteEdit(kind); });
    connect(page, &DocumentPage::historyChanged, this, &MainWindow::updateActions);
}

void MainWindow::buildMenu() {
    DocumentController& c = controller_;
    MenuCommands commands;
    commands.open = [this, &c] { c.request([&] { c.open(currentKind(), OpenWay::Menu); }); };
    commands.save = [this, &c] { c.request([&] { c.save(currentKind()); }); };
    commands.saveAs = [this, &c] { c.request([&] { c.saveAs(currentKind()); }); };
    commands.changes = [this, &c] { c.request([&] { c.showChanges(currentKind()); }); };
    commands.exit = [this] { close(); };
    // Undo and redo act on the page that shows.
    commands.undo = [this] { currentPage()->undo(); };
    commands.redo = [this] { currentPage()->redo(); };
    commands.showList = [this] { toggleFileList(); };
    commands.versionInfo = [this] { aboutBox()->exec(); };
    menu_ = buildMainMenu(this, commands);
    connect(menu_.recent, &RecentFilesMenu::fileChosen, this, &MainWindow::openRecent);
}

void MainWindow::restoreSettings(const QByteArray& startFolder, const QByteArray& shortcutPath) {
    controller_.request([&] { browser_->loadShortcuts(shortcutPath); });
    Settings defaults;
    defaults.lastDir = startFolder;
    settings_ = loadSettings(settingsPath_, defaults);
    menu_.recent->setFiles(settings_.recentFiles);
    const int tab = settings_.lastTab;
    pageControl_->setCurrentIndex(tab >= 0 && tab < pageControl_->count() ? tab : 0);
    // The page's mask goes to the browser before its folder, so the folder is listed once.
    pageShown();

    // The first folder that can be entered, quietly: a remembered folder that has gone away,
    // or a start in a folder that was deleted or may not be read, still leaves a working
    // browser and no error box before the window shows.
    for (const QByteArray& folder :
         {settings_.lastDir, startFolder, homeFolder(), QByteArray("/")}) {
        try {
            browser_->setFolder(folder);
            break;
        } catch (const Error&) {
        }
    }
    browser_->setShortcutText(shownPath(browser_->folder()));
}

DocumentPage* MainWindow::currentPage() {
    return pageOf(currentKind());
}

void MainWindow::pageShown() {
    DocumentPage* page = currentPage();
    browser_->setMask(QString::fromStdString(kindFileMask(page->kind())));
    fileTakenSinceShow_ = false;
    menuOpenSinceShow_ = false;
    shownHadFile_ = page->document().hasFile();
    showMarks();
    updateActions();
}

void MainWindow::fileTaken(Kind, const std::string& path, bool byMenu) {
    menu_.recent->add(QByteArray::fromStdString(path));
    fileTakenSinceShow_ = true;
    menuOpenSinceShow_ = menuOpenSinceShow_ || byMenu;
    updateActions();
}

void MainWindow::updateActions() {
    // A page's Save works once it has a file; its Save as as far as the controller offers it.
    // The menu items follow the showing page as it was when it showed, and each open or Save as
    // since turns on what that way of opening turns on.
    for (const Kind kind : kKindsInPageOrder) {
        if (DocumentPage* page = pages_[static_cast<std::size_t>(kind)]) {
            const Document& document = controller_.document(kind);
            page->saveButton()->setEnabled(document.hasFile());
            page->saveAsButton()->setEnabled(controller_.saveAsOffered(kind) &&
                                             document.canSaveAs());
        }
    }
    const Kind kind = currentKind();
    menu_.save->setEnabled(controller_.document(kind).hasFile() || fileTakenSinceShow_);
    menu_.saveAs->setEnabled(kind != Kind::Mission || shownHadFile_ || menuOpenSinceShow_);

    menu_.changes->setEnabled(controller_.modified(kind));

    const History& history = controller_.history(kind);
    menu_.undo->setEnabled(history.canUndo());
    menu_.undo->setText(history.canUndo() ? "&Undo " + QString::fromStdString(history.undoName())
                                          : QStringLiteral("Undo(&U)"));
    menu_.redo->setEnabled(history.canRedo());
    menu_.redo->setText(history.canRedo() ? "&Redo " + QString::fromStdString(history.redoName())
                                          : QStringLiteral("Redo(&R)"));
}

void MainWindow::showMarks() {
    // The title names the showing page's file; a "*" marks unsaved changes there, and each
    // tab marks its own page, so that unsaved work shows on a page that is hidden.
    setWindowTitle(controller_.document(currentKind()).hasFile()
                       ? controller_.nameOf(currentKind()) + "[*] - DORVA"
                       : QStringLiteral("DORVA[*]"));
    setWindowModified(controller_.modified(currentKind()));
    for (const Kind kind : kKindsInPageOrder)
        pageControl_->setTabText(static_cast<int>(kind),
                                 QString::fromLatin1(kindCaption(kind)) +
                                     (controller_.modified(kind) ? " *" : ""));
}

void MainWindow::openFiles(const QStringList& paths) {
    controller_.openFiles(paths, [this](Kind kind) { showPage(kind); });
}

void MainWindow::openRecent(const QByteArray& path) {
    // A file that no longer opens leaves the list.
    controller_.request([&] {
        try {
            controller_.openFile(path.toStdString(), [this](Kind kind) { showPage(kind); });
        } catch (const Error&) {
            menu_.recent->remove(path);
            throw;
        }
    });
}

void MainWindow::openFromFileList(const QByteArray& path, Kind kind) {
    controller_.request([&] {
        if (controller_.openPath(kind, path.toStdString(), OpenWay::FileList))
            return;
        // Once the list has finished its own change of selection.
        QMetaObject::invokeMethod(
            browser_,
            [this, open = QByteArray::fromStdString(controller_.document(kind).path())] {
                browser_->showSelected(open);
            },
            Qt::QueuedConnection);
    });
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !controller_.busy())
        controller_.reloadChangedFiles();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    QStringList paths;
    if (takeFileDrop(event, &paths)) {
        if (!paths.isEmpty()) {
            activateWindow();
            openFiles(paths);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::toggleFileList() {
    listShown_ = !listShown_;
    menu_.showList->setChecked(listShown_);
    browser_->setVisible(listShown_);
    setOuterWidth(listShown_ ? kWideOuterWidth : kNarrowOuterWidth);
}

void MainWindow::setOuterWidth(int width) {
    const int frame = frameGeometry().width() - geometry().width();
    centralWidget()->setFixedWidth(width - frame);
    layout()->activate();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!controller_.mayCloseAll()) {
        event->ignore();
        return;
    }
    settings_.top = pos().y();
    settings_.left = pos().x();
    settings_.lastTab = pageControl_->currentIndex();
    // Only a folder the browser has entered is stored: empty keeps the stored one.
    settings_.lastDir = browser_->folder();
    settings_.recentFiles = menu_.recent->files();
    // The window closes even when the settings cannot be written.
    saveSettings(settingsPath_, settings_);
    QMainWindow::closeEvent(event);
}

} // namespace dorva
