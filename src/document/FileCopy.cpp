#include "document/FileCopy.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "document/AtomicFile.h"

namespace vantorel {

bool CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to,
                       std::string& error) {
    // Only a plain file: a device or a pipe picked by mistake would never end.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(from, ec)) {
        error = "it is not a file";
        return false;
    }
    std::ifstream in(from, std::ios::binary);
    if (!in) {
        error = "it cannot be opened";
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    if (in.bad()) {
        error = "a read error occurred";
        return false;
    }
    return WriteFileAtomically(to, bytes, error);
}

}  // namespace vantorel
