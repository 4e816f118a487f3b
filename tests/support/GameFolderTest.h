#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/PathText.h"
#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "support/TempFolder.h"

namespace vantorel::testing {

// A temporary game folder (with its wave folder) configured as the XvT
// folder, wave linking on.
class GameFolderTest : public ::testing::Test {
protected:
    // Writes a file below the temporary folder, making its folders. The
    // name is UTF-8 and may use '/'; the path returned has the platform's
    // separators.
    std::filesystem::path Write(const std::string& relative, std::string_view content) {
        const std::filesystem::path p = (tmp.Path() / PathFromUtf8(relative)).make_preferred();
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }
    void SetUp() override {
        settings.SetString("Paths", "XVT", PathToUtf8(tmp / "game"));
        settings.SetInt("Settings", "WaveLinking", 1);
        std::filesystem::create_directories(tmp / "game" / "wave");
    }

    TempFolder tmp;
    FakeSettings settings;
    FakePrompter prompter;
};

}  // namespace vantorel::testing
