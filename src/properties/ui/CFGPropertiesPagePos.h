#pragma once

#include "properties/ui/CEditPage.h"

namespace vantorel {

// The Positions tab: a view list over eight rows of X, Y, Z and Enable.
class CFGPropertiesPagePos : public CEditPage {
    Q_OBJECT
public:
    CFGPropertiesPagePos(std::unique_ptr<PageModel> model, PageHost& host,
                         QWidget* parent = nullptr);
};

}  // namespace vantorel
