#pragma once

#include <string>

namespace vantorel {

// Every message box of the program carries this caption, unless it is one
// that names its own subject (an order's help carries the order's name).
inline constexpr const char* kPromptCaption = "Quarrow";

// ProgramInformation is the program's own information picture (the one on
// the Order Info button), not the system's.
enum class PromptIcon { None, Information, Warning, Error, Question, ProgramInformation };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// Stands where a message box is shown. Texts are UTF-8.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer Show(const std::string& text, PromptIcon icon, PromptButtons buttons,
                              const std::string& caption) = 0;
    PromptAnswer Show(const std::string& text, PromptIcon icon, PromptButtons buttons) {
        return Show(text, icon, buttons, kPromptCaption);
    }

    // The common cases.
    void Error(const std::string& text) { Show(text, PromptIcon::Error, PromptButtons::Ok); }
    void Warning(const std::string& text) { Show(text, PromptIcon::Warning, PromptButtons::Ok); }
    void Information(const std::string& text) {
        Show(text, PromptIcon::Information, PromptButtons::Ok);
    }
    bool AskYesNo(const std::string& text) {
        return Show(text, PromptIcon::Question, PromptButtons::YesNo) == PromptAnswer::Yes;
    }
};

}  // namespace vantorel
