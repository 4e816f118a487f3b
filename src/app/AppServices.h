#pragma once

#include "platform/FileDialogs.h"
#include "platform/GameRegistry.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"
#include "platform/Sound.h"

namespace vantorel {

// The platform services the windows use. The program hands in the Qt ones;
// tests hand in fakes, so every dialog and message can be scripted.
struct AppServices {
    Settings& settings;
    Prompter& prompter;
    FileDialogs& fileDialogs;
    GameRegistry& gameRegistry;
    Sound& sound;
};

}  // namespace vantorel
