#include "app/screenshots/shots.h"

void shootActorKitPages(const QString&) {}
