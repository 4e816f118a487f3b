#include "app/CMainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include "app/AppPictures.h"
#include "app/AutoSaver.h"
#include "app/CChildFrame.h"
#include "app/CMapToolbar.h"
#include "app/CProblemsBar.h"
#include "app/CQVDoc.h"
#include "app/CRecoveryDlg.h"
#include "app/CommandIds.h"
#include "app/CommandTexts.h"
#include "app/DocumentClipboard.h"
#include "app/RecentFiles.h"
#include "map/ui/CQVView.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"

namespace vantorel {

namespace {

constexpr const char* kBarSection = "BarSettings10";
constexpr int kBarStateVersion = 1;

// A numbered menu item naming a file or window; a "&" in the name is shown
// as written, not taken for a mnemonic.
QString NumberedItem(int index, QString name) {
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name.replace(QLatin1Char('&'), "&&"));
}

QString RecentLabel(int index, const std::string& path) {
    return NumberedItem(index, QDir::toNativeSeparators(QString::fromStdString(path)));
}

// The coordinate pane's width for "-250.00, -250.00" with its frame.
int CoordinatePaneWidth(const QLabel& pane) {
    const QMargins m = pane.contentsMargins();
    return pane.fontMetrics().horizontalAdvance(QStringLiteral("-250.00, -250.00")) + m.left() +
           m.right() + 2 * pane.margin() + 8;
}

}  // namespace

