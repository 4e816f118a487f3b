#pragma once

#include <thread>

namespace vantorel {

// Reads the system's font configuration on a second thread while the
// program starts. Where fonts are found through fontconfig, the first text
// a window measures reads its configuration files and font caches: a third
// of a first window's start, spent while the other core is idle. Made before
// the application object, this lets that reading overlap the connection to
// the display. Does nothing where fontconfig is not in use.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    // Waits for the reading to end: called before the first text, so that
    // a main thread that gets there early waits instead of reading the
    // configuration a second time.
    void Wait();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread thread_;
};

}  // namespace vantorel
