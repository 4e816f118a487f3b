#include "app/AutoSaver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include "platform/PathText.h"
#include "platform/Settings.h"
#include "ui/CQVDoc.h"

namespace vantorel {

namespace {

QString LockPath(const QString& folder, const std::string& run) {
    return QDir(folder).filePath(QString::fromStdString(run) + QStringLiteral(".lock"));
}

std::string NewRunName() {
    return std::to_string(QCoreApplication::applicationPid()) + "-" +
           std::to_string(QDateTime::currentMSecsSinceEpoch());
}

}  // namespace

AutoSaver::AutoSaver(Settings& settings, const QString& folder, QObject* parent)
    : QObject(parent),
      settings_(settings),
      folder_(PathFromUtf8(folder.toStdString()), NewRunName()) {
    QDir().mkpath(folder);
    lock_ = std::make_unique<RunLock>(LockPath(folder, folder_.Run()));
    // Runs that were killed (at logout, say) left their locks behind. Those
    // go now; their copies stay and are offered (a run with no lock is gone).
    const QStringList locks = QDir(folder).entryList({QStringLiteral("*.lock")}, QDir::Files);
    for (const QString& name : locks)
        if (QDir(folder).filePath(name) != lock_->Path())
            RunLock::RunHasEnded(QDir(folder).filePath(name));
    connect(&timer_, &QTimer::timeout, this, &AutoSaver::SaveNow);
    ApplySettings();
}

AutoSaver::~AutoSaver() {
    for (auto& [doc, t] : docs_) folder_.Remove(t.slot);
}

void AutoSaver::ApplySettings() {
    const int minutes = settings_.GetInt("Settings", "AutosaveMinutes", kDefaultAutosaveMinutes);
    if (minutes > 0)
        timer_.start(std::chrono::minutes(minutes));
    else
        timer_.stop();
}

void AutoSaver::Track(CQVDoc* doc) {
    docs_[doc] = Tracked{nextSlot_++, false};
    connect(doc, &CQVDoc::changed, this, [this, doc] {
        auto it = docs_.find(doc);
        if (it == docs_.end()) return;
        it->second.copied = false;
        // Undone back to what is on disk: nothing left to lose.
        if (!doc->IsModified()) folder_.Remove(it->second.slot);
    });
    connect(doc, &CQVDoc::fileUsed, this, [this, doc] {
        // Saved (or read again): the file holds it all.
        if (auto it = docs_.find(doc); it != docs_.end()) folder_.Remove(it->second.slot);
    });
    connect(doc, &QObject::destroyed, this, [this, doc] { Untrack(doc); });
}

void AutoSaver::Untrack(CQVDoc* doc) {
    auto it = docs_.find(doc);
    if (it == docs_.end()) return;
    folder_.Remove(it->second.slot);
    docs_.erase(it);
}

void AutoSaver::Store(CQVDoc* doc, Tracked& t) {
    std::string error;
    // A copy that cannot be written now is tried again next time; the user
    // is not interrupted for it.
    t.copied = folder_.Store(t.slot, doc->GetMission(), doc->PathName().toStdString(),
                             doc->Title().toStdString(), QDateTime::currentSecsSinceEpoch(), error);
}

void AutoSaver::SaveNow() {
    for (auto& [doc, t] : docs_) {
        if (!doc->IsModified()) {
            folder_.Remove(t.slot);
            continue;
        }
        if (!t.copied) Store(doc, t);
    }
}

std::vector<RecoveryEntry> AutoSaver::Orphans() {
    std::vector<RecoveryEntry> orphans;
    const QString folder = QString::fromStdString(PathToUtf8(folder_.Folder()));
    std::map<std::string, bool> gone;
    for (RecoveryEntry& e : folder_.Entries()) {
        if (e.run == folder_.Run()) continue;
        auto it = gone.find(e.run);
        if (it == gone.end()) {
            // A run that still holds its lock is another editor open now.
            it = gone.emplace(e.run, RunLock::RunHasEnded(LockPath(folder, e.run))).first;
        }
        if (it->second) orphans.push_back(std::move(e));
    }
    return orphans;
}

}  // namespace vantorel
