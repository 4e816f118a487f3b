#pragma once

#include "properties/ui/CFGTriggerPage.h"

namespace vantorel {

// The Arrival tab: four triggers joined by AND/OR, the delay, the player
// flag and the Mothership button.
class CFGPropertiesPageArrival : public CFGTriggerPage {
    Q_OBJECT
public:
    CFGPropertiesPageArrival(std::unique_ptr<PageModel> model, PageHost& host,
                             QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
};

}  // namespace vantorel