CMainFrame::CMainFrame(AppServices& services, RecentFiles& recent, CommandTarget* app,
                       QWidget* parent)
    : QMainWindow(parent), services_(services), recent_(recent), app_(app) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QStringLiteral("Vantorel"));
    setWindowIcon(AppIcon());
    setAcceptDrops(true);

    mdi_ = new QMdiArea(this);
    mdi_->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    // Copies of unsaved missions live in the user's own data folder.
    autosave_ =
        new AutoSaver(services_.settings,
                      QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                          QStringLiteral("/recovery"),
                      this);

    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    CreateLevelBar();
    CreateProblemsBar();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    ShowMenuFor(false);

    // Logging out or shutting down does not close the windows first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &CMainFrame::OnCommitData,
            Qt::DirectConnection);

    // Ctrl+\ is taken by its character, whatever key makes it on the layout.
    qApp->installEventFilter(this);

    // Enabled states and check marks follow what changed: the documents,
    // the active window, the bar's choices and the bars shown; a menu is
    // brought up to date again as it opens.
    connect(levelBar_, &CLevelPropertiesBar::currentItemChanged, this,
            &CMainFrame::UpdateCommandUI);
    connect(levelBar_, &CLevelPropertiesBar::currentDocumentChanged, this,
            &CMainFrame::UpdateCommandUI);
    connect(levelDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    connect(problemsDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    for (QToolBar* bar :
         {standardBar_, flightGroupBar_, messageBar_, static_cast<QToolBar*>(mapBar_)})
        connect(bar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    for (QMenu* menu : findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    // Paste follows the clipboard; Copy follows the keyboard between the
    // map and the Messages tab.
    connect(&ClipboardWatch::Instance(), &ClipboardWatch::changed, this,
            &CMainFrame::UpdateCommandUI);
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::UpdateCommandUI);
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    ClipboardWatch::Instance().disconnect(this);
    // The windows go after this frame's own part is gone: nothing of theirs
    // may call back into it.
    mdi_->disconnect(this);
    levelBar_->disconnect(this);
    levelDock_->disconnect(this);
    problemsDock_->disconnect(this);
    problemsBar_->disconnect(this);
    for (CChildFrame* w : mdi_->findChildren<CChildFrame*>()) w->disconnect(this);
    for (CQVDoc* doc : documents_) doc->disconnect(this);
    for (QToolBar* bar : findChildren<QToolBar*>()) bar->disconnect(this);
}

QAction* CMainFrame::MakeAction(int id, const QString& text, const QList<QKeySequence>& keys) {
    auto* a = new QAction(CommandIcon(id), text, this);
    a->setData(id);
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    const CommandText t = CommandTextOf(id);
    a->setStatusTip(QString::fromLatin1(t.prompt));
    if (*t.tooltip) a->setToolTip(QString::fromLatin1(t.tooltip));
    a->setIconVisibleInMenu(false);
    a->setEnabled(false);
    connect(a, &QAction::triggered, this, [this, id] { RunCommand(id); });
    // Owned by the frame as well, so accelerators work whichever menu shows.
    addAction(a);
    actions_[id] = a;
    return a;
}

QAction* CMainFrame::Action(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::CreateActions() {
    using K = QKeySequence;
    MakeAction(kCmdFileNew, tr("&New"), {K(Qt::CTRL | Qt::Key_N)});
    MakeAction(kCmdNewMissionWizard, tr("New Mission &Wizard..."));
    MakeAction(kCmdFileOpen, tr("&Open..."), {K(Qt::CTRL | Qt::Key_O)});
    MakeAction(kCmdFileClose, tr("&Close"));
    MakeAction(kCmdFileSave, tr("&Save"), {K(Qt::CTRL | Qt::Key_S)});
    MakeAction(kCmdFileSaveAs, tr("Save &As..."));
    MakeAction(kCmdAppExit, tr("E&xit"));
    for (int i = 0; i < kRecentFileCount; ++i) MakeAction(kCmdRecentFirst + i, QString());

    MakeAction(kCmdEditUndo, tr("&Undo"),
               {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)});
    MakeAction(kCmdEditRedo, tr("&Redo"),
               {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    MakeAction(kCmdEditCut, tr("Cu&t"), {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)});
    MakeAction(kCmdEditCopy, tr("&Copy"), {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)});
    MakeAction(kCmdEditPaste, tr("&Paste"),
               {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)});

    MakeAction(kCmdToolbarStandard, tr("&Standard"));
    MakeAction(kCmdToolbarFlightGroup, tr("&Flight Group"));
    MakeAction(kCmdToolbarMessages, tr("&Message"));
    MakeAction(kCmdToolbarMap, tr("M&ap"));
    MakeAction(kCmdStatusBar, tr("&Status Bar"));
    MakeAction(kCmdLevelProperties, tr("&Level Properties"));
    MakeAction(kCmdViewProblems, tr("&Problems"));
    MakeAction(kCmdCheckMission, tr("&Check Mission"));
    MakeAction(kCmdViewCenter, tr("Map &Center"), {K(Qt::CTRL | Qt::Key_Home)});
    // Taken by its character code in eventFilter; the text shows the keys.
    MakeAction(kCmdViewSelection, tr("C&urrent Selection\tCtrl+\\"));
    // Ctrl and the keypad's + and -, and the same on the main keys (= is +
    // without Shift on many layouts). On X11 Qt reports keypad keys to the
    // shortcuts without the keypad flag, so there it is the plain Ctrl++
    // and Ctrl+- that catch the keypad too. The first one is what the menu
    // shows.
    const auto keypad = [](Qt::Key key) {
        return K(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, key));
    };
    MakeAction(kCmdZoomIn, tr("Zoom &In"),
               {K(Qt::CTRL | Qt::Key_Plus), keypad(Qt::Key_Plus), K(Qt::CTRL | Qt::Key_Equal)});
    MakeAction(kCmdZoomOut, tr("Zoom &Out"), {K(Qt::CTRL | Qt::Key_Minus), keypad(Qt::Key_Minus)});
    // Home only while a map has the focus (each map takes the action on), so
    // the key keeps its meaning in the lists and fields of the other windows.
    MakeAction(kCmdZoomToFit, tr("Zoom to &Fit"), {K(Qt::Key_Home)})
        ->setShortcutContext(Qt::WidgetShortcut);
    MakeAction(kCmdViewTop, tr("&Top"), {K(Qt::Key_F5)});
    MakeAction(kCmdViewFront, tr("&Front"), {K(Qt::Key_F6)});
    MakeAction(kCmdViewSide, tr("&Side"), {K(Qt::Key_F7)});
    MakeAction(kCmdView3D, tr("&3D"), {K(Qt::Key_F8)});
    MakeAction(kCmdStalks, tr("Flightgroup Stal&ks"), {K(Qt::CTRL | Qt::Key_K)});
    MakeAction(kCmdGrid3D, tr("&Grid"), {K(Qt::CTRL | Qt::Key_G)});
    MakeAction(kCmdSelectionBox, tr("&Selection Box"));
    MakeAction(kCmdAutoSelZoom, tr("Always &Zoom To Selection"));
    MakeAction(kCmdShowWaypoints, tr("Show Waypoints"));
    MakeAction(kCmdShowSelectionWaypoints, tr("Show Selection Waypoints"));
    MakeAction(kCmdShowFGNames, tr("Show Flightgroup Names"));
    MakeAction(kCmdShowPointNames, tr("Show Point Names"));
    MakeAction(kCmdJoinWaypoints, tr("Join Waypoints"));

    MakeAction(kCmdFlightGroupWizard, tr("&New Flightgroup Wizard"));
    MakeAction(kCmdNewFlightGroup, tr("&Add..."), {K(Qt::CTRL | Qt::Key_F)});
    MakeAction(kCmdDeleteFlightGroup, tr("&Delete"), {K(Qt::Key_Delete)});
    MakeAction(kCmdFlightGroupProperties, tr("&Properties"),
               {K(Qt::ALT | Qt::Key_Return), K(Qt::ALT | Qt::Key_Enter)});
    MakeAction(kCmdNewMessage, tr("&Add..."), {K(Qt::CTRL | Qt::Key_M)});
    MakeAction(kCmdDeleteMessage, tr("&Delete"));
    MakeAction(kCmdMessageProperties, tr("&Properties"));
    MakeAction(kCmdTeamProperties, tr("&Team Properties"));
    MakeAction(kCmdOptions, tr("&Options"));

    MakeAction(kCmdWindowNew, tr("&New Window"));
    MakeAction(kCmdWindowCascade, tr("&Cascade"));
    MakeAction(kCmdWindowTile, tr("&Tile"));
    MakeAction(kCmdWindowArrange, tr("&Arrange Icons"));
    MakeAction(kCmdAppAbout, tr("&About QV..."));

    // Exactly one angle button shows pressed.
    auto* angles = new QActionGroup(this);
    for (int id : {kCmdViewTop, kCmdViewFront, kCmdViewSide, kCmdView3D})
        angles->addAction(Action(id));
    angles->setExclusive(true);

    // Menu-only texts differ from the toolbar names for the toolbars' own
    // tooltips; the rest of the checkable commands get their check marks
    // from the update pass.
    for (int id : {kCmdToolbarStandard, kCmdToolbarFlightGroup, kCmdToolbarMessages, kCmdToolbarMap,
                   kCmdStatusBar, kCmdLevelProperties, kCmdViewProblems})
        Action(id)->setCheckable(true);
}

