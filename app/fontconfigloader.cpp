#include "app/fontconfigloader.h"

#include <fontconfig/fontconfig.h>

namespace dorva {

// Qt asks fontconfig for the same configuration when it sets up its font database; fontconfig
// keeps one per process and hands it to every later caller.
FontConfigLoader::FontConfigLoader() : thread_([] { FcInit(); }) {}

FontConfigLoader::~FontConfigLoader() {
    wait();
}

void FontConfigLoader::wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace dorva
