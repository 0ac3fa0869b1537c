#pragma once

#include <thread>

namespace dorva {

// Loads the system's font configuration on a second core while the program connects to the
// display. Reading the configuration files and font caches takes several milliseconds that
// the first widget would otherwise wait for; the connection spends most of its time waiting
// for the display server, so both fit side by side. Create it before the QApplication and
// wait() before the first widget.
class FontConfigLoader {
public:
    FontConfigLoader();
    FontConfigLoader(const FontConfigLoader&) = delete;
    FontConfigLoader& operator=(const FontConfigLoader&) = delete;
    ~FontConfigLoader();

    void wait();

private:
    std::thread thread_;
};

} // namespace dorva
