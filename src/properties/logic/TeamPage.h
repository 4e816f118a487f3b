#pragma once

#include "mission/Mission.h"
#include "properties/logic/PageContext.h"

namespace vantorel {

// The team the team sheet edits: the one chosen on the level sheet's Teams
// tab; -1 when none is (every load and apply then does nothing).
inline int CurrentTeamOf(const PageContext& context) {
    return context.team >= 0 && context.team < kTeamCount ? context.team : -1;
}

}  // namespace vantorel
