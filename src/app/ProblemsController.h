#pragma once

#include <QObject>
#include <QString>

#include "document/MissionCheck.h"
#include "ui/AppServices.h"

class QDockWidget;

namespace vantorel {

class CMainFrame;
class CProblemsBar;
class CQVDoc;

// The docked Problems window and what it does for the main frame: Check
// Mission fills it, while it is open its list follows the mission it shows,
// and a problem activated in it takes the user to the flight group, message
// or team it is about.
class ProblemsController : public QObject {
    Q_OBJECT
public:
    ProblemsController(CMainFrame& frame, AppServices& services);

    QDockWidget* Dock() const { return dock_; }
    CProblemsBar* Bar() const { return bar_; }

    // Checks the document again, when the window is open; the count in the
    // status bar follows, or goes while the window is closed.
    void Refresh(CQVDoc* doc);
    // Check Mission: what the windows hold is applied, the mission checked
    // and the window shown with what was found; the status bar counts it.
    void RunCheck(CQVDoc* doc);
    // The flight group selected with its window open, the message or the
    // team in theirs.
    void ShowProblem(CQVDoc* doc, const Problem& problem);
    // The document is closing: the window lists nothing of it any more.
    void Forget(CQVDoc* doc);

private:
    void ShowCount();

    CMainFrame& frame_;
    AppServices& services_;
    QDockWidget* dock_;
    CProblemsBar* bar_;
    QString counted_;  // the count the status bar shows, while it shows it
};

}  // namespace vantorel