void CMainFrame::CreateMenus() {
    auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
    };
    auto recentSection = [this](QMenu* file) {
        file->addSeparator();
        recentMenus_.push_back(file);
        for (int i = 0; i < kRecentFileCount; ++i) file->addAction(Action(kCmdRecentFirst + i));
        file->addSeparator();
        file->addAction(Action(kCmdAppExit));
    };
    auto viewBasics = [this, add](QMenu* view) {
        QMenu* bars = view->addMenu(tr("&Toolbars"));
        add(bars,
            {kCmdToolbarStandard, kCmdToolbarFlightGroup, kCmdToolbarMessages, kCmdToolbarMap});
        add(view, {kCmdStatusBar, kCmdLevelProperties, kCmdViewProblems});
    };

    // No document open.
    {
        auto* file = new QMenu(tr("&File"), this);
        add(file, {kCmdFileNew, kCmdNewMissionWizard, kCmdFileOpen});
        recentSection(file);
        auto* view = new QMenu(tr("&View"), this);
        viewBasics(view);
        auto* tools = new QMenu(tr("&Tools"), this);
        add(tools, {kCmdOptions});
        auto* help = new QMenu(tr("&Help"), this);
        add(help, {kCmdAppAbout});
        noDocumentMenus_ = {file, view, tools, help};
    }
    // A document open.
    {
        auto* file = new QMenu(tr("&File"), this);
        add(file, {kCmdFileNew, kCmdNewMissionWizard, kCmdFileOpen, kCmdFileClose, kCmdFileSave,
                   kCmdFileSaveAs});
        recentSection(file);
        auto* edit = new QMenu(tr("&Edit"), this);
        add(edit, {kCmdEditUndo, kCmdEditRedo, 0, kCmdEditCut, kCmdEditCopy, kCmdEditPaste});
        auto* view = new QMenu(tr("&View"), this);
        viewBasics(view);
        add(view,
            {0, kCmdViewCenter, kCmdViewSelection, kCmdZoomIn, kCmdZoomOut, kCmdZoomToFit, 0});
        QMenu* angle = view->addMenu(tr("&Angle"));
        add(angle, {kCmdViewTop, kCmdViewFront, kCmdViewSide, kCmdView3D});
        QMenu* view3d = view->addMenu(tr("&3D View"));
        add(view3d, {kCmdStalks, kCmdGrid3D});
        add(view, {0, kCmdSelectionBox, kCmdAutoSelZoom});
        auto* tools = new QMenu(tr("&Tools"), this);
        add(tools, {kCmdFlightGroupWizard, kCmdCheckMission});
        QMenu* fg = tools->addMenu(tr("&Flight Group"));
        add(fg, {kCmdNewFlightGroup, kCmdDeleteFlightGroup, 0, kCmdFlightGroupProperties});
        QMenu* msg = tools->addMenu(tr("&Message"));
        add(msg, {kCmdNewMessage, kCmdDeleteMessage, 0, kCmdMessageProperties});
        add(tools, {0, kCmdTeamProperties, 0, kCmdOptions});
        auto* window = new QMenu(tr("&Window"), this);
        add(window, {kCmdWindowNew, kCmdWindowCascade, kCmdWindowTile, kCmdWindowArrange});
        // The open windows follow, the active one checked.
        connect(window, &QMenu::aboutToShow, this, [this, window] {
            const QList<QAction*> all = window->actions();
            for (int i = 4; i < all.size(); ++i) {
                window->removeAction(all[i]);
                if (all[i]->parent() == window) delete all[i];
            }
            const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
            if (!windows.isEmpty()) window->addSeparator()->setParent(window);
            for (int i = 0; i < windows.size(); ++i) {
                QMdiSubWindow* w = windows[i];
                auto* a = new QAction(
                    NumberedItem(i, w->windowTitle().remove(QStringLiteral("[*]"))), window);
                a->setCheckable(true);
                a->setChecked(w == mdi_->activeSubWindow());
                connect(a, &QAction::triggered, this, [this, w] { mdi_->setActiveSubWindow(w); });
                window->addAction(a);
            }
        });
        auto* help = new QMenu(tr("&Help"), this);
        add(help, {kCmdAppAbout});
        documentMenus_ = {file, edit, view, tools, window, help};
    }
    for (QMenu* m : noDocumentMenus_)
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    for (QMenu* m : documentMenus_)
        connect(m, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    RefreshRecentFiles();
}

