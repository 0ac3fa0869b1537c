#include "app/screenshots/shots.h"

void shootMainWindow(const QString&) {}
