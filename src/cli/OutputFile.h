#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantorel::cli {

// Writes a command's output file through the safe writer, as the editor
// saves a mission: the previous file stays whole unless every byte of the
// new one was written. Exit 3 with a message naming the file on failure;
// exit 1 for an empty name.
int WriteOutputFile(const std::string& path, std::span<const uint8_t> bytes);

// Whether the output names the same file as one of the inputs, also through
// a link or another name. A command whose output is of another kind than its
// input refuses this, so a mission is never overwritten by a picture.
bool OutputIsAnInput(const std::string& output, const std::vector<std::string>& inputs);

}  // namespace vantorel::cli
