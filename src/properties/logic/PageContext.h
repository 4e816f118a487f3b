#pragma once

#include <filesystem>

namespace vantorel {

class FileDialogs;
class LevelDocument;
class Sound;

// What a page works on: the document, and which team, message, order and goal
// the page is about. Positions count from 0; -1 is none.
struct PageContext {
    LevelDocument& document;
    Sound* sound = nullptr;  // none on the command line
    int team = -1;
    int message = -1;
    int order = 0;
    int goal = 0;
    FileDialogs* fileDialogs = nullptr;     // none on the command line
    std::filesystem::path programFolder{};  // where the default team themes are found
};

}  // namespace vantorel
