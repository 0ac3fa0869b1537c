#pragma once

class QWidget;

namespace dorva::bench {

// Ends the event loop with exit code 0 once the window is on screen, painted and the events
// queued up to then are handled: the moment a user could start working. Call before show().
// Gives exit code 3 when the window does not appear within ten seconds.
void quitWhenShownAndIdle(QWidget& window);

} // namespace dorva::bench
