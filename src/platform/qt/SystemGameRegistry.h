#pragma once

#include <memory>

#include "platform/GameRegistry.h"

namespace vantorel {

// The game's keys where this system keeps them: the machine registry on
// Windows, the Wine prefix ($WINEPREFIX, else ~/.wine) elsewhere.
std::unique_ptr<GameRegistry> CreateSystemGameRegistry();

}  // namespace vantorel
