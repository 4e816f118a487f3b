#pragma once

#include "properties/ui/CEditDialog.h"

namespace vantorel {

// The Mothership dialog's window: "&Primary" and "&Alternate", each a choice
// of hyperspace or a mothership with the list of flight groups beside it.
class CMothershipDlg : public CEditDialog {
    Q_OBJECT
public:
    CMothershipDlg(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
};

}  // namespace vantorel
