#include "platform/qt/FontWarmUp.h"

#if defined(__unix__) && !defined(__APPLE__)
#include <dlfcn.h>
#endif

namespace vantorel {

FontWarmUp::FontWarmUp() {
#if defined(__unix__) && !defined(__APPLE__)
    // Qt's text drawing has loaded fontconfig already; asked by name, so
    // that a Qt built without it leaves nothing to do here.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init) return;
    // fontconfig's first setup is safe between threads: should Qt ask for
    // fonts before this thread is done, both read the configuration and one
    // reading is kept (Wait is there to avoid it).
    thread_ = std::thread([init] { init(); });
#endif
}

FontWarmUp::~FontWarmUp() {
    Wait();
}

void FontWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace vantorel
