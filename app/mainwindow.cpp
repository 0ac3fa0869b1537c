#include "app/mainwindow.h"

#include "app/pagecontrol.h"
#include "app/uifont.h"
#include "app/windowplacement.h"
#include "browser/filebrowser.h"
#include "browser/localpath.h"
#include "controls/aboutbox.h"
#include "controls/briefingdialog.h"
#include "controls/dialogs.h"
#include "formats/error.h"
#include "formats/filename.h"
#include "pages/actorpage.h"
#include "pages/kitpage.h"
#include "pages/missionpage.h"

#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QUrl>
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

// The document's file name as the title and the questions show it.
QString shownFileName(const Document& document) {
    return QString::fromStdString(fileNameText(fileNameOf(document.path())));
}

} // namespace

MainWindow::MainWindow(Dialogs& dialogs, const QString& settingsPath, const QByteArray& startFolder,
                       const QByteArray& shortcutPath, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      dialogs_(dialogs), settingsPath_(settingsPath) {
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
    connect(browser_, &FileBrowser::fileSelected, this, &MainWindow::openFromFileList);
    restoreSettings(startFolder, shortcutPath);
    connect(pageControl_, &QTabWidget::currentChanged, this, &MainWindow::pageShown);
    placeWindow(QPoint(settings_.left, settings_.top));
}

Kind MainWindow::currentKind() const {
    return kKindsInPageOrder[static_cast<std::size_t>(std::max(0, pageControl_->currentIndex()))];
}

Document& MainWindow::documentOf(Kind kind) {
    switch (kind) {
    case Kind::Actor:
        return actorDocument_;
    case Kind::Kit:
        return kitDocument_;
    case Kind::Mission:
        break;
    }
    return missionDocument_;
}

DocumentPage* MainWindow::pageOf(Kind kind) {
    DocumentPage*& page = pages_[static_cast<std::size_t>(kind)];
    if (!page) {
        switch (kind) {
        case Kind::Actor:
            page = new ActorPage(actorDocument_, dialogs_);
            break;
        case Kind::Kit:
            page = new KitPage(kitDocument_, dialogs_);
            break;
        case Kind::Mission:
            page = new MissionPage(missionDocument_, dialogs_);
            break;
        }
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
    showMarks();
    page->installEventFilter(this);
    for (QWidget* widget : page->findChildren<QWidget*>())
        if (widget->acceptDrops())
            widget->installEventFilter(this);
    connect(page, &DocumentPage::openRequested, this,
            [this, kind] { request([=] { open(kind, OpenWay::PageButton); }); });
    connect(page, &DocumentPage::saveRequested, this,
            [this, kind] { request([=] { save(kind); }); });
    connect(page, &DocumentPage::saveAsRequested, this,
            [this, kind] { request([=] { saveAs(kind); }); });
    connect(page, &DocumentPage::edited, this, [this, kind] { documentChanged(kind); });
}

void MainWindow::buildMenu() {
    // The keyboard actions; the menu items below carry their keys, so a disabled item's key
    // does nothing.
    openByMenu_ = makeAction(this, "OpenByMenu", "OpenByMenu", QKeySequence("Ctrl+O"));
    saveByMenu_ = makeAction(this, "SaveByMenu", "Save", QKeySequence("Ctrl+S"));
    saveAsByMenu_ = makeAction(this, "SaveAsByMenu", "SaveAs", QKeySequence("Shift+Ctrl+S"));
    showList_ = makeAction(this, "ShowList", "ShowList", QKeySequence(Qt::Key_F12));
    connect(openByMenu_, &QAction::triggered, this,
            [this] { request([this] { open(currentKind(), OpenWay::Menu); }); });
    connect(saveByMenu_, &QAction::triggered, this,
            [this] { request([this] { save(currentKind()); }); });
    connect(saveAsByMenu_, &QAction::triggered, this,
            [this] { request([this] { saveAs(currentKind()); }); });
    connect(showList_, &QAction::triggered, this, &MainWindow::toggleFileList);

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
    item(file, "Open1", "Open(&O)", openByMenu_);
    file->addSeparator();
    saveItem_ = item(file, "N2", "Save", saveByMenu_);
    saveAsItem_ = item(file, "N3", "SaveAs", saveAsByMenu_);
    file->addSeparator();
    connect(item(file, "Exit1", "Exit(&X)", nullptr), &QAction::triggered, this, &QWidget::close);

    QMenu* option = menuBar()->addMenu("Option(&O)");
    option->setObjectName("Option1");
    showListItem_ = item(option, "N5", "ShowListView(&L)", showList_);
    showListItem_->setCheckable(true);
    showListItem_->setChecked(true);

    QMenu* help = menuBar()->addMenu("Help(&H)");
    help->setObjectName("Help1");
    connect(item(help, "VersionInfo1", "Version Info(&A)", nullptr), &QAction::triggered, this,
            [this] { aboutBox()->exec(); });
}

void MainWindow::restoreSettings(const QByteArray& startFolder, const QByteArray& shortcutPath) {
    request([&] { browser_->loadShortcuts(shortcutPath); });
    Settings defaults;
    defaults.lastDir = startFolder;
    settings_ = loadSettings(settingsPath_, defaults);
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
    browser_->setMask(page->fileMask());
    saveItem_->setEnabled(page->document().hasFile());
    saveAsItem_->setEnabled(page->document().canSaveAs());
    showMarks();
}

void MainWindow::request(const std::function<void()>& work) {
    ++busy_;
    try {
        work();
    } catch (const Error& error) {
        dialogs_.showError(this, QString::fromUtf8(error.what()));
    }
    --busy_;
}

void MainWindow::documentChanged(Kind kind) {
    modified_[static_cast<std::size_t>(kind)] = documentOf(kind).modified();
    showMarks();
}

void MainWindow::showMarks() {
    // The title names the showing page's file; a "*" marks unsaved changes there, and each
    // tab marks its own page, so that unsaved work shows on a page that is hidden.
    const Document& shown = documentOf(currentKind());
    setWindowTitle(shown.hasFile() ? shownFileName(shown) + "[*] - DORVA"
                                   : QStringLiteral("DORVA[*]"));
    setWindowModified(modified_[static_cast<std::size_t>(currentKind())]);
    for (const Kind kind : kKindsInPageOrder) {
        const auto tab = static_cast<std::size_t>(kind);
        pageControl_->setTabText(static_cast<int>(tab), QString::fromLatin1(kindCaption(kind)) +
                                                            (modified_[tab] ? " *" : ""));
    }
}

bool MainWindow::mayReplace(Kind kind) {
    if (DocumentPage* page = pages_[static_cast<std::size_t>(kind)])
        page->settleEdits();
    documentChanged(kind);
    if (!modified_[static_cast<std::size_t>(kind)])
        return true;
    const Document& document = documentOf(kind);
    const QString name = document.hasFile()
                             ? shownFileName(document)
                             : QStringLiteral("the new %1 file").arg(kindCaption(document.kind()));
    switch (dialogs_.askSaveChanges(this, QStringLiteral("Save changes to %1?").arg(name))) {
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        return false;
    case SaveChoice::Save:
        break;
    }
    try {
        return document.hasFile() ? save(kind) : saveAs(kind);
    } catch (const Error& error) {
        dialogs_.showError(this, QString::fromUtf8(error.what()));
        return false;
    }
}

void MainWindow::open(Kind kind, OpenWay way) {
    if (!mayReplace(kind))
        return;
    DocumentPage* page = pageOf(kind);
    const QString path = dialogs_.openFile(this, page->openFilter(), *page->openDialogState());
    if (!path.isEmpty())
        openFile(page, path, way);
}

void MainWindow::openFile(DocumentPage* page, const QString& path, OpenWay way) {
    openPath(page, localPath(path, currentFolder()).toStdString(), way);
}

void MainWindow::openPath(DocumentPage* page, const std::string& path, OpenWay way) {
    // The page changes only when both reading and loading succeed.
    page->document() = Document::open(page->document().kind(), path);
    page->showDocument();
    documentChanged(page->document().kind());
    page->saveButton()->setEnabled(true);
    saveItem_->setEnabled(true);
    if (way != OpenWay::FileList)
        page->saveAsButton()->setEnabled(true);
    if (way == OpenWay::Menu)
        saveAsItem_->setEnabled(true);
}

void MainWindow::openFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        request([&] {
            const std::string bytes = localPath(path, currentFolder()).toStdString();
            const std::optional<Kind> kind = kindFromExtension(bytes);
            if (!kind)
                throw Error(messageCannotOpen(QDir::toNativeSeparators(path).toStdString()));
            pageControl_->setCurrentIndex(static_cast<int>(*kind));
            if (mayReplace(*kind))
                openPath(pageOf(*kind), bytes, OpenWay::Menu);
        });
    }
}

