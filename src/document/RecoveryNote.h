#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The note beside a copy in the recovery folder: one "key=value" a line,
// backslashes and line breaks escaped: where the mission belongs (path=),
// the window's title (title=), when it was copied (time=, seconds since
// 1970) and each message's wave file (wave=, up to the last message that has
// one).
struct RecoveryNote {
    std::string originalPath;  // UTF-8; empty for a mission never saved
    std::string title;
    int64_t savedAt = 0;
    std::vector<std::string> waveFiles;

    bool operator==(const RecoveryNote&) const = default;
};

// A note holds a path, a title, a time and a line per message: a few KiB as
// a rule, this much with every one of 255 messages naming a long path. A
// larger file is no note of ours and is not read.
inline constexpr size_t kLargestRecoveryNote = 256 * 1024;

std::string RecoveryNoteText(const RecoveryNote& note);

// Reads a note's text as far as it can be believed: the path only when it is
// a whole path from the root with no "..", a wave file only without control
// characters, a time only when it is a number. A note without a title gets
// the file name of its path, or "Untitled" (a path may end in a separator):
// the title names the mission in the dialog and in messages.
RecoveryNote ReadRecoveryNote(std::string_view text);

}  // namespace vantorel
