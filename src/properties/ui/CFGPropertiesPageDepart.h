#pragma once

#include "properties/ui/CFGTriggerPage.h"

namespace vantorel {

// The Departure tab: two triggers joined by AND/OR, the abort condition, the
// explosion length and the Mothership button.
class CFGPropertiesPageDepart : public CFGTriggerPage {
    Q_OBJECT
public:
    CFGPropertiesPageDepart(std::unique_ptr<PageModel> model, PageHost& host,
                            QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
};

}  // namespace vantorel