void CMainFrame::ShowMenuFor(bool documentOpen) {
    documentMenu_ = documentOpen;
    menuBar()->clear();
    for (QMenu* m : documentOpen ? documentMenus_ : noDocumentMenus_) menuBar()->addMenu(m);
}

void CMainFrame::RefreshRecentFiles() {
    const auto& files = recent_.Files();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* a = Action(kCmdRecentFirst + i);
        if (size_t(i) < files.size()) {
            a->setText(RecentLabel(i, files[size_t(i)]));
            a->setVisible(true);
        } else {
            // An empty list shows one disabled "Recent File" item.
            a->setText(tr("Recent File"));
            a->setVisible(i == 0 && files.empty());
        }
    }
}

void CMainFrame::CreateToolBars() {
    auto makeBar = [this](const QString& caption, const QString& name,
                          std::initializer_list<int> ids) {
        auto* bar = new QToolBar(caption, this);
        bar->setObjectName(name);
        bar->setIconSize(QSize(16, 15));
        for (int id : ids) {
            if (id == 0)
                bar->addSeparator();
            else
                bar->addAction(Action(id));
        }
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };
    standardBar_ =
        makeBar(tr("Standard"), QStringLiteral("Standard"),
                {kCmdFileNew, kCmdNewMissionWizard, kCmdFileOpen, kCmdFileSave, 0, kCmdEditCut,
                 kCmdEditCopy, kCmdEditPaste, 0, kCmdEditUndo, kCmdEditRedo});
    flightGroupBar_ = makeBar(tr("Flight Group"), QStringLiteral("FlightGroup"),
                              {kCmdNewFlightGroup, kCmdDeleteFlightGroup, kCmdFlightGroupProperties,
                               0, kCmdFlightGroupWizard});
    messageBar_ = makeBar(tr("Radio Messages"), QStringLiteral("RadioMessages"),
                          {kCmdNewMessage, kCmdDeleteMessage, kCmdMessageProperties});

    mapBar_ = new CMapToolbar(this);
    mapBar_->SetUp(
        services_.settings.GetInt("Settings", "Snap", 0),
        {Action(kCmdShowWaypoints), Action(kCmdShowSelectionWaypoints), Action(kCmdShowFGNames),
         Action(kCmdShowPointNames), Action(kCmdJoinWaypoints), nullptr, Action(kCmdViewTop),
         Action(kCmdViewFront), Action(kCmdViewSide), Action(kCmdView3D), nullptr,
         Action(kCmdViewCenter), Action(kCmdViewSelection), Action(kCmdZoomToFit)});
    addToolBar(Qt::BottomToolBarArea, mapBar_);
    connect(mapBar_, &CMapToolbar::snapChanged, this, [this](int index) {
        // The choice is kept even with no map open; the next map reads it.
        if (CQVView* v = ActiveView())
            v->OnSnapChanged(index);
        else
            services_.settings.SetInt("Settings", "Snap", index);
    });
    connect(mapBar_, &CMapToolbar::zoomChanged, this, [this](int value) {
        if (CQVView* v = ActiveView()) v->OnZoomSlider(value);
    });
}

