// The editor's start-up as the program makes it, ending once the main window is shown and idle.
// Files given as arguments are opened in their pages before the window shows, for the memory
// figure.
#include "app/editor.h"
#include "app/fontconfigloader.h"
#include "bench/quitwhenidle.h"
#include "controls/dialogs.h"
#include "pages/actorpage.h"
#include "pages/kitpage.h"
#include "pages/missionpage.h"

#include <QApplication>

int main(int argc, char** argv) {
    dorva::FontConfigLoader fonts;
    QApplication app(argc, argv);
    fonts.wait();
    dorva::QtDialogs dialogs;
    const auto window = dorva::createEditor(dialogs);
    for (const QString& file : QCoreApplication::arguments().mid(1)) {
        dorva::DocumentPage* page = window->missionPage();
        if (file.endsWith(".atr"))
            page = window->actorPage();
        else if (file.endsWith(".kit"))
            page = window->kitPage();
        window->openFile(page, file, dorva::MainWindow::OpenWay::FileList);
    }
    dorva::bench::quitWhenShownAndIdle(*window);
    window->show();
    return app.exec();
}
