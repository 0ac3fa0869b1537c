#include "formats/actorfile.h"
