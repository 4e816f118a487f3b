#pragma once

#include "properties/ui/CEditDialog.h"

namespace vantorel {

// The CMD Description dialog's window: four rows of a team and a role, the
// explanation, and the text they make.
class CCmdDescriptionDlg : public CEditDialog {
    Q_OBJECT
public:
    CCmdDescriptionDlg(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
};

}  // namespace vantorel
