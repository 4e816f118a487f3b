#pragma once

#include <optional>

#include "properties/logic/PageContext.h"

namespace vantorel {

// Where pages and dialogs find what they edit: the current document with the
// current team and message. None while no mission is open.
class PageHost {
public:
    virtual ~PageHost() = default;
    virtual std::optional<PageContext> Context() = 0;
};

}  // namespace vantorel