void CMainFrame::CreateStatusBar() {
    pane0_ = new QLabel(this);
    pane0_->setObjectName(QStringLiteral("MessagePane"));
    pane1_ = new QLabel(QStringLiteral(" "), this);
    pane1_->setObjectName(QStringLiteral("CoordinatePane"));
    pane1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(pane0_, 1);
    statusBar()->addPermanentWidget(pane1_);
    // Wide enough for the widest read-out in the font the pane has.
    pane1_->setFixedWidth(std::max(80, CoordinatePaneWidth(*pane1_)));
}

void CMainFrame::CreateLevelBar() {
    levelDock_ = new QDockWidget(tr("Level Properties"), this);
    levelDock_->setObjectName(QStringLiteral("LevelProperties"));
    levelDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    levelBar_ = new CLevelPropertiesBar(services_, levelDock_);
    levelBar_->resize(260, 320);
    levelDock_->setWidget(levelBar_);
    addDockWidget(Qt::RightDockWidgetArea, levelDock_);
    resizeDocks({levelDock_}, {levelBar_->sizeHint().width()}, Qt::Horizontal);
}

void CMainFrame::CreateProblemsBar() {
    problemsDock_ = new QDockWidget(tr("Problems"), this);
    problemsDock_->setObjectName(QStringLiteral("Problems"));
    problemsDock_->setAllowedAreas(Qt::AllDockWidgetAreas);
    problemsBar_ = new CProblemsBar(problemsDock_);
    problemsDock_->setWidget(problemsBar_);
    addDockWidget(Qt::BottomDockWidgetArea, problemsDock_);
    // A few lines high: the map keeps most of the window.
    resizeDocks({problemsDock_}, {6 * fontMetrics().height()}, Qt::Vertical);
    problemsDock_->hide();
    connect(problemsBar_, &CProblemsBar::problemActivated, this, &CMainFrame::ShowProblem);
}

void CMainFrame::RefreshProblems(CQVDoc* doc) {
    if (problemsDock_->isHidden() || !doc) return;
    problemsBar_->SetProblems(
        doc, CheckMission(doc->GetMission(),
                          CheckOptions{services_.settings.GetString("Paths", "XVT", "")}));
}

void CMainFrame::RunMissionCheck(CQVDoc* doc) {
    // The check reads what the property windows still hold too.
    levelBar_->ApplyAll();
    problemsDock_->show();
    problemsDock_->raise();
    RefreshProblems(doc);
    const auto& problems = problemsBar_->Problems();
    const auto errors = std::count_if(problems.begin(), problems.end(), [](const Problem& p) {
        return p.Severity == ProblemSeverity::Error;
    });
    const auto counted = [](qsizetype n, const char* one, const char* many) {
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    pane0_->setText(problems.empty()
                        ? tr("No problems found.")
                        : counted(errors, "error", "errors") + QStringLiteral(", ") +
                              counted(qsizetype(problems.size()) - errors, "warning", "warnings"));
}

void CMainFrame::ShowProblem(CQVDoc* doc, const Problem& problem) {
    if (!doc || std::find(documents_.begin(), documents_.end(), doc) == documents_.end()) return;
    // The mission's window comes to the front first: the level bar follows
    // the active window.
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(w);
        if (child && child->View()->Document() == doc) {
            mdi_->setActiveSubWindow(w);
            break;
        }
    }
    levelBar_->SetCurrentDocument(doc);
    Mission& mission = doc->GetMission();
    switch (problem.Subject) {
        case ProblemSubject::FlightGroup: {
            if (problem.Index < 0 || problem.Index >= mission.CountFlightGroups()) return;
            levelBar_->ApplyAll();
            for (int i = 0; i < mission.CountFlightGroups(); ++i)
                mission.FlightGroups[size_t(i)]->Selected = i == problem.Index;
            doc->Level().NotifySelectionChanged();
            levelBar_->SwitchToTab(CLevelPropertiesSheet::kFlightGroupTab);
            levelBar_->RefreshAll();
            levelBar_->UpdateViews();
            levelBar_->ShowFlightGroupProperties();
            for (CQVView* view : doc->Views()) view->CentreOnSelection();
            return;
        }
        case ProblemSubject::Message:
            if (problem.Index < 0 || problem.Index >= mission.CountMessages()) return;
            levelBar_->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
            levelBar_->SelectMessage(problem.Index);
            return;
        case ProblemSubject::Team:
            levelBar_->SelectTeam(problem.Index);
            return;
        case ProblemSubject::Mission:
            levelBar_->SwitchToTab(CLevelPropertiesSheet::kLevelTab);
            return;
    }
}

void CMainFrame::LoadBarState() {
    const QByteArray state = QByteArray::fromBase64(
        QByteArray::fromStdString(services_.settings.GetString(kBarSection, "State", "")));
    if (!state.isEmpty()) restoreState(state, kBarStateVersion);
    statusBar()->setVisible(services_.settings.GetInt(kBarSection, "StatusBar", 1) != 0);
}

