#pragma once

#include "properties/ui/CEditPage.h"

namespace vantorel {

// The Goals tab: a sentence per goal with the button that opens the Goal
// dialog for it. The tab writes nothing itself; the dialog does on OK.
class CFGPropertiesPageGoals : public CEditPage {
    Q_OBJECT
public:
    CFGPropertiesPageGoals(std::unique_ptr<PageModel> model, PageHost& host,
                           QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
    static void GoalDialogLayout(CControlPanel& panel);

protected:
    void OnButton(int id) override;
};

}  // namespace vantorel
