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
    // Each page is built when its tab is first shown: what the pages show
    // lives in the document, so one never built has nothing to lose.
    auto add = [this, &host](Tab tab, const char* title, auto make) {
        AddPageBuiltWhenShown(
            QString::fromLatin1(title),
            [&host, make](QWidget* parent) -> CEditPage* { return make(host, parent); },
            LevelTabIcon(tab));
    };
    add(kFlightGroupTab, "Flight Group",
        [](PageHost& h, QWidget* p) { return new CLevelPropertiesPageFG(h, p); });
    add(kTeamsTab, "Teams",
        [](PageHost& h, QWidget* p) { return new CLevelPropertiesPageTeams(h, p); });
    add(kMessagesTab, "Messages",
        [](PageHost& h, QWidget* p) { return new CLevelPropertiesPageMsg(h, p); });
    add(kDebriefingTab, "Debriefing",
        [](PageHost& h, QWidget* p) { return new CLevelPropertiesPageDebriefing(h, p); });
    add(kLevelTab, "Level",
        [](PageHost& h, QWidget* p) { return new CLevelPropertiesPageLevel(h, p); });
    setUsesScrollButtons(true);
    for (int i = 0; i < count(); ++i) setTabToolTip(i, PageTitle(i));
}

void CLevelPropertiesSheet::resizeEvent(QResizeEvent* event) {
    CPropertySheet::resizeEvent(event);
    FitTabs();
}

void CLevelPropertiesSheet::FitTabs() {
    if (!tabText(0).isEmpty()) namesWidth_ = tabBar()->sizeHint().width();
    const bool names = namesWidth_ <= width();
    for (int i = 0; i < count(); ++i) {
        const QString text = names ? PageTitle(i) : QString();
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
