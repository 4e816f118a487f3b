#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "cli/ConsoleText.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"

namespace vantorel::cli {

// The command line has no user profile: settings live for one run and start
// at their defaults, so a scripted build never depends on who runs it.
class RunSettings : public Settings {
public:
    int GetInt(const std::string& section, const std::string& key, int fallback) override {
        auto it = ints_.find({section, key});
        return it == ints_.end() ? fallback : it->second;
    }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) override {
        auto it = strings_.find({section, key});
        return it == strings_.end() ? fallback : it->second;
    }
    void SetInt(const std::string& section, const std::string& key, int value) override {
        ints_[{section, key}] = value;
    }
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override {
        strings_[{section, key}] = value;
    }

private:
    std::map<std::pair<std::string, std::string>, int> ints_;
    std::map<std::pair<std::string, std::string>, std::string> strings_;
};

// Message boxes become lines on standard error (with their caption when it
// is not the program's). Nobody is there to answer a question, so it is
// answered Yes: the command line asked for the action.
class StderrPrompter : public Prompter {
public:
    using Prompter::Show;
    PromptAnswer Show(const std::string& text, PromptIcon, PromptButtons buttons,
                      const std::string& caption) override {
        if (caption != kPromptCaption) PrintUtf8(stderr, "%s: ", caption.c_str());
        PrintUtf8(stderr, "%s\n", text.c_str());
        ++shown;
        return buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel
                   ? PromptAnswer::Yes
                   : PromptAnswer::Ok;
    }
    int shown = 0;
};

}  // namespace vantorel::cli
