#pragma once

#include "app/mainwindow.h"
#include "browser/filebrowser.h"
#include "document/document.h"
#include "fakedialogs.h"
#include "pages/documentpage.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <sys/stat.h>

// Readable values in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toStdString() << '"';
}

// A path as the file system's bytes.
inline QByteArray bytesOf(const QString& path) {
    return QFile::encodeName(path);
}

// A temporary folder tree for one test. The working folder is restored when it goes away, since
// the file browser moves it.
class TempFolder {
public:
    TempFolder() : saved_(QDir::currentPath()) {}
    // Qt's own removal skips names that are not UTF-8.
    ~TempFolder() {
        QDir::setCurrent(saved_);
        std::error_code ignored;
        std::filesystem::remove_all(bytesOf(dir_.path()).toStdString(), ignored);
    }

    QString path(const QString& relative = {}) const {
        return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
    }

    // Writes the file, making its folders; returns its path.
    QString file(const QString& relative, const QByteArray& bytes = "x") const {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile f(path(relative));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << relative.toStdString();
        f.write(bytes);
        return path(relative);
    }

    // The same with names as bytes, for names that are not UTF-8; return the full path.
    QByteArray rawFile(const QByteArray& relative, const QByteArray& bytes) const {
        const QByteArray full = bytesOf(path()) + '/' + relative;
        std::ofstream out(full.constData(), std::ios::binary);
        out << bytes.toStdString();
        EXPECT_TRUE(out.good()) << full.toStdString();
        return full;
    }
    QByteArray rawFolder(const QByteArray& relative) const {
        const QByteArray full = bytesOf(path()) + '/' + relative;
        EXPECT_EQ(mkdir(full.constData(), 0777), 0) << full.toStdString();
        return full;
    }

    QByteArray read(const QString& relative) const {
        QFile f(path(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void folder(const QString& relative) const { QDir().mkpath(path(relative)); }

private:
    QString saved_;
    QTemporaryDir dir_;
};

namespace shelltesting {

// One small valid document of each kind, and where the window shows it.
struct Kind {
    const char* caption;
    const char* sheet; // the page's object name
    int tab;
    const char* mask;
    const char* fileName;
    QByteArray sample;
};

enum Tab { Mission = 0, Actor = 1, Kit = 2 };

inline const Kind kKinds[] = {
    {"Mission", "TabSheet3", Mission, "*.mis", "m.mis",
     "<MissionFile>\r\n\t<MapName>Dam</MapName>\r\n\t<MapSize>2</MapSize>\r\n</MissionFile>\r\n"},
    {"Actor", "TabSheet1", Actor, "*.atr", "a.atr",
     "<ActorFile>\r\n\t<VersionNumber>1.00</VersionNumber>\r\n\t<ArmorLevel>1</ArmorLevel>\r\n"
     "\t<ActorName>Bob</ActorName>\r\n</ActorFile>\r\n"},
    {"Kit", "TabSheet2", Kit, "*.kit", "k.kit",
     "<KitFile>\r\n\t<Texture>kit.rsb</Texture>\r\n</KitFile>\r\n"},
};

// The main window with FakeDialogs and its settings file in a temporary folder.
class ShellTest : public ::testing::Test {
protected:
    // startFolder defaults to the temporary folder itself; the shortcut list is read from it.
    dorva::MainWindow& start(const QByteArray& startFolder = {}) {
        const QByteArray folder = startFolder.isEmpty() ? bytesOf(temp.path()) : startFolder;
        window.reset();
        window = std::make_unique<dorva::MainWindow>(dialogs, settingsPath(), folder,
                                                     folder + "/shortcut.ini");
        return *window;
    }

    QString settingsPath() const { return temp.path("dorva.ini"); }
    dorva::FileBrowser* browser() const { return window->fileBrowser(); }
    QTabWidget* tabs() const { return window->findChild<QTabWidget*>("PageControl1"); }
    dorva::DocumentPage* page(int tab) const {
        return window->pageOf(dorva::kKindsInPageOrder[static_cast<std::size_t>(tab)]);
    }
    QString status(int tab) const { return page(tab)->statusField()->text(); }

    QAction* action(const char* name) const {
        auto* found = window->findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Shown and active, so that keys reach the window.
    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    TempFolder temp;
    FakeDialogs dialogs;
    std::unique_ptr<dorva::MainWindow> window;
};

} // namespace shelltesting
