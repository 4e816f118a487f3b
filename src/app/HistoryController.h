#pragma once

#include <QObject>
#include <QPointer>

class QDockWidget;

namespace vantorel {

class CHistoryBar;
class CMainFrame;
class CQVDoc;

// The docked History window and what it does for the main frame: while it
// is open it lists the steps of the active mission and follows every change
// of it; a click on a step undoes or redoes to there in one move.
class HistoryController : public QObject {
    Q_OBJECT
public:
    explicit HistoryController(CMainFrame& frame);

    QDockWidget* Dock() const { return dock_; }
    CHistoryBar* Bar() const { return bar_; }

    // The window lists this document from now on (when it is open).
    void Follow(CQVDoc* doc);
    // The document is closing: the window lists nothing of it any more.
    void Forget(CQVDoc* doc);
    // Undo or Redo up to the state after `position` edits.
    void StepTo(CQVDoc* doc, int position);

private:
    void Refresh();

    QDockWidget* dock_;
    CHistoryBar* bar_;
    QPointer<CQVDoc> followed_;
};

}  // namespace vantorel
