#pragma once

#include "properties/ui/CEditPage.h"

class QBoxLayout;

namespace vantorel {

// A flight group tab with triggers (Arrival, Departure, Other): its buttons
// open the dialogs its model names for them, each in its own window.
class CFGTriggerPage : public CEditPage {
    Q_OBJECT
public:
    using CEditPage::CEditPage;

protected:
    void OnButton(int id) override;
};

// Layout pieces of these tabs: a trigger's sentence in a sunken box with its
// "..." button beside it, and an AND/OR pair centred under it.
void AddTriggerRow(CControlPanel& panel, QBoxLayout& into, int labelId, int buttonId);
void AddAndOr(CControlPanel& panel, QBoxLayout& into, int radioId);

}  // namespace vantorel
