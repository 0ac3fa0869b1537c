#include "app/mainwindow.h"

#include "app/filedrop.h"
#include "app/pagecontrol.h"
#include "app/recentfilesmenu.h"
#include "app/uifont.h"
#include "app/windowplacement.h"
#include "browser/filebrowser.h"
#include "browser/localpath.h"
#include "controls/aboutbox.h"
#include "controls/briefingdialog.h"
#include "formats/error.h"
#include "formats/filename.h"
#include "pages/actorpage.h"
#include "pages/kitpage.h"
#include "pages/missionpage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QWindow>

namespace dorva {

namespace {

constexpr int kClientWidth = 772;
constexpr int kClientHeight = 442;
constexpr int kPageAreaWidth = 633;
constexpr int kWideOuterWidth = 780;
constexpr int kNarrowOuterWidth = 640;

QAction* makeAction(QObject* owner, const QString& name, const QString& caption,
                    const QKeySequence& shortcut = {}) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

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
    placeWindow(QPoint(settings_.left, settings_.top));
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

void MainWindow::placeWindow(const QPoint& topLeft) {
    // The stored position is the outer window's, title bar and border included. A window system
    // that adds the frame only when the window is mapped would otherwise put the inside there,
    // and the window would creep by the frame's height at every start. The size is settled
    // first, since a later change of geometry would place the inside again. A position that
    // no screen shows any more (another monitor, another resolution) is brought back.
    layout()->activate();
    QList<QRect> screens; // the primary one first, as the application lists them
    for (QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QPoint at = reachablePosition(QRect(topLeft, frameGeometry().size()), screens);
    move(at);
    winId();
    windowHandle()->setFramePosition(at);
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
    // The keyboard actions; the menu items below carry their keys, so a disabled item's key
    // does nothing.
    auto* openByMenu = makeAction(this, "OpenByMenu", "OpenByMenu", QKeySequence("Ctrl+O"));
    auto* saveByMenu = makeAction(this, "SaveByMenu", "Save", QKeySequence("Ctrl+S"));
    auto* saveAsByMenu = makeAction(this, "SaveAsByMenu", "SaveAs", QKeySequence("Shift+Ctrl+S"));
    auto* showList = makeAction(this, "ShowList", "ShowList", QKeySequence(Qt::Key_F12));
    DocumentController& c = controller_;
    connect(openByMenu, &QAction::triggered, this,
            [this, &c] { c.request([&] { c.open(currentKind(), OpenWay::Menu); }); });
    connect(saveByMenu, &QAction::triggered, this,
            [this, &c] { c.request([&] { c.save(currentKind()); }); });
    connect(saveAsByMenu, &QAction::triggered, this,
            [this, &c] { c.request([&] { c.saveAs(currentKind()); }); });
    connect(showList, &QAction::triggered, this, &MainWindow::toggleFileList);

    auto item = [](QMenu* menu, const QString& name, const QString& caption, QAction* action) {
        QAction* menuItem = menu->addAction(caption);
        menuItem->setObjectName(name);
        if (action) {
            menuItem->setShortcut(action->shortcut());
            QObject::connect(menuItem, &QAction::triggered, action,
                             [action] { action->trigger(); });
        }
        return menuItem;
    };

    QMenu* file = menuBar()->addMenu("File(&F)");
    file->setObjectName("File1");
    item(file, "Open1", "Open(&O)", openByMenu);
    file->addSeparator();
    saveItem_ = item(file, "N2", "Save", saveByMenu);
    saveAsItem_ = item(file, "N3", "SaveAs", saveAsByMenu);
    changesItem_ = item(file, "Changes1", "Changes(&C)...", nullptr);
    connect(changesItem_, &QAction::triggered, this,
            [this, &c] { c.request([&] { c.showChanges(currentKind()); }); });
    file->addSeparator();
    recent_ = new RecentFilesMenu(file);
    file->addMenu(recent_);
    connect(recent_, &RecentFilesMenu::fileChosen, this, &MainWindow::openRecent);
    connect(item(file, "Exit1", "Exit(&X)", nullptr), &QAction::triggered, this, &QWidget::close);

    // Undo and redo act on the page that shows.
    QMenu* edit = menuBar()->addMenu("Edit(&E)");
    edit->setObjectName("Edit1");
    undoItem_ = item(edit, "Undo1", "Undo(&U)", nullptr);
    undoItem_->setShortcut(QKeySequence("Ctrl+Z"));
    connect(undoItem_, &QAction::triggered, this, [this] { currentPage()->undo(); });
    redoItem_ = item(edit, "Redo1", "Redo(&R)", nullptr);
    redoItem_->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    connect(redoItem_, &QAction::triggered, this, [this] { currentPage()->redo(); });

    QMenu* option = menuBar()->addMenu("Option(&O)");
    option->setObjectName("Option1");
    showListItem_ = item(option, "N5", "ShowListView(&L)", showList);
    showListItem_->setCheckable(true);
    showListItem_->setChecked(true);

    QMenu* help = menuBar()->addMenu("Help(&H)");
    help->setObjectName("Help1");
    connect(item(help, "VersionInfo1", "Version Info(&A)", nullptr), &QAction::triggered, this,
            [this] { aboutBox()->exec(); });
}

void MainWindow::restoreSettings(const QByteArray& startFolder, const QByteArray& shortcutPath) {
    controller_.request([&] { browser_->loadShortcuts(shortcutPath); });
    Settings defaults;
    defaults.lastDir = startFolder;
    settings_ = loadSettings(settingsPath_, defaults);
    recent_->setFiles(settings_.recentFiles);
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
    recent_->add(QByteArray::fromStdString(path));
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
    saveItem_->setEnabled(controller_.document(kind).hasFile() || fileTakenSinceShow_);
    saveAsItem_->setEnabled(kind != Kind::Mission || shownHadFile_ || menuOpenSinceShow_);

    changesItem_->setEnabled(controller_.modified(kind));

    const History& history = controller_.history(kind);
    undoItem_->setEnabled(history.canUndo());
    undoItem_->setText(history.canUndo() ? "&Undo " + QString::fromStdString(history.undoName())
                                         : QStringLiteral("Undo(&U)"));
    redoItem_->setEnabled(history.canRedo());
    redoItem_->setText(history.canRedo() ? "&Redo " + QString::fromStdString(history.redoName())
                                         : QStringLiteral("Redo(&R)"));
}

void MainWindow::showMarks() {
    // The title names the showing page's file; a "*" marks unsaved changes there, and each
    // tab marks its own page, so that unsaved work shows on a page that is hidden.
    const Document& shown = controller_.document(currentKind());
    setWindowTitle(shown.hasFile()
                       ? QString::fromStdString(fileNameText(fileNameOf(shown.path()))) +
                             "[*] - DORVA"
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
    controller_.request([&] {
        const std::optional<Kind> kind = kindFromExtension(path.toStdString());
        try {
            if (!kind)
                throw Error(messageCannotOpen(pathText(path.toStdString())));
            showPage(*kind);
            controller_.openPath(*kind, path.toStdString(), OpenWay::Menu);
        } catch (const Error&) {
            recent_->remove(path);
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
    showListItem_->setChecked(listShown_);
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
    settings_.recentFiles = recent_->files();
    // The window closes even when the settings cannot be written.
    saveSettings(settingsPath_, settings_);
    QMainWindow::closeEvent(event);
}

} // namespace dorva
