#pragma once

#include <QIcon>

namespace dorva {

// The folder list's two icons, drawn by the program: looking them up in the desktop's icon
// theme costs more at start-up than the whole folder list.
QIcon openFolderIcon();
QIcon closedFolderIcon();

} // namespace dorva