void CMainFrame::SaveBarState() {
    services_.settings.SetString(kBarSection, "State",
                                 saveState(kBarStateVersion).toBase64().toStdString());
    services_.settings.SetInt(kBarSection, "StatusBar", statusBar()->isHidden() ? 0 : 1);
}

QToolBar* CMainFrame::BarOf(int id) const {
    switch (id) {
        case kCmdToolbarStandard:
            return standardBar_;
        case kCmdToolbarFlightGroup:
            return flightGroupBar_;
        case kCmdToolbarMessages:
            return messageBar_;
        case kCmdToolbarMap:
            return mapBar_;
        default:
            return nullptr;
    }
}

CQVView* CMainFrame::ActiveView() const {
    auto* child = qobject_cast<CChildFrame*>(mdi_->activeSubWindow());
    if (!child) child = qobject_cast<CChildFrame*>(mdi_->currentSubWindow());
    return child ? child->View() : nullptr;
}

CQVDoc* CMainFrame::ActiveDocument() const {
    CQVView* v = ActiveView();
    return v ? v->Document() : nullptr;
}

bool CMainFrame::RunCommand(int id) {
    bool handled = false;
    if (CQVView* v = ActiveView(); v && v->OnCommand(id)) {
        handled = true;
    } else if (CQVDoc* d = ActiveDocument(); d && d->OnCommand(id)) {
        handled = true;
    } else if (OnCommand(id)) {
        handled = true;
    } else if (app_ && app_->OnCommand(id)) {
        handled = true;
    }
    UpdateCommandUI();
    return handled;
}

void CMainFrame::UpdateCommandUI() {
    CQVView* view = ActiveView();
    CQVDoc* doc = ActiveDocument();
    for (auto& [id, action] : actions_) {
        CommandState state;
        bool handled = (view && view->OnUpdateCommand(id, state)) ||
                       (doc && doc->OnUpdateCommand(id, state)) || OnUpdateCommand(id, state) ||
                       (app_ && app_->OnUpdateCommand(id, state));
        // A command nobody handles shows disabled.
        action->setEnabled(handled && state.enabled);
        if (!state.text.empty()) action->setText(QString::fromStdString(state.text));
        if (state.checkable || action->isCheckable()) {
            action->setCheckable(true);
            action->setChecked(handled && state.checked);
        }
    }
    UpdateTitle();
}

void CMainFrame::UpdateTitle() {
    CQVDoc* doc = ActiveDocument();
    // A maximised window adds " - [its title]" to this title by itself.
    const QMdiSubWindow* active = mdi_->activeSubWindow();
    if (!active) active = mdi_->currentSubWindow();  // as ActiveView() picks it
    QString title = QStringLiteral("Vantorel");
    if (doc && !(active && active->isMaximized()))
        title += QStringLiteral(" - ") + doc->Title() + QStringLiteral("[*]");
    // Set only on a change: every setting reaches the window system, and the
    // maximised window then appends its part again.
    if (title != baseTitle_) {
        baseTitle_ = title;
        setWindowTitle(title);
    }
    const bool modified = doc && doc->IsModified();
    if (isWindowModified() != modified) setWindowModified(modified);
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(w)) child->UpdateTitle();
}

bool CMainFrame::OnCommand(int id) {
    if (QToolBar* bar = BarOf(id)) {
        bar->setVisible(bar->isHidden());
        return true;
    }
    switch (id) {
        case kCmdStatusBar:
            statusBar()->setVisible(statusBar()->isHidden());
            return true;
        case kCmdLevelProperties:
            levelDock_->setVisible(levelDock_->isHidden());
            return true;
        case kCmdViewProblems:
            problemsDock_->setVisible(problemsDock_->isHidden());
            if (!problemsDock_->isHidden()) RefreshProblems(ActiveDocument());
            return true;
        case kCmdCheckMission:
            if (CQVDoc* doc = ActiveDocument()) RunMissionCheck(doc);
            return true;
        case kCmdFileClose:
            if (CQVDoc* doc = ActiveDocument()) CloseDocument(doc);
            return true;
        case kCmdAppExit:
            close();
            return true;
        case kCmdWindowNew:
            if (CQVDoc* doc = ActiveDocument()) CreateChildFrame(doc);
            return true;
        case kCmdWindowCascade:
            mdi_->cascadeSubWindows();
            return true;
        case kCmdWindowTile:
            mdi_->tileSubWindows();
            return true;
        case kCmdWindowArrange: {
            // Minimised windows line up along the bottom edge.
            int x = 0;
            for (QMdiSubWindow* w : mdi_->subWindowList()) {
                if (!w->isMinimized()) continue;
                w->move(x, mdi_->viewport()->height() - w->height());
                x += w->width();
            }
            return true;
        }
        default:
            break;
    }
    if (id >= kCmdRecentFirst && id < kCmdRecentFirst + kRecentFileCount) {
        const size_t n = size_t(id - kCmdRecentFirst);
        if (n < recent_.Files().size()) {
            const QString path = QString::fromStdString(recent_.Files()[n]);
            if (!OpenDocumentFile(path)) {
                recent_.Remove(path.toStdString());
                RefreshRecentFiles();
            }
        }
        return true;
    }
    return false;
}

