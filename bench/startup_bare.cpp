// The baseline of the start-up figure: a Qt program that shows one empty window.
#include "bench/quitwhenidle.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(780, 480);
    dorva::bench::quitWhenShownAndIdle(window);
    window.show();
    return app.exec();
}
