#include "app/screenshots/shots.h"

void shootPages(const QString&) {}
