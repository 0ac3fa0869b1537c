#include "app/screenshots/shots.h"

void shootBrowser(const QString&) {}
