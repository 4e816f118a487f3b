#include "cli/UsageSyntax.h"

namespace vantorel::cli {

namespace {

// Words at bracket depth 0, each bracketed group as one word with its
// brackets: "a [--b C] -o D" -> "a", "[--b C]", "-o", "D".
std::vector<std::string> TopLevelWords(const std::string& usage) {
    std::vector<std::string> words;
    std::string word;
    int depth = 0;
    for (char c : usage) {
        if (c == ' ' && depth == 0) {
            if (!word.empty()) words.push_back(word);
            word.clear();
            continue;
        }
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        word += c;
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> out;
    std::string word;
    for (char c : text + " ") {
        if (c == ' ') {
            if (!word.empty() && word != "...") out.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return out;
}

}  // namespace

UsageSyntax ParseUsage(const std::string& usage) {
    UsageSyntax syntax;
    const std::vector<std::string> words = TopLevelWords(usage);
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (i == 0) {
            syntax.command = w;
        } else if (w.front() == '[') {
            // "[--opt VALUE]": the option and what follows it inside.
            // "[--a | --b VALUE]": options that exclude each other, each its own.
            const std::vector<std::string> inside = Split(w.substr(1, w.size() - 2));
            UsageOption option;
            for (size_t k = 0; k <= inside.size(); ++k) {
                if (k == inside.size() || inside[k] == "|") {
                    if (!option.name.empty()) syntax.options.push_back(option);
                    option = {};
                } else if (option.name.empty()) {
                    option.name = inside[k];
                } else {
                    option.value += (option.value.empty() ? "" : " ") + inside[k];
                }
            }
        } else if (w.front() == '-') {
            const bool valued =
                i + 1 < words.size() && words[i + 1].front() != '-' && words[i + 1].front() != '[';
            syntax.options.push_back({w, valued ? words[++i] : ""});
        } else {
            syntax.positionals.push_back(w);
        }
    }
    return syntax;
}

std::vector<std::string> Choices(const std::string& value) {
    if (value.find('|') == std::string::npos) return {};
    std::vector<std::string> out;
    std::string word;
    for (char c : value + "|") {
        if (c == '|') {
            out.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return out;
}

}  // namespace vantorel::cli
