#pragma once

#include <QDialog>
#include <memory>

#include "properties/logic/PageModel.h"
#include "properties/ui/CControlPanel.h"
#include "properties/ui/PageHost.h"

class QDialogButtonBox;

namespace vantorel {

// A modal dialog of a page (Optional Craft, Condition, ...): its model loads
// when the dialog opens and applies, as one edit, on OK; Cancel writes
// nothing.
class CEditDialog : public QDialog {
    Q_OBJECT
public:
    CEditDialog(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent = nullptr,
                CControlPanel::Layout layout = {});

    PageModel& Model() { return *model_; }
    CControlPanel& Panel() { return *panel_; }

    void accept() override;

private:
    std::unique_ptr<PageModel> model_;
    PageHost& host_;
    CControlPanel* panel_;
};

}  // namespace vantorel