bool MainWindow::save(Kind kind) {
    Document& document = documentOf(kind);
    if (!document.hasFile())
        return false;
    pageOf(kind)->settleEdits();
    // Another program's changes are not overwritten without asking.
    if (document.changedOnDisk()) {
        const QString name = shownFileName(document);
        if (!dialogs_.askOverwrite(
                this, QStringLiteral("%1 has changed on disk since it was opened. Overwrite it?")
                          .arg(name)))
            return false;
    }
    document.save();
    documentChanged(kind);
    return true;
}

bool MainWindow::saveAs(Kind kind) {
    if (!documentOf(kind).canSaveAs())
        return false;
    DocumentPage* page = pageOf(kind);
    const QString path = dialogs_.saveFile(this, page->saveFilter(), page->defaultSuffix(),
                                           *page->saveDialogState());
    if (path.isEmpty())
        return false;
    page->settleEdits();
    page->document().saveAs(localPath(path, currentFolder()).toStdString());
    page->showDocument();
    documentChanged(kind);
    page->saveButton()->setEnabled(true);
    saveItem_->setEnabled(true);
    return true;
}

void MainWindow::openFromFileList(const QByteArray& path, Kind kind) {
    request([&] {
        if (mayReplace(kind)) {
            openPath(pageOf(kind), path.toStdString(), OpenWay::FileList);
            return;
        }
        // Once the list has finished its own change of selection.
        QMetaObject::invokeMethod(
            browser_,
            [this, open = QByteArray::fromStdString(documentOf(kind).path())] {
                browser_->showSelected(open);
            },
            Qt::QueuedConnection);
    });
}

