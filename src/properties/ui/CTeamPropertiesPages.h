#pragma once

#include "properties/ui/CEditPage.h"

namespace vantorel {

// Name, allies and theme. Leaving the name box, and leaving the tab, writes
// every window back and reloads them all, so every team list shows the name.
class CTeamPropertiesPageGeneral : public CEditPage {
    Q_OBJECT
public:
    CTeamPropertiesPageGeneral(std::unique_ptr<PageModel> model, PageHost& host,
                               QWidget* parent = nullptr);
    static void Layout(CControlPanel& panel);
    bool OnKillActive() override;

private:
    void ApplyAndRefreshAll();
};

// One goal set at a time, its conditions edited in the Goal Condition dialog.
class CTeamPropertiesPageGoals : public CEditPage {
    Q_OBJECT
public:
    CTeamPropertiesPageGoals(std::unique_ptr<PageModel> model, PageHost& host,
                             QWidget* parent = nullptr);
    static void Layout(CControlPanel& panel);

protected:
    void OnButton(int id) override;
};

// Leaving the tab writes the texts; nothing on the map depends on them.
class CTeamPropertiesPageGoalStrings : public CEditPage {
    Q_OBJECT
public:
    CTeamPropertiesPageGoalStrings(std::unique_ptr<PageModel> model, PageHost& host,
                                   QWidget* parent = nullptr);
    static void Layout(CControlPanel& panel);
    bool OnKillActive() override { return ApplyPage(); }
};

}  // namespace vantorel
