#pragma once

namespace vantorel {

// The status-bar prompt and the tooltip of a command; empty texts for a
// command that has none.
struct CommandText {
    const char* prompt = "";
    const char* tooltip = "";
};

CommandText CommandTextOf(int id);

}  // namespace vantorel
