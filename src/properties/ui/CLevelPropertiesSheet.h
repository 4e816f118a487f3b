#pragma once

#include "properties/ui/CPropertySheet.h"
#include "properties/ui/PageHost.h"

namespace vantorel {

class CLevelPropertiesBar;

// The docked overview of the current mission: flight groups, teams,
// messages, debriefing and level settings. Only the page in front is built
// and kept loaded; the others are built when first shown and reloaded each
// time they come forward. Before its tab changes every open property window
// applies; the tab brought forward raises the window that edits its kind of
// thing.
class CLevelPropertiesSheet : public CPropertySheet {
    Q_OBJECT
public:
    enum Tab { kFlightGroupTab = 0, kTeamsTab, kMessagesTab, kDebriefingTab, kLevelTab };

    CLevelPropertiesSheet(PageHost& host, CLevelPropertiesBar& bar, QWidget* parent = nullptr);

protected:
    bool TabLeaving(int index) override;
    void TabEntered(int index) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Every tab stays readable without scrolling: with their names while
    // they fit, else as icons with the names as tooltips.
    void FitTabs();

    CLevelPropertiesBar& bar_;
    int namesWidth_ = 0;  // the tab strip's width with every name shown
};

}  // namespace vantorel
