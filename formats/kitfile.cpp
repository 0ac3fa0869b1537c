#include "formats/kitfile.h"
