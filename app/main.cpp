#include "app/editor.h"
#include "controls/dialogs.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    dorva::QtDialogs dialogs;
    const auto window = dorva::createEditor(dialogs);
    window->show();
    return app.exec();
}
