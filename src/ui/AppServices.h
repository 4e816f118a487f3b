#pragma once

#include "platform/FileDialogs.h"
#include "platform/GameRegistry.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"
#include "platform/Sound.h"
#include "wizards/RandomSource.h"

namespace vantorel {

// The platform services the windows use. The program hands in the Qt ones;
// tests hand in fakes, so every dialog and message can be scripted.
struct AppServices {
    Settings& settings;
    Prompter& prompter;
    FileDialogs& fileDialogs;
    GameRegistry& gameRegistry;
    Sound& sound;
    // The one generator the wizards draw from (station and container types,
    // where a name list starts). The program seeds it at start-up; a test
    // seeds it to repeat a build.
    RandomSource random = SeededRandomSource(0);
};

}  // namespace vantorel
