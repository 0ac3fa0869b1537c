#include "app/screenshots/shots.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

// Writes PNG pictures of the program's windows into the folder given as the first argument.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dorva-screenshots DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    shootMainWindow(dir);
    shootColorButtons(dir);
    shootActorKitPages(dir);
    shootMissionPage(dir);
    shootBrowser(dir);
    return 0;
}