bool CMainFrame::OnUpdateCommand(int id, CommandState& state) {
    if (QToolBar* bar = BarOf(id)) {
        state.checkable = true;
        state.checked = !bar->isHidden();
        return true;
    }
    switch (id) {
        case kCmdStatusBar:
            state.checkable = true;
            state.checked = !statusBar()->isHidden();
            return true;
        case kCmdLevelProperties:
            state.checkable = true;
            state.checked = !levelDock_->isHidden();
            return true;
        case kCmdViewProblems:
            state.checkable = true;
            state.checked = !problemsDock_->isHidden();
            return true;
        case kCmdCheckMission:
            state.enabled = ActiveDocument() != nullptr;
            return true;
        case kCmdFileClose:
        case kCmdWindowNew:
        case kCmdWindowCascade:
        case kCmdWindowTile:
        case kCmdWindowArrange:
            state.enabled = ActiveDocument() != nullptr;
            return true;
        case kCmdAppExit:
            return true;
        default:
            break;
    }
    if (id >= kCmdRecentFirst && id < kCmdRecentFirst + kRecentFileCount) {
        state.enabled = size_t(id - kCmdRecentFirst) < recent_.Files().size();
        return true;
    }
    return false;
}

CChildFrame* CMainFrame::CreateChildFrame(CQVDoc* doc) {
    auto* view = new CQVView(doc, services_);
    auto* child = new CChildFrame(view);
    view->addAction(Action(kCmdZoomToFit));
    mdi_->addSubWindow(child);
    connect(view, &CQVView::statusMessage, pane0_, &QLabel::setText);
    connect(view, &CQVView::statusCoordinates, pane1_, &QLabel::setText);
    connect(view, &CQVView::zoomSliderChanged, mapBar_, &CMapToolbar::SetSlider);
    connect(child, &CChildFrame::documentClosing, this, [this](CQVDoc* d) {
        // The last document going away leaves the bar with nothing.
        std::erase(documents_, d);
        autosave_->Untrack(d);
        if (problemsBar_->Document() == d) problemsBar_->SetProblems(nullptr, {});
        if (documents_.empty()) {
            levelBar_->SetCurrentDocument(nullptr);
            ShowMenuFor(false);
        }
        d->deleteLater();
    });
    connect(child, &QObject::destroyed, this, [this, view] {
        if (lastActiveView_ == view) lastActiveView_ = nullptr;
        UpdateCommandUI();
    });
    child->showMaximized();
    mdi_->setActiveSubWindow(child);
    view->setFocus();
    return child;
}

CQVDoc* CMainFrame::MakeDocument() {
    auto* doc = new CQVDoc(services_, levelBar_, this);
    for (auto signal : {&CQVDoc::changed, &CQVDoc::selectionChanged, &CQVDoc::titleChanged})
        connect(doc, signal, this, &CMainFrame::UpdateCommandUI);
    autosave_->Track(doc);
    // An open Problems window follows the mission it lists.
    connect(doc, &CQVDoc::changed, this, [this, doc] {
        if (problemsBar_->Document() == doc) RefreshProblems(doc);
    });
    connect(doc, &CQVDoc::checkRequested, this, [this, doc] { RunMissionCheck(doc); });
    // Every file a document reads or writes goes to the top of the list.
    connect(doc, &CQVDoc::fileUsed, this, [this](const QString& p) {
        recent_.Add(QDir::toNativeSeparators(p).toStdString());
        RefreshRecentFiles();
    });
    return doc;
}

CQVDoc* CMainFrame::NewDocument() {
    CQVDoc* doc = MakeDocument();
    doc->OnNewDocument();
    documents_.push_back(doc);
    ShowMenuFor(true);
    CreateChildFrame(doc);
    return doc;
}

CQVDoc* CMainFrame::NewBuiltDocument(const std::function<void(LevelDocument&)>& build,
                                     const QString& title) {
    CQVDoc* doc = MakeDocument();
    build(doc->Level());
    doc->SetTitle(title);
    documents_.push_back(doc);
    ShowMenuFor(true);
    CreateChildFrame(doc);
    return doc;
}

