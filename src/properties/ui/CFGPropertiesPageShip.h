#pragma once

#include "properties/ui/CEditPage.h"

namespace vantorel {

// The Ship tab: its formation list shows each formation's picture, and its
// "..." button opens the Optional Craft dialog.
class CFGPropertiesPageShip : public CEditPage {
    Q_OBJECT
public:
    CFGPropertiesPageShip(std::unique_ptr<PageModel> model, PageHost& host,
                          QWidget* parent = nullptr);

protected:
    void OnButton(int id) override;
    void Decorate() override;
    CControlPanel::Layout DialogLayout(const std::string& name) override;
};

}  // namespace vantorel
