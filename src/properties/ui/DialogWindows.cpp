#include "properties/ui/DialogWindows.h"

#include "properties/logic/PageModel.h"
#include "properties/ui/CCmdDescriptionDlg.h"
#include "properties/ui/CConditionDlg.h"
#include "properties/ui/CGoalConditionDlg.h"
#include "properties/ui/CMothershipDlg.h"

namespace vantorel {

CEditDialog* MakeDialogWindow(const std::string& name, std::unique_ptr<PageModel> model,
                              PageHost& host, QWidget* parent, CControlPanel::Layout layout) {
    if (name == "condition") return new CConditionDlg(std::move(model), host, parent);
    if (name == "goal-condition") return new CGoalConditionDlg(std::move(model), host, parent);
    if (name == "mothership") return new CMothershipDlg(std::move(model), host, parent);
    if (name == "cmd") return new CCmdDescriptionDlg(std::move(model), host, parent);
    return new CEditDialog(std::move(model), host, parent, std::move(layout));
}

}  // namespace vantorel
