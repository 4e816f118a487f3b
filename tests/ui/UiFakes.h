#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/FakePrompter.h"
#include "support/FakeSettings.h"
#include "ui/AppServices.h"

namespace vantorel::testing {

// File dialogs that answer from a script and remember what they were asked.
class FakeFileDialogs : public FileDialogs {
public:
    std::optional<std::string> OpenFile(const std::string& startFolder,
                                        const std::string& filter) override {
        openStarts.push_back(startFolder);
        lastFilter = filter;
        return Next(openAnswers);
    }
    std::optional<std::string> SaveFile(const std::string& suggestedPath,
                                        const std::string& filter) override {
        saveSuggestions.push_back(suggestedPath);
        lastFilter = filter;
        return Next(saveAnswers);
    }
    FolderChoice BrowseForFolder(const std::string& title) override {
        browseTitles.push_back(title);
        if (folderAnswers.empty()) return {FolderStatus::Cancelled, {}};
        FolderChoice c = folderAnswers.front();
        folderAnswers.pop_front();
        return c;
    }

    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    std::deque<FolderChoice> folderAnswers;
    std::vector<std::string> openStarts, saveSuggestions, browseTitles;
    std::string lastFilter;

private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Game keys held in memory: which keys exist and their string values.
class FakeGameRegistry : public GameRegistry {
public:
    bool HasKey(const std::string& key) override { return keys.count(key) != 0; }
    std::optional<std::string> ReadString(const std::string& key,
                                          const std::string& value) override {
        auto it = values.find({key, value});
        if (!keys.count(key) || it == values.end()) return std::nullopt;
        return it->second;
    }
    std::string NativeFolder(const std::string& path) override { return prefix + path; }

    std::set<std::string> keys;
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::string prefix;  // the folder a translated registry path lies in
};

class FakeSound : public Sound {
public:
    bool Play(const std::string& path) override {
        played.push_back(path);
        return true;
    }
    void Stop() override { ++stops; }
    std::vector<std::string> played;
    int stops = 0;
};

// Every service faked, for a test to script.
struct FakeServices {
    FakeSettings settings;
    FakePrompter prompter;
    FakeFileDialogs dialogs;
    FakeGameRegistry registry;
    FakeSound sound;
    AppServices services{settings, prompter, dialogs, registry, sound};
};

}  // namespace vantorel::testing
