#include "app/CQVDoc.h"

#include <QDir>
#include <QFileInfo>

#include "app/CommandIds.h"
#include "app/DocumentClipboard.h"
#include "document/MissionCheck.h"
#include "document/MissionFolders.h"
#include "map/InteractionSelection.h"
#include "map/ui/CQVView.h"
#include "platform/PathText.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "wizards/NewFlightGroupBuilder.h"
#include "wizards/ui/CWizardNewFGSheet.h"

namespace vantorel {

namespace {
int g_untitledCount = 0;
constexpr const char* kFilter = "XvT Levels (*.tie)";
}  // namespace

CQVDoc::CQVDoc(AppServices& services, CLevelPropertiesBar* bar, QObject* parent)
    : QObject(parent),
      services_(services),
      bar_(bar),
      doc_(services.settings, services.prompter, bar) {
    listener_ = doc_.AddListener([this](DocumentEvent e) { OnDocumentEvent(e); });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &CQVDoc::CheckDiskNow);
}

CQVDoc::~CQVDoc() {
    doc_.RemoveListener(listener_);
}

void CQVDoc::OnDocumentEvent(DocumentEvent event) {
    switch (event) {
        case DocumentEvent::Content:
        case DocumentEvent::Replaced:
            // Every window of the mission shows the change.
            UpdateAllViews();
            emit changed();
            break;
        case DocumentEvent::State:
            emit changed();
            break;
        case DocumentEvent::Selection:
            emit selectionChanged();
            return;
    }
    if (shownModified_ != doc_.IsModified()) {
        shownModified_ = doc_.IsModified();
        emit titleChanged();
    }
}

void CQVDoc::ApplyAll() {
    if (bar_) bar_->ApplyAll();
}

void CQVDoc::RefreshAll() {
    if (bar_) {
        bar_->RefreshAll();
        bar_->UpdateViews();
    }
}

bool CQVDoc::OnNewDocument() {
    doc_.OnNewDocument();
    doc_.SetPath({});
    title_ = QStringLiteral("XvT Level%1").arg(++g_untitledCount);
    emit titleChanged();
    return true;
}

bool CQVDoc::OnOpenDocument(const QString& path) {
    if (!doc_.OnOpenDocument(PathFromUtf8(path.toStdString()))) return false;
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
    emit fileUsed(QFileInfo(path).absoluteFilePath());
    Watch();
    return true;
}

void CQVDoc::SetTitle(const QString& title) {
    title_ = title;
    emit titleChanged();
}

void CQVDoc::OnRestoreDocument(Mission mission, const QString& path) {
    doc_.SetMission(std::move(mission));
    doc_.SetPath(PathFromUtf8(path.toStdString()));
    doc_.AdoptDiskState();
    doc_.ForgetHistory(true);
    title_ = path.isEmpty() ? QStringLiteral("XvT Level%1").arg(++g_untitledCount)
                            : QFileInfo(path).fileName();
    emit titleChanged();
    Watch();
}

void CQVDoc::Watch() {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    const QString path = PathName();
    if (!path.isEmpty() && QFileInfo::exists(path)) watcher_.addPath(path);
}

void CQVDoc::Reload() {
    const QString path = PathName();
    if (doc_.OnOpenDocument(PathFromUtf8(path.toStdString()))) RefreshAll();
}

void CQVDoc::CheckDiskNow() {
    if (checkingDisk_) return;
    checkingDisk_ = true;
    switch (doc_.CheckDisk()) {
        case LevelDocument::DiskState::Same:
            break;
        case LevelDocument::DiskState::Missing:
            // Only the editor holds the mission now: closing must ask.
            if (!doc_.IsModified()) doc_.SetModified(true);
            break;
        case LevelDocument::DiskState::Changed:
            if (!doc_.IsModified()) {
                Reload();
            } else {
                const std::string text =
                    title_.toStdString() + " was changed on disk. Reload it and lose your changes?";
                if (services_.prompter.AskYesNo(text)) Reload();
            }
            break;
    }
    // A file replaced by a rename is a new file to the watcher.
    Watch();
    checkingDisk_ = false;
}

QString CQVDoc::PathName() const {
    return QString::fromStdString(PathToUtf8(doc_.GetPath()));
}

void CQVDoc::SetModifiedFlag(bool modified) {
    if (doc_.IsModified() == modified) return;
    doc_.SetModified(modified);
}

