#pragma once

#include "map/InteractionCommands.h"

namespace vantorel {

// Something a command can be routed to: the active view, its document, the
// main frame and the application, asked in that order. A command nobody
// handles shows disabled.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    // True when the command was handled.
    virtual bool OnCommand(int id) = 0;
    // True when this target handles the command; `state` then says how its
    // menu item and button look.
    virtual bool OnUpdateCommand(int id, CommandState& state) = 0;
};

}  // namespace vantorel
