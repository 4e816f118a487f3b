#pragma once

#include <memory>
#include <string>

#include "properties/ui/CControlPanel.h"

class QWidget;

namespace vantorel {

class CEditDialog;
class PageHost;
class PageModel;

// The window of a page's dialog, by the dialog's name: the ones with a layout
// of their own (Condition, Mothership, CMD, Goal Condition) get their class,
// every other dialog the plain window with `layout`.
CEditDialog* MakeDialogWindow(const std::string& name, std::unique_ptr<PageModel> model,
                              PageHost& host, QWidget* parent, CControlPanel::Layout layout);

}  // namespace vantorel
