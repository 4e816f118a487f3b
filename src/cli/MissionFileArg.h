#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mission/Mission.h"

namespace vantorel::cli {

// "-" names standard input where a file is read and standard output where
// one is written.
bool IsStandardStream(const std::string& path);

// The whole of a file named on the command line, or of standard input for
// "-", under the size limit of a mission file; false with a reason.
bool ReadInputArg(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);

// Loads the mission named on the command line. Refusals print their exact
// text to stderr (exit 2), unreadable files a reason (exit 3); the
// trailing-data warning goes to stderr and the load succeeds. Returns the
// exit code, kExitOk on success.
// An empty name is a usage error (exit 1). The bytes read are kept in
// `bytesRead` when one is given, so nothing is read twice (standard input
// can't be).
int LoadMissionArg(const std::string& path, Mission& mission,
                   std::vector<uint8_t>* bytesRead = nullptr);

// Writes the mission atomically; exit 3 with a message on failure, also for
// a mission with a count or length its file cannot hold.
int SaveMissionArg(const std::string& path, Mission& mission);

// An empty file name given for a file: a usage error, said so (exit 1).
int EmptyFileName();

}  // namespace vantorel::cli
