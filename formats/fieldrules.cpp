#include "formats/fieldrules.h"
