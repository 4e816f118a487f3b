#include "document/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <random>
#include <system_error>

#include "platform/PathText.h"

// The one place in the core that calls the operating system directly: the
// standard library can neither flush a file to the disk nor tell whether
// another program still holds a file open.
#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantorel {

namespace fs = std::filesystem;

namespace {

using NativeString = fs::path::string_type;

// ".vantorel-" + 8 hex digits + ".tmp"
constexpr const char kMarker[] = ".vantorel-";
constexpr size_t kMarkerLength = sizeof kMarker - 1;
constexpr size_t kHexDigits = 8;
constexpr const char kEnding[] = ".tmp";
constexpr size_t kEndingLength = sizeof kEnding - 1;
constexpr size_t kSuffixLength = kMarkerLength + kHexDigits + kEndingLength;
// A name up to this long gets the whole suffix added (the result is short
// enough for any file system). A longer name gives up as many of its last
// characters as the suffix takes, so the temporary name is never longer than
// the target's and fits wherever that one does.
constexpr size_t kShortName = 32;
// Links are followed this many times before the chain counts as a circle
// (the limit the kernel itself uses).
constexpr int kMaxLinkHops = 40;

NativeString Native(const char* ascii) {
    return NativeString(ascii, ascii + std::strlen(ascii));
}

// Moves n back so that the name is not cut inside a character.
size_t CharacterBoundary(const NativeString& s, size_t n) {
#ifdef _WIN32
    if (n > 0 && n < s.size() && s[n] >= 0xDC00 && s[n] <= 0xDFFF) --n;  // low surrogate
#else
    while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
#endif
    return n;
}

std::string Reason(int e, const char* fallback) {
    return e ? std::strerror(e) : fallback;
}

// Follows a chain of links to the path that is not a link (it need not
// exist). Relative links count from the folder of the link.
std::optional<fs::path> FollowLinks(const fs::path& path, std::string& error) {
    fs::path p = path;
    for (int hops = 0;; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
        if (hops == kMaxLinkHops) {
            error = "The file is a link that leads round in a circle.";
            return std::nullopt;
        }
        fs::path next = fs::read_symlink(p, ec);
        if (ec) {
            error = "The link can't be read (" + ec.message() + ").";
            return std::nullopt;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
}

#ifdef _WIN32

int OpenNew(const fs::path& p) {
    int fd = -1;
    errno = _wsopen_s(&fd, p.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                      _SH_DENYRW, _S_IREAD | _S_IWRITE);
    return errno ? -1 : fd;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const unsigned chunk = unsigned(std::min<size_t>(bytes.size() - done, size_t(1) << 30));
        const int n = _write(fd, bytes.data() + done, chunk);
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

bool FlushToDisk(int fd) {
    errno = 0;
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(fd))) != 0;
}

void CloseFile(int fd) {
    _close(fd);
}

// Windows cannot rename a file that is still open over another one.
constexpr bool kCloseBeforeRename = true;

// Whether another program holds the file open without leave to delete it,
// which is what stops Windows from replacing it.
bool HeldOpenElsewhere(const fs::path& p) {
    const HANDLE h =
        CreateFileW(p.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(h);
    return false;
}

// The folder's entries are safe once the rename returned (the file system
// keeps its own journal); there is nothing to flush.
void FlushFolder(const fs::path&) {}

void HoldWhileWriting(int) {}  // the open file is already denied to others

// A temporary file still being written is open without leave to delete it,
// so only an abandoned one can be removed.
void RemoveIfAbandoned(const fs::path& p) {
    std::error_code ec;
    fs::remove(p, ec);
}

#else

int OpenNew(const fs::path& p) {
    // O_EXCL: never write through a link someone placed under that name.
    return ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = 0;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

bool FlushToDisk(int fd) {
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

void CloseFile(int fd) {
    ::close(fd);
}

// The lock on the temporary file is held until it has been renamed, so a
// concurrent cleanup never takes it for abandoned.
constexpr bool kCloseBeforeRename = false;

// An open file never stops a rename here.
bool HeldOpenElsewhere(const fs::path&) {
    return false;
}

void FlushFolder(const fs::path& folder) {
    // Best effort: the new file is already in place, and some file systems
    // cannot flush a folder at all.
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

void HoldWhileWriting(int fd) {
    ::flock(fd, LOCK_EX | LOCK_NB);
}

// A writer holds its temporary file locked until the rename, and the lock
// goes with the process: a file that can be locked was left by a save that
// died. It is removed only if the name still leads to the file locked.
void RemoveIfAbandoned(const fs::path& p) {
    const int fd = ::open(p.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat held {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
        ::lstat(p.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino)
        ::unlink(p.c_str());
    ::close(fd);
}

#endif

void RemoveStaleTemporaries(const fs::path& folder) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        if (!IsTemporaryName(it->path().filename())) continue;
        std::error_code typeError;
        if (!fs::is_regular_file(it->symlink_status(typeError))) continue;
        RemoveIfAbandoned(it->path());
    }
}

}  // namespace

fs::path TemporaryNameFor(const fs::path& targetName) {
    const NativeString name = targetName.filename().native();
    const size_t keep = CharacterBoundary(
        name, name.size() <= kShortName ? name.size() : name.size() - kSuffixLength);
    std::random_device rd;
    char suffix[kSuffixLength + 1];
    std::snprintf(suffix, sizeof suffix, "%s%08x%s", kMarker, unsigned(rd()), kEnding);
    return fs::path(name.substr(0, keep) + Native(suffix));
}

bool IsTemporaryName(const fs::path& name) {
    const NativeString s = name.filename().native();
    if (s.size() < kSuffixLength) return false;
    const size_t at = s.size() - kSuffixLength;
    if (s.compare(at, kMarkerLength, Native(kMarker)) != 0) return false;
    for (size_t i = at + kMarkerLength; i < at + kMarkerLength + kHexDigits; ++i) {
        const auto c = s[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return s.compare(s.size() - kEndingLength, kEndingLength, Native(kEnding)) == 0;
}

bool IsWindowsDeviceName(const fs::path& path) {
    const std::string text = PathToUtf8(path);
    for (const char* space : {"\\\\.\\", "//./", "\\\\?\\", "//?/"})
        if (text.rfind(space, 0) == 0) return true;
    std::string name = text.substr(std::min(text.size(), text.find_last_of("\\/:") + 1));
    name = name.substr(0, name.find('.'));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    for (char& c : name)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    if (name == "NUL" || name == "CON" || name == "PRN" || name == "AUX" || name == "CONIN$" ||
        name == "CONOUT$")
        return true;
    if (name.rfind("COM", 0) != 0 && name.rfind("LPT", 0) != 0) return false;
    const std::string digit = name.substr(3);
    // A digit, or the superscripts one to three that Windows also takes.
    return (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') || digit == "\xC2\xB9" ||
           digit == "\xC2\xB2" || digit == "\xC2\xB3";
}

bool WriteFileAtomically(const fs::path& path, std::span<const uint8_t> bytes, std::string& error) {
#ifdef _WIN32
    // Written through, a device swallows the bytes (NUL) or fails part way;
    // it is never a file that holds them.
    if (IsWindowsDeviceName(path)) {
        error = "It is a device, not a file.";
        return false;
    }
#endif
    // A link is kept and the file it leads to is written: replacing the link
    // itself would leave the real file as it was.
    const std::optional<fs::path> resolved = FollowLinks(path, error);
    if (!resolved) return false;
    const fs::path& target = *resolved;

    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool replacing = !ec && fs::exists(old);
    if (replacing) {
        if (fs::is_directory(old)) {
            error = "A folder of that name is in the way.";
            return false;
        }
        // A device or a pipe would be replaced by a plain file (and with it,
        // for example, /dev/null for everyone).
        if (!fs::is_regular_file(old)) {
            error = "It is not a regular file (it is a device, a pipe or a socket).";
            return false;
        }
        // Replacing a file marked read-only would get round the mark.
        if ((old.permissions() & fs::perms::owner_write) == fs::perms::none) {
            error = "The file is read-only.";
            return false;
        }
    }
    const fs::path folder = target.parent_path();
    if (target != path && !folder.empty() && !fs::is_directory(folder, ec)) {
        error = "The link leads to " + PathToUtf8(target) + ", whose folder does not exist.";
        return false;
    }

    RemoveStaleTemporaries(folder);
    const fs::path tmp = folder / TemporaryNameFor(target.filename());
    errno = 0;
    const int fd = OpenNew(tmp);
    if (fd < 0) {
        error = "The folder can't be written to (" + Reason(errno, "unknown error") + ").";
        return false;
    }
    HoldWhileWriting(fd);
    auto fail = [&](const std::string& why) {
        CloseFile(fd);
        std::error_code ignored;
        fs::remove(tmp, ignored);
        error = why;
        return false;
    };

    errno = 0;
    if (!WriteAll(fd, bytes))
        return fail("Writing failed (" + Reason(errno, "the disk may be full") + ").");
    // Keep the permissions of the file being replaced.
    if (replacing) fs::permissions(tmp, old.permissions(), ec);
    errno = 0;
    if (!FlushToDisk(fd))
        return fail("Writing failed (" + Reason(errno, "the disk may be full") + ").");

    if (kCloseBeforeRename) CloseFile(fd);
    fs::rename(tmp, target, ec);
    if (ec) {
        if (!kCloseBeforeRename) CloseFile(fd);
        std::error_code ignored;
        fs::remove(tmp, ignored);
        error = HeldOpenElsewhere(target)
                    ? "Another program has the file open; close it there and save again."
                    : "The file couldn't be replaced (" + ec.message() + ").";
        return false;
    }
    FlushFolder(folder);
    if (!kCloseBeforeRename) CloseFile(fd);
    return true;
}

}  // namespace vantorel