CQVDoc* CMainFrame::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // One file is one document, whichever link or spelling led to it:
    // two documents of one file would overwrite each other's saves.
    auto sameFile = [](const QString& a, const QString& b) {
        const QString ca = QFileInfo(a).canonicalFilePath();
        const QString cb = QFileInfo(b).canonicalFilePath();
        if (!ca.isEmpty() && !cb.isEmpty()) return ca == cb;
        return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
    };
    for (CQVDoc* doc : documents_) {
        if (!doc->PathName().isEmpty() && sameFile(doc->PathName(), absolute)) {
            for (QMdiSubWindow* w : mdi_->subWindowList())
                if (auto* c = qobject_cast<CChildFrame*>(w); c && c->Document() == doc)
                    mdi_->setActiveSubWindow(c);
            return doc;
        }
    }
    CQVDoc* doc = MakeDocument();
    if (!doc->OnOpenDocument(absolute)) {
        delete doc;
        return nullptr;
    }
    documents_.push_back(doc);
    ShowMenuFor(true);
    CreateChildFrame(doc);
    return doc;
}

void CMainFrame::OfferRecovery() {
    const std::vector<RecoveryEntry> orphans = autosave_->Orphans();
    if (orphans.empty()) return;
    CRecoveryDlg dlg(orphans, this);
    const int choice = dlg.exec();
    if (choice == CRecoveryDlg::kRestore) {
        for (const RecoveryEntry& e : dlg.Checked()) RestoreRecovery(e);
    } else if (choice == CRecoveryDlg::kDiscard) {
        for (const RecoveryEntry& e : dlg.Checked()) RecoveryFolder::Discard(e);
    }
}

CQVDoc* CMainFrame::RestoreRecovery(const RecoveryEntry& entry) {
    Mission mission;
    std::string error;
    if (!RecoveryFolder::Load(entry, mission, error)) {
        services_.prompter.Error("The copy of " + entry.title + " could not be read: " + error);
        return nullptr;
    }
    CQVDoc* doc = MakeDocument();
    doc->OnRestoreDocument(std::move(mission), QString::fromStdString(entry.originalPath));
    documents_.push_back(doc);
    ShowMenuFor(true);
    CreateChildFrame(doc);
    // This run keeps a copy of its own before the old one goes, so a second
    // crash loses nothing either.
    autosave_->SaveNow();
    RecoveryFolder::Discard(entry);
    return doc;
}

bool CMainFrame::SaveAllModified() {
    for (CQVDoc* doc : documents_)
        if (!doc->SaveModified()) return false;
    return true;
}

void CMainFrame::CloseDocument(CQVDoc* doc) {
    if (!doc->SaveModified()) return;
    // Changes were dealt with: close every window of the document without
    // asking again.
    doc->SetModifiedFlag(false);
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* c = qobject_cast<CChildFrame*>(w); c && c->Document() == doc) c->close();
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    auto* child = qobject_cast<CChildFrame*>(window);
    CQVView* view = child ? child->View() : nullptr;
    if (view == lastActiveView_) return;
    if (lastActiveView_) lastActiveView_->OnActivateView(false);
    lastActiveView_ = view;
    if (view) {
        view->OnActivateView(true);
        // Every map keeps the step it was given; the list shows this one's.
        mapBar_->SetSnap(view->State().SnapIndex);
        RefreshProblems(view->Document());
    }
    UpdateCommandUI();
}

bool CMainFrame::QueryEndSession() {
    SaveBarState();
    return SaveAllModified();
}

void CMainFrame::OnCommitData(QSessionManager& manager) {
    // Without leave to ask, nothing can be saved or kept: the session ends.
    if (!manager.allowsInteraction()) return;
    const bool mayEnd = QueryEndSession();
    manager.release();
    if (!mayEnd) manager.cancel();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The layout is stored before anything is asked, so it is kept even
    // when the user then stays.
    SaveBarState();
    if (!SaveAllModified()) {
        event->ignore();
        return;
    }
    // Nothing is asked twice while the windows go.
    for (CQVDoc* doc : documents_) doc->SetModifiedFlag(false);
    mdi_->closeAllSubWindows();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) OpenDocumentFile(url.toLocalFile());
    event->acceptProposedAction();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlBackslash =
            key->text() == QStringLiteral("\x1c") ||
            (key->key() == Qt::Key_Backslash && key->modifiers() == Qt::ControlModifier);
        if (ctrlBackslash) {
            UpdateCommandUI();
            if (Action(kCmdViewSelection)->isEnabled()) RunCommand(kCmdViewSelection);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vantorel
