#pragma once

#include <filesystem>
#include <string>

namespace vantorel {

// Copies the regular file `from` to `to`, replacing a file already there.
// The bytes go through our own streams and the safe writer instead of
// std::filesystem::copy_file, whose overwrite_existing fails with "File
// exists" in some standard libraries on Windows; a failure part way leaves
// the old copy as it was. False with a reason when it can't.
bool CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to,
                       std::string& error);

}  // namespace vantorel
