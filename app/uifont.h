#pragma once

#include <QFont>

namespace dorva {

// The user-interface font: "ＭＳ Ｐゴシック" at 12 pixels where it is installed, else its
// usual stand-in "IPAPGothic", else any font that writes Japanese, so Japanese text never
// shows as boxes.
QFont uiFont();

// Makes uiFont() the font of every widget of the application.
void applyUiFont();

} // namespace dorva
