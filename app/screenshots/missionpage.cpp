#include "app/screenshots/shots.h"

void shootMissionPage(const QString&) {}