void MainWindow::reloadChangedFiles() {
    for (const Kind kind : kKindsInPageOrder) {
        Document& document = documentOf(kind);
        if (modified_[static_cast<std::size_t>(kind)] || !document.changedOnDisk())
            continue;
        // Quietly, all or nothing: a file that cannot be read now leaves the page as it was.
        try {
            document = Document::open(kind, document.path());
        } catch (const Error&) {
            continue;
        }
        pageOf(kind)->showDocument();
        documentChanged(kind);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && busy_ == 0)
        reloadChangedFiles();
}

bool MainWindow::takeDrop(QEvent* event) {
    const QMimeData* data = static_cast<QDropEvent*>(event)->mimeData();
    if (!data->hasUrls())
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!url.isLocalFile() || !kindFromExtension(path.toStdString())) {
            // The cursor tells that these files are refused.
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
            return true;
        }
        paths << path;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() == QEvent::Drop) {
        activateWindow();
        openFiles(paths);
    }
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (takeDrop(event))
            return true;
        break;
    default:
        break;
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
    ++busy_;
    for (const Kind kind : kKindsInPageOrder) {
        if (!mayReplace(kind)) {
            --busy_;
            event->ignore();
            return;
        }
    }
    --busy_;
    settings_.top = pos().y();
    settings_.left = pos().x();
    settings_.lastTab = pageControl_->currentIndex();
    // Only a folder the browser has entered is stored: empty keeps the stored one.
    settings_.lastDir = browser_->folder();
    // The window closes even when the settings cannot be written.
    saveSettings(settingsPath_, settings_);
    QMainWindow::closeEvent(event);
}

} // namespace dorva
