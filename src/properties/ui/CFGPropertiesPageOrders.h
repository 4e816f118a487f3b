#pragma once

#include "properties/ui/CEditPage.h"

namespace vantorel {

// The Orders tab: the order tabs over the order's controls, the targets in
// their two groups, each with the button that opens the Target dialog, and
// the Order Info button that shows the order's help.
class CFGPropertiesPageOrders : public CEditPage {
    Q_OBJECT
public:
    CFGPropertiesPageOrders(std::unique_ptr<PageModel> model, PageHost& host,
                            QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
    static void TargetDialogLayout(CControlPanel& panel);

protected:
    void OnButton(int id) override;
};

}  // namespace vantorel
