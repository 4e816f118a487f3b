#include "app/RunLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <string>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace vantorel {

namespace {

// For someone who looks into the folder; the lock never reads it back.
std::string Contents() {
    return std::to_string(QCoreApplication::applicationPid()) + "\n";
}

}  // namespace

#ifdef _WIN32

namespace {
std::wstring Native(const QString& path) {
    return QDir::toNativeSeparators(path).toStdWString();
}
}  // namespace

// The file stays open without sharing write access: nobody else can open
// it for writing while this run lives.
RunLock::RunLock(QString path) : path_(std::move(path)) {
    HANDLE h = CreateFileW(Native(path_).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                           nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    const std::string text = Contents();
    DWORD written = 0;
    WriteFile(h, text.data(), DWORD(text.size()), &written, nullptr);
    handle_ = h;
}

RunLock::~RunLock() {
    if (!Held()) return;
    CloseHandle(static_cast<HANDLE>(handle_));
    DeleteFileW(Native(path_).c_str());
}

bool RunLock::Held() const {
    return handle_ != nullptr;
}

bool RunLock::RunHasEnded(const QString& path) {
    // Opening it for writing fails while its run holds it; once opened, it
    // goes when closed.
    HANDLE h = CreateFileW(Native(path).c_str(), GENERIC_WRITE | DELETE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

#else

// flock() belongs to the open file, so a second open in this same process
// conflicts with it too: this run's own locks read as held.
RunLock::RunLock(QString path) : path_(std::move(path)) {
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    const std::string text = Contents();
    const ssize_t written = ::write(fd, text.data(), text.size());
    (void)written;  // a note for people: the lock holds without it
    fd_ = fd;
}

RunLock::~RunLock() {
    if (!Held()) return;
    ::unlink(QFile::encodeName(path_).constData());
    ::close(fd_);
}

bool RunLock::Held() const {
    return fd_ >= 0;
}

bool RunLock::RunHasEnded(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT;
    const bool ended = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (ended) ::unlink(name.constData());
    ::close(fd);
    return ended;
}

#endif

}  // namespace vantorel
