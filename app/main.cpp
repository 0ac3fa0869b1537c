#include "app/mainwindow.h"
#include "app/settings.h"
#include "app/uifont.h"
#include "controls/dialogs.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("DORVA");
    dorva::applyUiFont();
    dorva::QtDialogs dialogs;
    dorva::MainWindow window(dialogs,
                             dorva::settingsPathFor(QCoreApplication::applicationFilePath()),
                             QDir::currentPath());
    window.show();
    return app.exec();
}
