#pragma once

#include <QObject>
#include <QPointer>
#include <utility>
#include <vector>

namespace vantorel {

class CFlowWindow;
class CMainFrame;
class CQVDoc;

// View > Mission Flow: one flow window per mission, and what a click in one
// does in the rest of the program. A click on a flight group's box selects
// that flight group (on the map too), on a message's box makes it the
// current message; a double click also opens its property window at the
// page the box stands for.
class FlowWindows : public QObject {
    Q_OBJECT
public:
    explicit FlowWindows(CMainFrame& frame);

    // Opens the window of the mission, or brings it to the front.
    CFlowWindow* Show(CQVDoc* doc);
    CFlowWindow* WindowOf(CQVDoc* doc) const;
    // The mission is closing: so does its window.
    void Forget(CQVDoc* doc);

private:
    void Select(CQVDoc* doc, int node, bool open);

    CMainFrame& frame_;
    std::vector<std::pair<CQVDoc*, QPointer<CFlowWindow>>> windows_;
};

}  // namespace vantorel
