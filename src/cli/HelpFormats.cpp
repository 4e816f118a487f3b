// --help, the bash completion and the manual page, all made from the
// commands' usage lines, so that none of them can miss a command or option.
#include "cli/HelpFormats.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/CheckKinds.h"
#include "cli/CliCommand.h"
#include "cli/UsageSyntax.h"
#include "properties/logic/PageCatalog.h"

namespace vantorel::cli {

namespace {

constexpr ExitStatusInfo kExitStatuses[] = {
    {kExitOk, "success"},
    {kExitUsage, "a usage error"},
    {kExitRefused,
     "the mission file was refused (the exact refusal text, such as \"Invalid File Format: Team "
     "Goals\", on standard error), or the JSON given to write describes no mission (each problem "
     "with its JSON path on standard error); nothing was written"},
    {kExitIo, "a file could not be opened or written"},
    {kExitProblems, "check found errors (warnings alone exit 0)"},
    {kExitPartial,
     "add fitted fewer flight groups than asked (the 255 flight group limit); the mission with "
     "those that fitted is written, or nothing when none did"},
};

std::vector<CommandInfo> SortedCommands() {
    std::vector<CommandInfo> commands = Commands();
    std::sort(commands.begin(), commands.end(), [](const CommandInfo& a, const CommandInfo& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    return commands;
}

// The summary on one line (--help wraps some of them by hand).
std::string OneLine(const char* text) {
    std::string out;
    bool space = false;
    for (const char* p = text; *p; ++p) {
        if (*p == '\n' || *p == ' ') {
            space = true;
            continue;
        }
        if (space && !out.empty()) out += ' ';
        space = false;
        out += *p;
    }
    return out;
}

std::string Roff(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

std::string Words(const std::vector<std::string>& list) {
    std::string words;
    for (const auto& w : list) words += (words.empty() ? "" : " ") + w;
    return words;
}

// A page's views as `page --view` takes them: "waypoints".
std::vector<std::string> ViewsOf(PageModel& page) {
    std::vector<std::string> views;
    if (const ControlState* list = page.Find(page.ViewControl()))
        for (const std::string& item : list->items) {
            std::string plain;
            for (char c : item)
                if (c != '&') plain += char(std::tolower(static_cast<unsigned char>(c)));
            views.push_back(plain);
        }
    return views;
}

// What the property pages offer `page`: their names (PAGE), the views of
// those with views (--view), the dialogs they open (--dialog); asked of the
// pages themselves.
std::vector<std::string> PageWords(const std::string& what) {
    std::vector<std::string> words;
    for (const PageInfo& info : PageCatalog()) {
        if (what == "PAGE") {
            words.push_back(info.name);
            continue;
        }
        const std::unique_ptr<PageModel> page = info.make();
        for (std::string w : what == "--view" ? ViewsOf(*page) : page->DialogNames()) {
            // A dialog's name comes before what it says of WHICH.
            w = w.substr(0, w.find_first_of("= "));
            if (std::find(words.begin(), words.end(), w) == words.end()) words.push_back(w);
        }
    }
    return words;
}

// How bash completes a value or positional: "@mission", "@json", "@png",
// "@folder", words to choose from, or "" for nothing.
std::string CompletionOf(const std::string& option, const std::string& value) {
    const std::vector<std::string> choices = Choices(value);
    if (!choices.empty()) return Words(choices);
    if (value == "PAGE" || option == "--view" || option == "--dialog")
        return Words(PageWords(value == "PAGE" ? value : option));
    if (value == "FILE" || value == "IN" || value == "OUT") return "@mission";
    if (value == "JSON") return "@json";
    if (value == "OUT.png") return "@png";
    if (value == "FOLDER") return "@folder";
    return "";
}

constexpr const char* kBashHead = R"(# bash completion for vantorel-cli                           -*- shell-script -*-
# Made by `vantorel-cli --bash-completion` from the usage lines --help prints.

_vantorel_cli_complete() {
    # $1: @mission, @json, @png, @folder, or the words to offer; $2: the word.
    local IFS=$'\n'
    case "$1" in
        @mission)
            COMPREPLY+=($(compgen -f -X '!*.[tT][iI][eE]' -- "$2") $(compgen -d -- "$2"))
            [[ "$2" == "" || "$2" == "-" ]] && COMPREPLY+=(-) ;;
        @json)
            COMPREPLY+=($(compgen -f -X '!*.[jJ][sS][oO][nN]' -- "$2") $(compgen -d -- "$2"))
            [[ "$2" == "" || "$2" == "-" ]] && COMPREPLY+=(-) ;;
        @png) COMPREPLY+=($(compgen -f -X '!*.png' -- "$2") $(compgen -d -- "$2")) ;;
        @folder) COMPREPLY+=($(compgen -d -- "$2")) ;;
        "") ;;
        *) IFS=' ' COMPREPLY+=($(compgen -W "$1" -- "$2")) ;;
    esac
}

