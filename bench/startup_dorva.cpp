// The editor's start-up as the program makes it, ending once the main window is shown and idle.
// Files given as arguments are opened in their pages before the window shows, for the memory
// figure.
#include "app/editor.h"
#include "app/fontconfigloader.h"
#include "bench/quitwhenidle.h"
#include "browser/localpath.h"
#include "controls/dialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    dorva::FontConfigLoader fonts;
    QApplication app(argc, argv);
    fonts.wait();
    dorva::QtDialogs dialogs;
    const auto window = dorva::createEditor(dialogs);
    for (const QString& file : QCoreApplication::arguments().mid(1)) {
        const std::string path = dorva::localPath(file, dorva::currentFolder()).toStdString();
        const dorva::Kind kind = dorva::kindFromExtension(path).value_or(dorva::Kind::Mission);
        window->pageOf(kind);
        window->controller().openPath(kind, path, dorva::MainWindow::OpenWay::FileList);
    }
    dorva::bench::quitWhenShownAndIdle(*window);
    window->show();
    return app.exec();
}
