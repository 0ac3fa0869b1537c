#include "app/fontconfigloader.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace dorva {

// Qt asks fontconfig for the same configuration when it sets up its font database; fontconfig
// keeps one per process and hands it to every later caller. Where no thread can be started
// (a process limit reached), Qt loads it itself when first needed: the program only starts a
// little later.
FontConfigLoader::FontConfigLoader() {
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
}

FontConfigLoader::~FontConfigLoader() {
    wait();
}

void FontConfigLoader::wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace dorva
