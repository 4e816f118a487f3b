#pragma once

#include "properties/ui/CPropertySheet.h"
#include "properties/ui/PageHost.h"

namespace vantorel {

// The four pages that edit the current team.
class CTeamPropertiesSheet : public CPropertySheet {
    Q_OBJECT
public:
    enum Tab { kGeneralTab = 0, kGoalsTab, kGoalStringsTab, kBriefingTab };
    explicit CTeamPropertiesSheet(PageHost& host, QWidget* parent = nullptr);
};

}  // namespace vantorel
