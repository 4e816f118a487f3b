#include "properties/ui/CLevelPropertiesSheet.h"

#include <QTabBar>

#include "properties/ui/CEditPage.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesPages.h"
#include "ui/WindowPictures.h"

namespace vantorel {

CLevelPropertiesSheet::CLevelPropertiesSheet(PageHost& host, CLevelPropertiesBar& bar,
                                             QWidget* parent)
    : CPropertySheet(parent), bar_(bar) {
    setObjectName(QStringLiteral("CLevelPropertiesSheet"));
    setWindowTitle(QStringLiteral("Level Properties"));
    AddPage(new CLevelPropertiesPageFG(host, this), LevelTabIcon(kFlightGroupTab));
    AddPage(new CLevelPropertiesPageTeams(host, this), LevelTabIcon(kTeamsTab));
    AddPage(new CLevelPropertiesPageMsg(host, this), LevelTabIcon(kMessagesTab));
    AddPage(new CLevelPropertiesPageDebriefing(host, this), LevelTabIcon(kDebriefingTab));
    AddPage(new CLevelPropertiesPageLevel(host, this), LevelTabIcon(kLevelTab));
    setUsesScrollButtons(true);
    for (int i = 0; i < count(); ++i) setTabToolTip(i, Page(i)->Title());
}

void CLevelPropertiesSheet::resizeEvent(QResizeEvent* event) {
    CPropertySheet::resizeEvent(event);
    FitTabs();
}

void CLevelPropertiesSheet::FitTabs() {
    if (!tabText(0).isEmpty()) namesWidth_ = tabBar()->sizeHint().width();
    const bool names = namesWidth_ <= width();
    for (int i = 0; i < count(); ++i) {
        const QString text = names ? Page(i)->Title() : QString();
        if (tabText(i) != text) setTabText(i, text);
    }
}

bool CLevelPropertiesSheet::TabLeaving(int) {
    // A refused value keeps its tab in front; else every window writes back.
    if (!ApplyAllPages()) return false;
    bar_.ApplyAll();
    return true;
}

void CLevelPropertiesSheet::TabEntered(int index) {
    CPropertySheet::TabEntered(index);
    bar_.RaiseWindowOf(index);
}

}  // namespace vantorel
