#include "app/windowplacement.h"

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

} // namespace dorva
