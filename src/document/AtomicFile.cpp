#include "document/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

namespace vantorel {

namespace fs = std::filesystem;

namespace {

fs::path TemporaryBeside(const fs::path& target) {
    std::random_device rd;
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", unsigned(rd()));
    fs::path tmp = target;
    tmp += suffix;
    return tmp;
}

}  // namespace

bool WriteFileAtomically(const fs::path& path, std::span<const uint8_t> bytes, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        error = "A folder of that name is in the way.";
        return false;
    }
    // A link is kept and the file it leads to is replaced: replacing the link
    // itself would leave the real file as it was.
    fs::path target = path;
    if (fs::is_symlink(path, ec)) {
        target = fs::weakly_canonical(path, ec);
        if (ec) target = path;
    }
    // Replacing a file marked read-only would get round the mark.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old) && (old.permissions() & fs::perms::owner_write) == fs::perms::none) {
        error = "The file is read-only.";
        return false;
    }
    const fs::path tmp = TemporaryBeside(target);
    {
        errno = 0;
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = std::string("The folder can't be written to (") +
                    (errno ? std::strerror(errno) : "unknown error") + ").";
            return false;
        }
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.flush();
        if (!out) {
            int e = errno;
            out.close();
            fs::remove(tmp, ec);
            error = std::string("Writing failed (") +
                    (e ? std::strerror(e) : "the disk may be full") + ").";
            return false;
        }
        out.close();
        if (!out) {
            fs::remove(tmp, ec);
            error = "Writing failed (the disk may be full).";
            return false;
        }
    }
    // Keep the permissions of the file being replaced.
    if (fs::exists(old)) fs::permissions(tmp, old.permissions(), ec);
    fs::rename(tmp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        error = "The file couldn't be replaced (" + ec.message() + ").";
        return false;
    }
    return true;
}

}  // namespace vantorel
