#pragma once

#include "properties/ui/CEditDialog.h"

namespace vantorel {

// The Goal Condition dialog's window: the Condition dialog's lists and
// sentence, and under them the condition's three texts.
class CGoalConditionDlg : public CEditDialog {
    Q_OBJECT
public:
    CGoalConditionDlg(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
};

}  // namespace vantorel
