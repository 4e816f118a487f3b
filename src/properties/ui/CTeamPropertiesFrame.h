#pragma once

#include "properties/ui/CPropertyFrame.h"
#include "properties/ui/PageHost.h"

namespace vantorel {

class CTeamPropertiesSheet;

// The floating window of the team sheet, on the current team.
class CTeamPropertiesFrame : public CPropertyFrame {
    Q_OBJECT
public:
    CTeamPropertiesFrame(PageHost& host, PropertyBarHooks& bar, QWidget* owner);
    CTeamPropertiesSheet& TeamSheet();
};

}  // namespace vantorel
