#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Prompter.h"

namespace vantorel::testing {

// Records every message and answers from a script (default: Ok / Yes).
class FakePrompter : public Prompter {
public:
    struct Shown {
        std::string text;
        PromptIcon icon;
        PromptButtons buttons;
        std::string caption;
    };

    using Prompter::Show;
    PromptAnswer Show(const std::string& text, PromptIcon icon, PromptButtons buttons,
                      const std::string& caption) override {
        shown.push_back({text, icon, buttons, caption});
        if (!answers.empty()) {
            PromptAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (buttons) {
            case PromptButtons::YesNo:
            case PromptButtons::YesNoCancel:
                return PromptAnswer::Yes;
            default:
                return PromptAnswer::Ok;
        }
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const auto& s : shown) t.push_back(s.text);
        return t;
    }

    std::vector<Shown> shown;
    std::deque<PromptAnswer> answers;
};

}  // namespace vantorel::testing
