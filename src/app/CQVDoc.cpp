#include "app/CQVDoc.h"

#include <QDir>
#include <QFileInfo>

#include "app/CommandIds.h"
#include "document/MissionFolders.h"
#include "document/MissionReader.h"
#include "document/MissionWriter.h"
#include "document/WaveLinking.h"
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
    Mission mission;
    const std::filesystem::path file(path.toStdString());
    if (!LoadMissionFile(file, mission, services_.prompter)) return false;
    ReadWaveListing(mission, file, services_.settings, services_.prompter);
    doc_.SetMission(std::move(mission));
    doc_.SetPath(file);
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
    emit fileUsed(QFileInfo(path).absoluteFilePath());
    return true;
}

QString CQVDoc::PathName() const {
    return QString::fromStdString(doc_.GetPath().string());
}

void CQVDoc::SetModifiedFlag(bool modified) {
    if (doc_.IsModified() == modified) return;
    doc_.SetModified(modified);
    emit titleChanged();
}

bool CQVDoc::SaveTo(const QString& path) {
    const std::filesystem::path file(path.toStdString());
    if (!SaveMissionFile(file, doc_.GetMission(), services_.prompter)) return false;
    WriteWaveListing(doc_.GetMission(), file, services_.settings, services_.prompter);
    doc_.SetPath(file);
    doc_.SetModified(false);
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
            suggested = QDir(QString::fromStdString(folder->string())).filePath(name);
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
