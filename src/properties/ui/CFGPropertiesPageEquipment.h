#pragma once

#include "properties/ui/CEditPage.h"

namespace vantorel {

// The Equipment tab: a click on an equipment item checks or unchecks it,
// and its "..." button opens the Hidden Cargo dialog.
class CFGPropertiesPageEquipment : public CEditPage {
    Q_OBJECT
public:
    CFGPropertiesPageEquipment(std::unique_ptr<PageModel> model, PageHost& host,
                               QWidget* parent = nullptr);

protected:
    void OnButton(int id) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vantorel
