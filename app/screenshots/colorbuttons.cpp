#include "app/screenshots/shots.h"

void shootColorButtons(const QString&) {}
