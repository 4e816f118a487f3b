#include "app/CQVDoc.h"

#include <QDir>
#include <QFileInfo>

#include "app/CommandIds.h"
#include "document/MissionFolders.h"
#include "platform/PathText.h"
#include "map/InteractionSelection.h"
#include "map/ui/CQVView.h"

namespace vantorel {

namespace {
int g_untitledCount = 0;
constexpr const char* kFilter = "XvT Levels (*.tie)";
}  // namespace

CQVDoc::CQVDoc(AppServices& services, PropertyBarHooks* bar, QObject* parent)
    : QObject(parent),
      services_(services),
      bar_(bar),
      doc_(services.settings, services.prompter, bar) {}

CQVDoc::~CQVDoc() = default;

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
    return true;
}

QString CQVDoc::PathName() const {
    return QString::fromStdString(PathToUtf8(doc_.GetPath()));
}

void CQVDoc::SetModifiedFlag(bool modified) {
    if (doc_.IsModified() == modified) return;
    doc_.SetModified(modified);
    emit titleChanged();
}

bool CQVDoc::SaveTo(const QString& path) {
    // Pending edits were applied by the caller; this writes the file safely,
    // then the wave listing.
    if (!doc_.SaveAppliedDocument(PathFromUtf8(path.toStdString()))) return false;
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
    emit fileUsed(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CQVDoc::DoFileSave() {
    if (doc_.GetPath().empty()) return DoSaveAs();
    if (bar_) bar_->ApplyAll();
    return SaveTo(PathName());
}

bool CQVDoc::DoSaveAs() {
    if (bar_) bar_->ApplyAll();
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

bool CQVDoc::OnCommand(int id) {
    switch (id) {
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