bool CQVDoc::SaveTo(const QString& path) {
    // Pending edits were applied by the caller; this writes the file safely,
    // then the wave listing. Another program's version of the same file is
    // not overwritten unasked.
    if (QFileInfo(path) == QFileInfo(PathName()) &&
        doc_.CheckDisk() == LevelDocument::DiskState::Changed &&
        !services_.prompter.AskYesNo(title_.toStdString() +
                                     " was changed on disk since it was opened. Replace it with "
                                     "this version?"))
        return false;
    if (!doc_.SaveAppliedDocument(PathFromUtf8(path.toStdString()))) return false;
    Watch();
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
    emit fileUsed(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CQVDoc::DoFileSave() {
    if (doc_.GetPath().empty()) return DoSaveAs();
    ApplyAll();
    return SaveTo(PathName());
}

bool CQVDoc::DoSaveAs() {
    ApplyAll();
    QString suggested;
    if (doc_.GetPath().empty()) {
        const QString name = title_ + QStringLiteral(".tie");
        if (auto folder =
                SaveFolderForNewMission(services_.settings, doc_.GetHeader().MissionType()))
            suggested = QDir(QString::fromStdString(PathToUtf8(*folder))).filePath(name);
        else
            suggested = name;
    } else {
        suggested = PathName();
    }
    auto chosen = services_.fileDialogs.SaveFile(suggested.toStdString(), kFilter);
    if (!chosen) return false;
    return SaveTo(QString::fromStdString(*chosen));
}

bool CQVDoc::SaveModified() {
    // Edits still in an open window count: they are written back first.
    ApplyAll();
    if (!doc_.IsModified()) return true;
    const std::string text = "Save changes to " + title_.toStdString() + "?";
    switch (services_.prompter.Show(text, PromptIcon::Question, PromptButtons::YesNoCancel)) {
        case PromptAnswer::Yes:
            return DoFileSave();
        case PromptAnswer::No:
            return true;
        default:
            return false;
    }
}

void CQVDoc::AddView(CQVView* view) {
    views_.push_back(view);
}

void CQVDoc::RemoveView(CQVView* view) {
    std::erase(views_, view);
}

void CQVDoc::UpdateAllViews() {
    for (CQVView* view : views_) view->update();
}

void CQVDoc::OnFlightGroupWizard() {
    // The wizard reads the selection and the team names as they stand, so
    // every window writes back first.
    ApplyAll();
    auto* wizard = new CWizardNewFGSheet(doc_.GetMission(), services_.prompter,
                                         bar_ ? bar_->window() : nullptr);
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    // Modal to the whole program, so the mission cannot change under it.
    wizard->setWindowModality(Qt::ApplicationModal);
    connect(wizard, &QDialog::accepted, this, [this, wizard] {
        // One edit, selected, with the windows refreshed.
        BuildNewFlightGroups(doc_, wizard->Choices(), services_.random);
    });
    wizard->show();
}

void CQVDoc::DeleteFlightGroups() {
    // The windows write back first, so the count sees what the delete sees.
    ApplyAll();
    const Mission& mission = doc_.GetMission();
    std::vector<int> selected;
    for (int i = 0; i < mission.CountFlightGroups(); ++i)
        if (mission.FlightGroups[size_t(i)]->Selected) selected.push_back(i);
    const int moved = CountReferencesMovedByDeletion(mission, selected);
    if (doc_.DeleteSelectedFlightGroups() == 0 || moved == 0) return;
    const std::string count = moved == 1 ? "One field (a trigger, order target, mothership or goal)"
                                         : std::to_string(moved) +
                                               " fields (triggers, order targets, motherships "
                                               "or goals)";
    const std::string text =
        count +
        " named the deleted flight groups, or flight groups after them, by their place in "
        "the list. They now name other flight groups, or none.\n\nCheck the mission now?";
    if (services_.prompter.AskYesNo(text)) emit checkRequested();
}

bool CQVDoc::OnCommand(int id) {
    switch (id) {
        case kCmdEditUndo:
        case kCmdEditRedo:
            // Edits still in an open window are made first, so Undo takes
            // back what the user sees.
            ApplyAll();
            if (id == kCmdEditUndo)
                doc_.Undo();
            else
                doc_.Redo();
            RefreshAll();
            return true;
        case kCmdNewFlightGroup: {
            const bool made = doc_.NewFlightGroup() != nullptr;
            RefreshAll();
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
            const int position = doc_.AddRadioMessage();
            if (bar_) {
                bar_->SwitchToTab(CLevelPropertiesSheet::kMessagesTab);
                bar_->SelectMessage(position);
            }
            return true;
        }
        case kCmdDeleteMessage:
            if (bar_) doc_.DeleteRadioMessage(bar_->CurrentMessage());
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
            CopyToClipboard(*this, id == kCmdEditCut);
            return true;
        case kCmdEditPaste:
            PasteFromClipboard(*this);
            return true;
        case kCmdFileSave:
            DoFileSave();
            return true;
        case kCmdFileSaveAs:
            DoSaveAs();
            return true;
        case kCmdViewSelection:
            if (doc_.CountSelectedFlightGroups() < 1) return true;
            for (CQVView* view : views_) view->CentreOnSelection();
            return true;
        default:
            return false;
    }
}

bool CQVDoc::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
        case kCmdEditUndo:
            state.enabled = doc_.CanUndo();
            state.text = "&Undo" + (doc_.CanUndo() ? " " + doc_.UndoName() : std::string());
            return true;
        case kCmdEditRedo:
            state.enabled = doc_.CanRedo();
            state.text = "&Redo" + (doc_.CanRedo() ? " " + doc_.RedoName() : std::string());
            return true;
        case kCmdNewFlightGroup:
        case kCmdNewMessage:
        case kCmdFlightGroupWizard:
            return true;
        case kCmdDeleteFlightGroup:
        case kCmdFlightGroupProperties:
            state.enabled = doc_.CountSelectedFlightGroups() >= 1;
            // With nothing selected there is nothing for the window to show.
            if (!state.enabled && bar_ && bar_->CurrentDocument() == this)
                bar_->HideFlightGroupProperties();
            return true;
        case kCmdDeleteMessage:
        case kCmdMessageProperties:
            state.enabled = bar_ && bar_->CurrentDocument() == this && bar_->CurrentMessage() >= 0;
            return true;
        case kCmdTeamProperties:
            state.enabled = bar_ && bar_->CurrentDocument() == this && bar_->CurrentTeam() >= 0;
            return true;
        case kCmdEditCut:
        case kCmdEditCopy:
            state.enabled = CanCopy(*this);
            return true;
        case kCmdEditPaste:
            state.enabled = ClipboardWatch::Instance().HasItems();
            return true;
        case kCmdFileSave:
        case kCmdFileSaveAs:
            return true;
        case kCmdViewSelection:
            state.enabled = doc_.CountSelectedFlightGroups() >= 1;
            return true;
        default:
            return false;
    }
}

}  // namespace vantorel
