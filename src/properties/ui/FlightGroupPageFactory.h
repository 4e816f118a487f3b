#pragma once

#include <memory>

#include "properties/logic/PageModel.h"
#include "properties/ui/PageHost.h"

class QWidget;

namespace vantorel {

class CEditPage;

// The window of flight group tab `tab` (0 Ship .. 7 Other) around its model.
// A page with its own layout or drawing has its own class; the others are
// laid out from their controls.
CEditPage* MakeFlightGroupPage(int tab, std::unique_ptr<PageModel> model, PageHost& host,
                               QWidget* parent);

}  // namespace vantorel
