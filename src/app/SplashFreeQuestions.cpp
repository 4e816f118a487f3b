#include "app/SplashFreeQuestions.h"

#include "app/CSplashWnd.h"

namespace vantorel {

std::optional<std::string> SplashFreeQuestions::OpenFile(const std::string& startFolder,
                                                         const std::string& filter) {
    CSplashWnd::CloseSplash();
    return dialogs_.OpenFile(startFolder, filter);
}

std::optional<std::string> SplashFreeQuestions::SaveFile(const std::string& suggestedPath,
                                                         const std::string& filter) {
    CSplashWnd::CloseSplash();
    return dialogs_.SaveFile(suggestedPath, filter);
}

FileDialogs::FolderChoice SplashFreeQuestions::BrowseForFolder(const std::string& title) {
    CSplashWnd::CloseSplash();
    return dialogs_.BrowseForFolder(title);
}

PromptAnswer SplashFreeQuestions::Show(const std::string& text, PromptIcon icon,
                                       PromptButtons buttons, const std::string& caption) {
    CSplashWnd::CloseSplash();
    return prompter_.Show(text, icon, buttons, caption);
}

}  // namespace vantorel
