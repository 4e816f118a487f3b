#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <memory>
#include <vector>

#include "app/RunLock.h"
#include "document/RecoveryFolder.h"

namespace vantorel {

class CQVDoc;
class Settings;

inline constexpr int kDefaultAutosaveMinutes = 3;

// Writes a copy of every mission with unsaved changes into the recovery
// folder every few minutes ("Settings"/"AutosaveMinutes", 0 = never). A copy
// goes when its mission is saved, closed, or back to what is on disk. The
// run holds a lock in the folder while it lives (RunLock), so the copies of
// a run that ended without removing them (a crash) can be told apart.
class AutoSaver : public QObject {
    Q_OBJECT
public:
    AutoSaver(Settings& settings, const QString& folder, QObject* parent = nullptr);
    // A clean end: this run's copies and its lock go.
    ~AutoSaver() override;

    // Follows the document from now on; copies of it are stored under a slot
    // of its own.
    void Track(CQVDoc* doc);
    // The document is closed: its copy goes.
    void Untrack(CQVDoc* doc);
    // Writes a copy of every document whose unsaved changes are not copied
    // yet, now. The timer calls it.
    void SaveNow();
    // Takes up a changed interval.
    void ApplySettings();
    bool TimerActive() const { return timer_.isActive(); }

    // Copies left by runs that did not end cleanly, oldest first.
    std::vector<RecoveryEntry> Orphans();
    RecoveryFolder& Folder() { return folder_; }

private:
    struct Tracked {
        int slot = 0;
        bool copied = false;  // the copy holds the document as it is now
    };
    void Store(CQVDoc* doc, Tracked& t);

    Settings& settings_;
    RecoveryFolder folder_;
    std::unique_ptr<RunLock> lock_;
    QTimer timer_;
    std::map<CQVDoc*, Tracked> docs_;
    int nextSlot_ = 0;
};

}  // namespace vantorel
