#include <QDir>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "app/CMainFrame.h"
#include "app/CMapToolbar.h"
#include "app/RecentFiles.h"
#include "map/ui/CQVView.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

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

// The frame's menus, toolbars, status bar and docked level bar, and the
// layout kept between runs.

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
        add(view, {kCmdStatusBar, kCmdLevelProperties, kCmdViewProblems, kCmdViewHistory});
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
        add(edit, {kCmdEditUndo, kCmdEditRedo, 0, kCmdEditCut, kCmdEditCopy, kCmdEditPaste,
                   kCmdEditDuplicate, 0, kCmdEditSelectAll, kCmdEditSelectNone,
                   kCmdEditInvertSelection, 0, kCmdEditFind});
        auto* view = new QMenu(tr("&View"), this);
        viewBasics(view);
        add(view,
            {0, kCmdViewCenter, kCmdViewSelection, kCmdZoomIn, kCmdZoomOut, kCmdZoomToFit, 0});
        QMenu* angle = view->addMenu(tr("&Angle"));
        add(angle, {kCmdViewTop, kCmdViewFront, kCmdViewSide, kCmdView3D});
        QMenu* view3d = view->addMenu(tr("&3D View"));
        add(view3d, {kCmdStalks, kCmdGrid3D});
        add(view, {0, kCmdSelectionBox, kCmdAutoSelZoom, kCmdBandSelect, 0, kCmdViewMissionFlow});
        auto* tools = new QMenu(tr("&Tools"), this);
        add(tools, {kCmdFlightGroupWizard, kCmdCheckMission});
        QMenu* fg = tools->addMenu(tr("&Flight Group"));
        add(fg, {kCmdNewFlightGroup, kCmdDeleteFlightGroup, 0, kCmdFlightGroupProperties});
        QMenu* msg = tools->addMenu(tr("&Message"));
        add(msg, {kCmdNewMessage, kCmdDeleteMessage, 0, kCmdMessageProperties});
        add(tools, {0, kCmdTeamProperties, 0, kCmdBriefing, kCmdMakeBriefing, 0, kCmdOptions});
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
                // A modified mission carries its mark here too.
                QString title = w->windowTitle();
                title.replace(QStringLiteral("[*]"),
                              w->isWindowModified() ? QStringLiteral("*") : QString());
                auto* a = new QAction(NumberedItem(i, title), window);
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
    mapBar_->SetUp(services_.settings.GetInt("Settings", "Snap", 0),
                   {Action(kCmdShowWaypoints), Action(kCmdShowSelectionWaypoints),
                    Action(kCmdShowFGNames), Action(kCmdShowPointNames), Action(kCmdJoinWaypoints),
                    nullptr, Action(kCmdViewTop), Action(kCmdViewFront), Action(kCmdViewSide),
                    Action(kCmdView3D), nullptr, Action(kCmdViewCenter), Action(kCmdViewSelection),
                    Action(kCmdZoomToFit), nullptr, Action(kCmdBandSelect)});
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

}  // namespace vantorel
