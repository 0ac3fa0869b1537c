#include "app/screenshots/shots.h"

#include "app/mainwindow.h"
#include "app/uifont.h"
#include "controls/aboutbox.h"
#include "controls/briefingdialog.h"
#include "controls/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

void save(QWidget& widget, const QString& dir, const QString& name) {
    QApplication::processEvents();
    widget.grab().save(QDir(dir).filePath(name));
}

} // namespace

void shootMainWindow(const QString& dir) {
    dorva::applyUiFont();
    QTemporaryDir work;
    for (const char* name : {"sample.mis", "desert.mis", "sniper.atr", "rifleman.kit"}) {
        QFile file(work.filePath(name));
        file.open(QIODevice::WriteOnly);
    }
    const QString previous = QDir::currentPath();
    {
        dorva::QtDialogs dialogs;
        const QByteArray folder = QFile::encodeName(work.path());
        dorva::MainWindow window(dialogs, work.filePath("dorva.ini"), folder,
                                 folder + "/shortcut.ini");
        window.show();
        auto* tabs = window.findChild<QTabWidget*>("PageControl1");
        const char* names[] = {"mainwindow-mission.png", "mainwindow-actor.png",
                               "mainwindow-kit.png"};
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            save(window, dir, names[i]);
        }
        window.findChild<QAction*>("ShowList")->trigger();
        save(window, dir, "mainwindow-nolist.png");

        dorva::BriefingDialog& briefing = *window.briefingDialog();
        briefing.setText(QString::fromUtf8("Infiltrate the dam and secure the control room.{p}\r\n"
                                           "ミッション開始{p}\r\n"));
        briefing.show();
        save(briefing, dir, "briefingdialog.png");
        briefing.hide();

        dorva::AboutBox& about = *window.aboutBox();
        about.show();
        save(about, dir, "aboutbox.png");
        about.hide();
    }
    QDir::setCurrent(previous);
}
