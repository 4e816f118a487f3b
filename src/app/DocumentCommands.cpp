#include "app/DocumentCommands.h"

#include "app/DocumentClipboard.h"
#include "document/FlightGroupSelection.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"
#include "wizards/NewFlightGroupBuilder.h"
#include "wizards/ui/CWizardNewFGSheet.h"

namespace vantorel {

CLevelPropertiesBar* DocumentCommands::Bar() const {
    return bar_ && bar_->CurrentDocument() == &doc_ ? bar_ : nullptr;
}

void DocumentCommands::OnFlightGroupWizard() {
    // The wizard reads the selection and the team names as they stand, so
    // every window writes back first.
    doc_.ApplyAll();
    auto* wizard = new CWizardNewFGSheet(doc_.GetMission(), services_.prompter,
                                         bar_ ? bar_->window() : nullptr);
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to the whole program, so the mission cannot change under it.
    wizard->setWindowModality(Qt::ApplicationModal);
    QObject::connect(wizard, &QDialog::accepted, &doc_,
                     [&doc = doc_, wizard, &services = services_] {
                         // One edit, selected, with the windows refreshed.
                         BuildNewFlightGroups(doc.Level(), wizard->Choices(), services.random);
                     });
    wizard->show();
}

void DocumentCommands::ChangeSelection(int id) {
    // Open property windows write to the old selection first.
    doc_.ApplyAll();
    Mission& mission = doc_.GetMission();
    const bool changed = id == kCmdEditSelectAll    ? SelectAllFlightGroups(mission)
                         : id == kCmdEditSelectNone ? SelectNoFlightGroups(mission)
                                                    : InvertFlightGroupSelection(mission);
    if (!changed) return;
    doc_.Level().NotifySelectionChanged();
    if (AutoSelZoom()) doc_.CentreViewsOnSelection();
    doc_.RefreshAll();
}

void DocumentCommands::DeleteFlightGroups() {
    // The windows write back first, so the list sees what the delete sees.
    doc_.ApplyAll();
    bool broke = false;
    doc_.Level().DeleteSelectedFlightGroups(&broke);
    // The fields that now name no flight group stay in the Problems window
    // until they are aimed again.
    if (broke) emit doc_.checkRequested();
}

bool DocumentCommands::OnCommand(int id) {
    switch (id) {
        case kCmdEditUndo:
        case kCmdEditRedo:
            // Edits still in an open window are made first, so Undo takes
            // back what the user sees.
            doc_.ApplyAll();
            if (id == kCmdEditUndo)
                doc_.Level().Undo();
            else
                doc_.Level().Redo();
            doc_.RefreshAll();
            return true;
        case kCmdNewFlightGroup: {
            const bool made = doc_.Level().NewFlightGroup() != nullptr;
            doc_.RefreshAll();
            if (made && bar_) {
                bar_->ApplyAll();
                bar_->SwitchToTab(CLevelPropertiesSheet::kFlightGroupTab);
                bar_->ShowFlightGroupProperties();
            }
            return true;
        }
        case kCmdDeleteFlightGroup:
            DeleteFlightGroups();
            return true;
        case kCmdFlightGroupWizard:
            OnFlightGroupWizard();
            return true;
        case kCmdFlightGroupProperties:
            if (!bar_) return true;
            bar_->ApplyAll();
            bar_->SwitchToTab(CLevelPropertiesSheet::kFlightGroupTab);
            bar_->ShowFlightGroupProperties();
            return true;
        case kCmdNewMessage: {
            const int position = doc_.Level().AddRadioMessage();
            if (bar_) {
                bar_->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
                bar_->SelectMessage(position);
            }
            return true;
        }
        case kCmdDeleteMessage:
            if (bar_) doc_.Level().DeleteRadioMessage(bar_->CurrentMessage());
            return true;
        case kCmdTeamProperties:
            if (!bar_) return true;
            bar_->SwitchToTab(CLevelPropertiesSheet::kTeamsTab);
            bar_->ShowTeamProperties();
            return true;
        case kCmdMessageProperties:
            if (!bar_) return true;
            bar_->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
            bar_->ShowMessageProperties();
            return true;
        case kCmdEditCut:
        case kCmdEditCopy:
            CopyToClipboard(doc_, Bar(), id == kCmdEditCut);
            return true;
        case kCmdEditPaste:
            PasteFromClipboard(doc_, Bar());
            return true;
        case kCmdEditSelectAll:
        case kCmdEditSelectNone:
        case kCmdEditInvertSelection:
            ChangeSelection(id);
            return true;
        case kCmdFileSave:
            doc_.DoFileSave();
            return true;
        case kCmdFileSaveAs:
            doc_.DoSaveAs();
            return true;
        case kCmdViewSelection:
            if (doc_.Level().CountSelectedFlightGroups() < 1) return true;
            doc_.CentreViewsOnSelection();
            return true;
        default:
            return false;
    }
}

bool DocumentCommands::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
        case kCmdEditUndo: {
            // Undo applies the open windows first: an edit still in one of
            // them is what it takes back.
            const std::string pending = Bar() ? Bar()->PendingEditName() : std::string();
            state.enabled = doc_.Level().CanUndo() || !pending.empty();
            const std::string name = pending.empty() ? doc_.Level().UndoName() : pending;
            state.text = "&Undo" + (state.enabled ? " " + name : std::string());
            return true;
        }
        case kCmdEditRedo:
            // An edit still in a window would be made first, and Redo would
            // then have nothing left to redo.
            state.enabled =
                doc_.Level().CanRedo() && !(Bar() && !Bar()->PendingEditName().empty());
            state.text =
                "&Redo" + (doc_.Level().CanRedo() ? " " + doc_.Level().RedoName() : std::string());
            return true;
        case kCmdNewFlightGroup:
        case kCmdNewMessage:
        case kCmdFlightGroupWizard:
            return true;
        case kCmdDeleteFlightGroup:
        case kCmdFlightGroupProperties:
            state.enabled = doc_.Level().CountSelectedFlightGroups() >= 1;
            // With nothing selected there is nothing for the window to show.
            if (!state.enabled && bar_ && bar_->CurrentDocument() == &doc_)
                bar_->HideFlightGroupProperties();
            return true;
        case kCmdDeleteMessage:
        case kCmdMessageProperties:
            state.enabled = bar_ && bar_->CurrentDocument() == &doc_ && bar_->CurrentMessage() >= 0;
            return true;
        case kCmdTeamProperties:
            state.enabled = bar_ && bar_->CurrentDocument() == &doc_ && bar_->CurrentTeam() >= 0;
            return true;
        case kCmdEditCut:
        case kCmdEditCopy:
            state.enabled = CanCopy(doc_, Bar());
            return true;
        case kCmdEditPaste:
            state.enabled = ClipboardWatch::Instance().HasItems();
            return true;
        case kCmdEditSelectAll:
            state.enabled =
                doc_.Level().CountSelectedFlightGroups() < doc_.Level().CountFlightGroups();
            return true;
        case kCmdEditSelectNone:
            state.enabled = doc_.Level().CountSelectedFlightGroups() > 0;
            return true;
        case kCmdEditInvertSelection:
            state.enabled = doc_.Level().CountFlightGroups() > 0;
            return true;
        case kCmdFileSave:
        case kCmdFileSaveAs:
            return true;
        case kCmdViewSelection:
            state.enabled = doc_.Level().CountSelectedFlightGroups() >= 1;
            return true;
        default:
            return false;
    }
}

}  // namespace vantorel
