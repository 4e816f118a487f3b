#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "app/RecentFiles.h"
#include "ui/AppServices.h"
#include "ui/CommandTarget.h"

namespace vantorel {

class CMainFrame;

// The application object: starts the program in its fixed order, owns the
// main frame and the recent-file list, and handles the application-wide
// commands (New, New Mission Wizard, Open, Options, About).
class CQVApp : public QObject, public CommandTarget {
    Q_OBJECT
public:
    explicit CQVApp(AppServices& services);
    ~CQVApp() override;

    // The start-up. `arguments` excludes the program name. Returns false when
    // the program cannot start (the named file could not be opened).
    bool InitInstance(const QStringList& arguments);
    // At exit: the theme paths are written back.
    void ExitInstance();

    CMainFrame* MainFrame() const { return frame_.get(); }
    RecentFiles& Recent() { return recent_; }

    // File Open, starting in "Paths"/"DefaultOpen" when one is set.
    void OnFileOpen();
    void OnAppAbout();
    void OnOptions();
    // Opens the new mission wizard; its Finish opens the built mission.
    void OnNewMissionWizard();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    AppServices& services_;
    RecentFiles recent_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace vantorel
