// The second baseline of the start-up figure: a Qt program that shows one empty window of the
// editor's size.
#include "bench/quitwhenidle.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(772, 460); // the main window's size
    dorva::bench::quitWhenShownAndIdle(window);
    window.show();
    return app.exec();
}
