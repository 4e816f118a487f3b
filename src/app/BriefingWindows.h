#pragma once

#include <QObject>
#include <QPointer>
#include <utility>
#include <vector>

namespace vantorel {

class CBriefingWindow;
class CMainFrame;
class CQVDoc;

// Tools > Briefing: one Briefing window per mission, and what it does in the
// rest of the program. A flight group clicked on its map is selected in the
// mission (on the map and in the lists too); the window's mission becomes
// the active one while it is in front, so Edit > Undo undoes its edits.
class BriefingWindows : public QObject {
    Q_OBJECT
public:
    explicit BriefingWindows(CMainFrame& frame);

    // Opens the window of the mission, or brings it to the front.
    CBriefingWindow* Show(CQVDoc* doc);
    CBriefingWindow* WindowOf(CQVDoc* doc) const;
    // Tools > Make Briefing: the window, and Make Briefing on its briefing.
    void MakeBriefing(CQVDoc* doc);
    // The mission is closing: so does its window.
    void Forget(CQVDoc* doc);

private:
    void Select(CQVDoc* doc, int flightGroup);
    void Activate(CQVDoc* doc);

    CMainFrame& frame_;
    std::vector<std::pair<CQVDoc*, QPointer<CBriefingWindow>>> windows_;
};

}  // namespace vantorel
