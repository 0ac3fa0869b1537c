#include "app/editor.h"

#include "app/settings.h"
#include "app/uifont.h"

#include <QApplication>
#include <QDir>

namespace dorva {

std::unique_ptr<MainWindow> createEditor(Dialogs& dialogs) {
    QApplication::setApplicationName("DORVA");
    applyUiFont();
    return std::make_unique<MainWindow>(
        dialogs, settingsPathFor(QCoreApplication::applicationFilePath()), QDir::currentPath());
}

} // namespace dorva
