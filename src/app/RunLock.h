#pragma once

#include <QString>

namespace vantorel {

// A lock file that a run of the editor holds open, with the system's lock on
// it, while it lives. The system lets go of it when the process ends, however
// it ends, so a lock is a live run's exactly while someone holds it. The
// process id says nothing: Windows (and Wine more often) give a new process
// the id of one that has ended, and a new run may get the dead run's.
class RunLock {
public:
    // Makes the file and takes the lock on it.
    explicit RunLock(QString path);
    // Lets go of the lock and removes the file.
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    bool Held() const;
    const QString& Path() const { return path_; }

    // Whether the run that took the lock at `path` has ended: nobody holds it
    // (this run's own locks are held). A lock left behind is removed.
    static bool RunHasEnded(const QString& path);

private:
    QString path_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace vantorel
