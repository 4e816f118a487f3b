#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vantorel {

// Writes `bytes` to a temporary file in the target's folder and renames it
// over the target only when every byte was written and flushed to the disk
// (the folder is flushed after the rename, so a power cut leaves either the
// old file or the new one). On failure the temporary file is removed, the
// target is untouched, and `error` says why in words fit for a message box.
//
// A read-only target is refused, and so is anything that exists but is not
// a regular file (a folder, a device, a pipe): replacing it by a file would
// destroy what stood there. A symbolic link is followed, through any chain
// of links, so the file it leads to is the one written (and created when it
// does not exist yet); a chain that goes round in a circle is refused.
//
// Temporary files that an earlier save left behind in the same folder (the
// program was killed part way) are removed first; those of a save still
// running in another program are left alone.
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const uint8_t> bytes,
                         std::string& error);

// Whether Windows takes the path for a device rather than a file: a name it
// reserves (NUL, CON, PRN, AUX, COM0 to COM9, LPT0 to LPT9, CONIN$, CONOUT$, in
// any case, with any extension or trailing spaces, in any folder), or a path
// in the device namespace (\\.\ or \\?\). Writing there makes no file, so
// under Windows WriteFileAtomically refuses such a target as a device.
bool IsWindowsDeviceName(const std::filesystem::path& path);

// The name of a temporary file for a target: the target's name with a
// random marked ending, shortened where needed so that it fits wherever the
// target's own name fits.
std::filesystem::path TemporaryNameFor(const std::filesystem::path& targetName);

// Whether a file name has the form TemporaryNameFor gives.
bool IsTemporaryName(const std::filesystem::path& name);

}  // namespace vantorel
