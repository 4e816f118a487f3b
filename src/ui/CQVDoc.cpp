#include "ui/CQVDoc.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "document/MissionFolders.h"
#include "platform/PathText.h"

namespace vantorel {

namespace {
int g_untitledCount = 0;
constexpr const char* kFilter = "XvT Levels (*.tie)";
}  // namespace

CQVDoc::CQVDoc(AppServices& services, DocumentHub* hub, QObject* parent)
    : QObject(parent),
      services_(services),
      hub_(hub),
      doc_(services.settings, services.prompter, hub) {
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
    if (hub_) hub_->ApplyAll();
}

void CQVDoc::RefreshAll() {
    if (hub_) {
        hub_->RefreshAll();
        hub_->UpdateViews();
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
            missingNoticed_ = false;
            break;
        case LevelDocument::DiskState::Missing:
            // Only the editor holds the mission now: closing must ask.
            if (!doc_.IsModified()) doc_.SetModified(true);
            if (!missingNoticed_) {
                missingNoticed_ = true;
                emit notice(title_ + QStringLiteral(
                                         " was deleted by another program. The mission is still "
                                         "open here: save it to keep it."));
            }
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
    missingNoticed_ = false;
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
        // Without the game's folder for its kind, a new mission starts where
        // Open starts, not wherever the program happens to run.
        const std::string open = services_.settings.GetString("Paths", "DefaultOpen", "");
        if (auto folder =
                SaveFolderForNewMission(services_.settings, doc_.GetHeader().MissionType()))
            suggested = QDir(QString::fromStdString(PathToUtf8(*folder))).filePath(name);
        else if (!open.empty())
            suggested = QDir(QString::fromStdString(open)).filePath(name);
        else
            suggested = name;
    } else {
        suggested = PathName();
    }
    auto chosen =
        services_.fileDialogs.SaveFile(QDir::toNativeSeparators(suggested).toStdString(), kFilter);
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

void CQVDoc::AddView(QWidget* view) {
    views_.push_back(view);
}

void CQVDoc::RemoveView(QWidget* view) {
    std::erase(views_, view);
}

void CQVDoc::UpdateAllViews() {
    for (QWidget* view : views_) view->update();
}

void CQVDoc::CentreViewsOnSelection() {
    emit centreOnSelectionRequested();
}

}  // namespace vantorel
