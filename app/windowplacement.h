#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QWidget;

namespace dorva {

// Where a window whose outer frame would be frame goes so that the user can reach it, given
// the available area of each screen (the primary one first). A window that shows less than a
// title bar's worth on every screen moves onto the screen nearest to it, as far as it fits;
// and its top never lies above its screen, so the title bar can always be grabbed.
QPoint reachablePosition(const QRect& frame, const QList<QRect>& screens);

// Puts a window of settled size with its outer frame's top left corner at topLeft, or where
// reachablePosition brings it.
void placeWindow(QWidget* window, const QPoint& topLeft);

} // namespace dorva
