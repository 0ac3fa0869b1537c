#include "formats/missionfile.h"
