#pragma once

#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QSessionManager>
#include <QToolBar>
#include <functional>
#include <map>
#include <vector>

#include "document/RecoveryFolder.h"
#include "ui/AppServices.h"
#include "ui/CommandTarget.h"

namespace vantorel {

class AutoSaver;
class BriefingWindows;
class CChildFrame;
class CLevelPropertiesBar;
class CMapToolbar;
class CProblemsBar;
class CQVDoc;
class CQVView;
class FlowWindows;
class HistoryController;
class LevelDocument;
class ProblemsController;
class RecentFiles;

// The main window: menus, accelerators, four toolbars, the status bar, the
// docked level properties bar and the MDI area with one child window per
// map view. Commands go to the active view, its document, this frame and the
// application, in that order; whoever answers decides the enabled state.
class CMainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    // `app` receives the application's commands (New, Open, Options, About).
    CMainFrame(AppServices& services, RecentFiles& recent, CommandTarget* app,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Restores the toolbars and the level bar as they were left.
    void LoadBarState();
    void SaveBarState();

    QAction* Action(int id) const;
    // Runs a command through the chain; false when nobody handled it.
    bool RunCommand(int id);
    // Enables and checks every command as its handler says.
    void UpdateCommandUI();

    CQVDoc* NewDocument();
    // A mission the caller builds (the new mission wizard) in a new window,
    // titled `title` instead of numbered like an empty one.
    CQVDoc* NewBuiltDocument(const std::function<void(LevelDocument&)>& build,
                             const QString& title);
    // Opens a mission, or brings the window of one already open to the front.
    CQVDoc* OpenDocumentFile(const QString& path);
    // Asks about unsaved changes of every document; false when the user
    // cancelled.
    bool SaveAllModified();
    // The desktop session is ending: the layout is stored and every unsaved
    // mission asked about, as when the program is closed. False keeps the
    // session (the user cancelled or a save failed).
    bool QueryEndSession();
    void CloseDocument(CQVDoc* doc);

    // Offers the copies a run that ended without saving left behind.
    void OfferRecovery();
    // Opens a copy as an unsaved mission under its own name; the copy is
    // then this run's. Null when the copy cannot be read.
    CQVDoc* RestoreRecovery(const RecoveryEntry& entry);
    AutoSaver& Autosave() { return *autosave_; }
    const std::vector<CQVDoc*>& Documents() const { return documents_; }

    CQVView* ActiveView() const;
    CQVDoc* ActiveDocument() const;
    CChildFrame* CreateChildFrame(CQVDoc* doc);

    QMdiArea* MdiArea() const { return mdi_; }
    CLevelPropertiesBar* LevelBar() const { return levelBar_; }
    QDockWidget* LevelDock() const { return levelDock_; }
    // The Problems window: Check Mission fills it; while it is open its
    // list follows every change of the mission.
    ProblemsController& Problems() const { return *problems_; }
    CProblemsBar* ProblemsBar() const;
    QDockWidget* ProblemsDock() const;
    // The History window: the steps of Undo and Redo of the active mission.
    HistoryController& History() const { return *history_; }
    // Tools > Briefing: a window per mission.
    BriefingWindows& Briefings() const { return *briefings_; }
    // View > Mission Flow: a window per mission.
    FlowWindows& Flows() const { return *flows_; }
    QToolBar* StandardBar() const { return standardBar_; }
    QToolBar* FlightGroupBar() const { return flightGroupBar_; }
    QToolBar* MessageBar() const { return messageBar_; }
    CMapToolbar* MapBar() const { return mapBar_; }
    QLabel* MessagePane() const { return pane0_; }
    QLabel* CoordinatePane() const { return pane1_; }
    // Whether the menu of an open document is shown.
    bool ShowsDocumentMenu() const { return documentMenu_; }
    void RefreshRecentFiles();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* MakeAction(int id, const QString& text, const QList<QKeySequence>& keys = {});
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateStatusBar();
    void CreateLevelBar();
    void ShowMenuFor(bool documentOpen);
    CQVDoc* MakeDocument();
    QToolBar* BarOf(int id) const;
    void OnSubWindowActivated(QMdiSubWindow* window);
    void OnCommitData(QSessionManager& manager);
    void UpdateTitle();

    AppServices& services_;
    RecentFiles& recent_;
    CommandTarget* app_;
    std::map<int, QAction*> actions_;
    std::vector<QMenu*> noDocumentMenus_;
    std::vector<QMenu*> documentMenus_;
    std::vector<QMenu*> recentMenus_;
    bool documentMenu_ = false;
    QMdiArea* mdi_ = nullptr;
    QToolBar* standardBar_ = nullptr;
    QToolBar* flightGroupBar_ = nullptr;
    QToolBar* messageBar_ = nullptr;
    CMapToolbar* mapBar_ = nullptr;
    QLabel* pane0_ = nullptr;
    QLabel* pane1_ = nullptr;
    QDockWidget* levelDock_ = nullptr;
    CLevelPropertiesBar* levelBar_ = nullptr;
    ProblemsController* problems_ = nullptr;
    HistoryController* history_ = nullptr;
    BriefingWindows* briefings_ = nullptr;
    FlowWindows* flows_ = nullptr;
    std::vector<CQVDoc*> documents_;
    CQVView* lastActiveView_ = nullptr;
    QString baseTitle_;
    AutoSaver* autosave_ = nullptr;
};

}  // namespace vantorel
