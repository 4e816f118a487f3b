#include <QActionGroup>

#include "app/CMainFrame.h"
#include "app/CommandIcons.h"
#include "app/CommandTexts.h"
#include "app/RecentFiles.h"
#include "ui/CommandIds.h"

namespace vantorel {

// The frame's commands: one action each, with its texts, picture and keys.

QAction* CMainFrame::MakeAction(int id, const QString& text, const QList<QKeySequence>& keys) {
    auto* a = new QAction(CommandIcon(id), text, this);
    a->setData(id);
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    const CommandText t = CommandTextOf(id);
    a->setStatusTip(QString::fromLatin1(t.prompt));
    // A button's tooltip carries its key, as the menu does: "Zoom to Fit (Home)".
    if (*t.tooltip) {
        QString tip = QString::fromLatin1(t.tooltip);
        if (!keys.isEmpty())
            tip += QStringLiteral(" (%1)").arg(keys.first().toString(QKeySequence::NativeText));
        a->setToolTip(tip);
    }
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
    MakeAction(kCmdEditDuplicate, tr("&Duplicate"), {K(Qt::CTRL | Qt::Key_D)});
    MakeAction(kCmdEditSelectAll, tr("Select &All"), {K(Qt::CTRL | Qt::Key_A)});
    MakeAction(kCmdEditSelectNone, tr("Select &None"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_A)});
    MakeAction(kCmdEditInvertSelection, tr("&Invert Selection"));
    MakeAction(kCmdEditFind, tr("&Find..."), {K(QString::fromLatin1(kFindKeys))});

    MakeAction(kCmdToolbarStandard, tr("&Standard"));
    MakeAction(kCmdToolbarFlightGroup, tr("&Flight Group"));
    MakeAction(kCmdToolbarMessages, tr("&Message"));
    MakeAction(kCmdToolbarMap, tr("M&ap"));
    MakeAction(kCmdStatusBar, tr("&Status Bar"));
    MakeAction(kCmdLevelProperties, tr("&Level Properties"));
    MakeAction(kCmdViewProblems, tr("&Problems"));
    MakeAction(kCmdViewHistory, tr("&History"));
    MakeAction(kCmdViewMissionFlow, tr("&Mission Flow"), {K(Qt::CTRL | Qt::SHIFT | Qt::Key_F)});
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
    MakeAction(kCmdBandSelect, tr("&Band Select"));

    MakeAction(kCmdFlightGroupWizard, tr("&New Flightgroup Wizard"));
    MakeAction(kCmdNewFlightGroup, tr("&New Flight Group"), {K(Qt::CTRL | Qt::Key_F)});
    MakeAction(kCmdDeleteFlightGroup, tr("&Delete"), {K(Qt::Key_Delete)});
    MakeAction(kCmdFlightGroupProperties, tr("&Properties"),
               {K(Qt::ALT | Qt::Key_Return), K(Qt::ALT | Qt::Key_Enter)});
    MakeAction(kCmdNewMessage, tr("&Add..."), {K(Qt::CTRL | Qt::Key_M)});
    MakeAction(kCmdDeleteMessage, tr("&Delete"));
    MakeAction(kCmdMessageProperties, tr("&Properties"));
    MakeAction(kCmdTeamProperties, tr("&Team Properties"));
    MakeAction(kCmdBriefing, tr("&Briefing"), {K(Qt::CTRL | Qt::Key_B)});
    MakeAction(kCmdMakeBriefing, tr("Ma&ke Briefing..."));
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
                   kCmdStatusBar, kCmdLevelProperties, kCmdViewProblems, kCmdViewHistory})
        Action(id)->setCheckable(true);
}

}  // namespace vantorel
