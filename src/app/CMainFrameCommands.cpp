#include <QMdiSubWindow>
#include <QStatusBar>
#include <optional>

#include "app/BriefingWindows.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/DocumentCommands.h"
#include "app/FlowWindows.h"
#include "app/HistoryController.h"
#include "app/ProblemsController.h"
#include "app/RecentFiles.h"
#include "map/ui/CQVView.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

namespace vantorel {

// Routing of commands through the active view, its document, the frame and
// the application, and the frame's own commands.

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
    } else if (CQVDoc* d = ActiveDocument();
               d && DocumentCommands(*d, levelBar_, services_).OnCommand(id)) {
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
    std::optional<DocumentCommands> docCommands;
    if (doc) docCommands.emplace(*doc, levelBar_, services_);
    for (auto& [id, action] : actions_) {
        CommandState state;
        bool handled = (view && view->OnUpdateCommand(id, state)) ||
                       (docCommands && docCommands->OnUpdateCommand(id, state)) ||
                       OnUpdateCommand(id, state) || (app_ && app_->OnUpdateCommand(id, state));
        // A command nobody handles shows disabled.
        action->setEnabled(handled && state.enabled);
        if (!state.text.empty()) {
            action->setText(QString::fromStdString(state.text));
            // Undo and Redo say on their buttons what they would do.
            if (id == kCmdEditUndo || id == kCmdEditRedo)
                action->setToolTip(QStringLiteral("%1 (%2)").arg(
                    QString::fromStdString(state.text).remove(QLatin1Char('&')),
                    action->shortcut().toString(QKeySequence::NativeText)));
        }
        if (state.checkable || action->isCheckable()) {
            action->setCheckable(true);
            action->setChecked(handled && state.checked);
        }
    }
    UpdateTitle();
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
            problems_->Dock()->setVisible(problems_->Dock()->isHidden());
            if (!problems_->Dock()->isHidden()) problems_->Refresh(ActiveDocument());
            return true;
        case kCmdViewHistory:
            history_->Dock()->setVisible(history_->Dock()->isHidden());
            return true;
        case kCmdEditFind:
            if (!ActiveDocument()) return true;
            levelDock_->show();
            levelBar_->FocusFind();
            return true;
        case kCmdCheckMission:
            if (CQVDoc* doc = ActiveDocument()) problems_->RunCheck(doc);
            return true;
        case kCmdBriefing:
            briefings_->Show(ActiveDocument());
            return true;
        case kCmdMakeBriefing:
            briefings_->MakeBriefing(ActiveDocument());
            return true;
        case kCmdViewMissionFlow:
            flows_->Show(ActiveDocument());
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
            state.checked = !problems_->Dock()->isHidden();
            return true;
        case kCmdViewHistory:
            state.checkable = true;
            state.checked = !history_->Dock()->isHidden();
            return true;
        case kCmdEditFind:
        case kCmdCheckMission:
        case kCmdBriefing:
        case kCmdMakeBriefing:
        case kCmdViewMissionFlow:
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

}  // namespace vantorel
