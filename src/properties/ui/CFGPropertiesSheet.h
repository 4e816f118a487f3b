#pragma once

#include "properties/ui/CPropertySheet.h"
#include "properties/ui/PageHost.h"

namespace vantorel {

// The eight pages that edit every selected flight group at once.
class CFGPropertiesSheet : public CPropertySheet {
    Q_OBJECT
public:
    enum Tab {
        kShipTab = 0,
        kEquipmentTab,
        kArrivalTab,
        kDepartureTab,
        kOrdersTab,
        kGoalsTab,
        kPositionsTab,
        kOtherTab
    };

    explicit CFGPropertiesSheet(PageHost& host, QWidget* parent = nullptr);
};

}  // namespace vantorel
