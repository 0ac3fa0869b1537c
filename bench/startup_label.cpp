// The baseline of the start-up figure: a window of the editor's size with one label of Japanese
// text in the editor's interface font, so that setting up the fonts is paid on both sides.
#include "app/uifont.h"
#include "bench/quitwhenidle.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    dorva::applyUiFont();
    QWidget window;
    window.resize(772, 460); // the main window's size
    auto* label = new QLabel(QStringLiteral("ミッションファイルを選んでください"), &window);
    label->move(12, 12);
    dorva::bench::quitWhenShownAndIdle(window);
    window.show();
    return app.exec();
}