_vantorel_cli() {
    local cur="${COMP_WORDS[COMP_CWORD]}"
    local prev="${COMP_WORDS[COMP_CWORD - 1]}"
    COMPREPLY=()
    compopt -o filenames 2>/dev/null
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "@COMMANDS@ --help --version" -- "$cur"))
        return
    fi
    # Per command: its options, those that take a value (with how the value
    # is completed) and how each positional argument is completed.
    local options="" valued="" value=""
    local -a positionals=()
    case "${COMP_WORDS[1]}" in
)";

constexpr const char* kBashTail = R"(        *) return ;;
    esac
    if [[ " $valued " == *" $prev "* ]]; then
        _vantorel_cli_complete "$value" "$cur"
        return
    fi
    if [[ "$cur" == -?* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
        return
    fi
    # Which positional the word is: the words before it that are neither
    # options nor their values.
    local i n=0
    for ((i = 2; i < COMP_CWORD; i++)); do
        local w="${COMP_WORDS[i]}"
        if [[ " $valued " == *" $w "* ]]; then
            ((i++))
        elif [[ "$w" != -?* ]]; then
            ((n++))
        fi
    done
    ((n < ${#positionals[@]})) && _vantorel_cli_complete "${positionals[n]}" "$cur"
}
complete -F _vantorel_cli vantorel-cli

# ex: filetype=sh
)";

std::string Quote(const std::string& s) {
    return "\"" + s + "\"";
}

}  // namespace

std::span<const ExitStatusInfo> ExitStatuses() {
    return kExitStatuses;
}

void PrintHelp(FILE* out) {
    std::fprintf(out,
                 "vantorel-cli: read, check and write X-Wing vs. TIE Fighter missions\n\n"
                 "usage: vantorel-cli COMMAND [ARGS...]\n"
                 "       vantorel-cli --version\n\n"
                 "Options take their value as the next argument or after '=' (--size=WxH).\n"
                 "A FILE, JSON or OUT of '-' is standard input or output.\n\ncommands:\n");
    for (const auto& c : SortedCommands()) std::fprintf(out, "  %s\n      %s\n", c.usage, c.summary);
    std::fprintf(out, "\nexit status:\n");
    for (const auto& e : kExitStatuses) std::fprintf(out, "  %d  %s\n", e.code, e.meaning);
    std::fprintf(out,
                 "Warnings go to standard error.\n"
                 "'vantorel-cli COMMAND --help' shows one command's usage.\n");
}

void PrintBashCompletion(FILE* out) {
    std::string names;
    for (const auto& c : SortedCommands()) names += (names.empty() ? "" : " ") + std::string(c.name);
    std::string head = kBashHead;
    head.replace(head.find("@COMMANDS@"), 10, names);
    std::fputs(head.c_str(), out);
    for (const auto& c : SortedCommands()) {
        const UsageSyntax syntax = ParseUsage(c.usage);
        std::string options, valued, values, positionals;
        for (const auto& o : syntax.options) {
            options += (options.empty() ? "" : " ") + o.name;
            if (o.value.empty()) continue;
            valued += (valued.empty() ? "" : " ") + o.name;
            values += "            " + o.name + ") value=" + Quote(CompletionOf(o.name, o.value)) +
                      " ;;\n";
        }
        for (const auto& p : syntax.positionals)
            positionals += (positionals.empty() ? "" : " ") + Quote(CompletionOf("", p));
        std::fprintf(out, "    %s)\n", c.name);
        std::fprintf(out, "        options=%s valued=%s\n", Quote(options).c_str(),
                     Quote(valued).c_str());
        std::fprintf(out, "        positionals=(%s)\n", positionals.c_str());
        if (!values.empty())
            std::fprintf(out, "        case \"$prev\" in\n%s        esac\n", values.c_str());
        std::fprintf(out, "        ;;\n");
    }
    std::fputs(kBashTail, out);
}

bool PrintManPage(const std::string& templatePath, FILE* out) {
    std::ifstream in(templatePath, std::ios::binary);
    if (!in) return false;
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string page = buffer.str();

    std::string commands;
    for (const auto& c : SortedCommands())
        commands += ".TP\n.B " + Quote(Roff(c.usage)) + "\n" + Roff(OneLine(c.summary)) + ".\n";
    std::string statuses;
    for (const auto& e : kExitStatuses)
        statuses += ".TP\n.B " + std::to_string(e.code) + "\n" + Roff(e.meaning) + ".\n";
    std::string kinds;
    for (const CheckKind& k : CheckKinds())
        kinds += ".TP\n.B " + Roff(k.name) + "\n" + Roff(k.meaning) + ".\n";
    for (const auto& [key, text] : {std::pair<std::string, std::string>{"@COMMANDS@\n", commands},
                                    {"@EXIT_STATUS@\n", statuses},
                                    {"@CHECK_KINDS@\n", kinds},
                                    {"@VERSION@", VANTOREL_VERSION}}) {
        const size_t at = page.find(key);
        if (at != std::string::npos) page.replace(at, key.size(), text);
    }
    std::fputs(page.c_str(), out);
    return true;
}

}  // namespace vantorel::cli
