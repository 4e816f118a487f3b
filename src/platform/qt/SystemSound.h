#pragma once

#include <memory>

#include "platform/Sound.h"

namespace vantorel {

// The player of messages' wave files: the system's own on Windows (so the
// editor needs no Qt Multimedia there), Qt Multimedia elsewhere.
std::unique_ptr<Sound> CreateSystemSound();

}  // namespace vantorel
