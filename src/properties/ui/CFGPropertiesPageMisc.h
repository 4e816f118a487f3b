#pragma once

#include "properties/ui/CFGTriggerPage.h"

namespace vantorel {

// The Other tab: difficulty, the global numbers, the jump to order 4 and
// the CMD descriptions.
class CFGPropertiesPageMisc : public CFGTriggerPage {
    Q_OBJECT
public:
    CFGPropertiesPageMisc(std::unique_ptr<PageModel> model, PageHost& host,
                          QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
};

}  // namespace vantorel
