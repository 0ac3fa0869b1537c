#include "app/windowplacement.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <limits>

namespace dorva {

namespace {

// About a title bar's height: less than this each way cannot be grabbed.
constexpr int kMinVisible = 40;

bool showsEnough(const QRect& frame, const QRect& screen) {
    const QRect shown = frame & screen;
    return shown.width() >= std::min(kMinVisible, frame.width()) &&
           shown.height() >= std::min(kMinVisible, frame.height());
}

long long distance(const QRect& frame, const QRect& screen) {
    const long long dx =
        std::max({0, screen.left() - frame.right(), frame.left() - screen.right()});
    const long long dy =
        std::max({0, screen.top() - frame.bottom(), frame.top() - screen.bottom()});
    return dx * dx + dy * dy;
}

} // namespace

QPoint reachablePosition(const QRect& frame, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return frame.topLeft();
    QRect placed = frame;
    const auto holding = std::find_if(screens.begin(), screens.end(),
                                      [&](const QRect& s) { return showsEnough(frame, s); });
    QRect screen;
    if (holding != screens.end()) {
        screen = *holding;
    } else {
        long long best = std::numeric_limits<long long>::max();
        for (const QRect& s : screens) {
            if (distance(frame, s) < best) {
                best = distance(frame, s);
                screen = s;
            }
        }
        // Right and bottom edges first, so a window larger than the screen keeps its top left
        // corner on it.
        placed.moveRight(std::min(placed.right(), screen.right()));
        placed.moveBottom(std::min(placed.bottom(), screen.bottom()));
        placed.moveLeft(std::max(placed.left(), screen.left()));
    }
    placed.moveTop(std::max(placed.top(), screen.top()));
    return placed.topLeft();
}

void placeWindow(QWidget* window, const QPoint& topLeft) {
    // The stored position is the outer window's, title bar and border included. A window system
    // that adds the frame only when the window is mapped would otherwise put the inside there,
    // and the window would creep by the frame's height at every start. The size is settled
    // first, since a later change of geometry would place the inside again. A position that
    // no screen shows any more (another monitor, another resolution) is brought back.
    window->layout()->activate();
    QList<QRect> screens; // the primary one first, as the application lists them
    for (QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QPoint at = reachablePosition(QRect(topLeft, window->frameGeometry().size()), screens);
    window->move(at);
    window->winId();
    window->windowHandle()->setFramePosition(at);
}

} // namespace dorva
