#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/TeamThemes.h"
#include "cli/CliCommand.h"
#include "cli/CliPlatform.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleText.h"
#include "cli/Json.h"
#include "cli/MissionFileArg.h"
#include "cli/OutputFile.h"
#include "document/LevelDocument.h"
#include "properties/logic/PageCatalog.h"

namespace vantorel::cli {
namespace {

constexpr const char* kUsage =
    "page FILE PAGE [--select I,J,...] [--team T] [--message M] [--order N] [--goal N] "
    "[--view NAME] [--dialog NAME[=WHICH]] [--set ID=VALUE ...] [-o OUT]";

int Usage(const std::string& reason) {
    std::fprintf(stderr, "vantorel-cli page: %s\nusage: vantorel-cli %s\n", reason.c_str(), kUsage);
    return kExitUsage;
}

std::optional<int> ParseInt(const std::string& s) {
    if (s.empty()) return std::nullopt;
    size_t used = 0;
    try {
        const long v = std::stol(s, &used);
        if (used != s.size() || v < -1000000 || v > 1000000) return std::nullopt;
        return int(v);
    } catch (...) {
        return std::nullopt;
    }
}

// "1,2,3" (or "" for none) as numbers.
std::optional<std::vector<int>> ParseList(const std::string& s) {
    std::vector<int> out;
    if (s.empty()) return out;
    size_t start = 0;
    while (true) {
        const size_t comma = s.find(',', start);
        auto n = ParseInt(
            s.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!n) return std::nullopt;
        out.push_back(*n);
        if (comma == std::string::npos) return out;
        start = comma + 1;
    }
}

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::List:
            return "list";
        case ControlKind::Text:
            return "text";
        case ControlKind::Number:
            return "number";
        case ControlKind::Check:
            return "check";
        case ControlKind::Radio:
            return "radio";
        case ControlKind::CheckList:
            return "checklist";
        case ControlKind::Button:
            return "button";
        case ControlKind::Label:
            return "label";
    }
    return "";
}

void PutControl(JsonWriter& j, const ControlState& c) {
    j.BeginObject();
    j.Int("id", c.id);
    // An editable list is a text box with suggestions.
    const bool combo = c.kind == ControlKind::List && c.editable;
    j.String("kind", combo ? "text" : KindName(c.kind));
    if (!c.label.empty()) j.String("label", c.label);
    j.Bool("enabled", c.enabled && c.visible);
    j.Bool("mixed", c.mixed);
    switch (c.kind) {
        case ControlKind::List:
            if (combo)
                j.String("value", c.value.text);
            else if (c.multiSelect)
                j.IntArray("value", c.value.states);
            else
                j.Int("value", c.value.index);
            break;
        case ControlKind::Radio:
        case ControlKind::Check:
            j.Int("value", c.value.index);
            break;
        case ControlKind::CheckList:
            j.IntArray("value", c.value.states);
            break;
        case ControlKind::Text:
        case ControlKind::Number:
            j.String("value", c.value.text);
            break;
        default:
            break;
    }
    j.String("text", c.ShownText());
    if (c.kind == ControlKind::List || c.kind == ControlKind::Radio ||
        c.kind == ControlKind::CheckList) {
        j.BeginArray("items");
        for (const auto& item : c.items) j.String(item);
        j.EndArray();
    }
    j.EndObject();
}

// The value a user would give the control, from the command line's text.
// `id` may be a radio button's own id: that button gets checked.
std::optional<ControlValue> ParseValue(const ControlState& c, int id, const std::string& text) {
    ControlValue v = c.value;
    switch (c.kind) {
        case ControlKind::List:
            if (c.editable) {
                v.text = text;
            } else if (c.multiSelect) {
                auto list = ParseList(text);
                if (!list) return std::nullopt;
                v.states = *list;
            } else {
                auto n = ParseInt(text);
                if (!n) return std::nullopt;
                v.index = *n;
            }
            return v;
        case ControlKind::Radio: {
            auto n = ParseInt(text);
            if (!n) return std::nullopt;
            if (id != c.id) {
                // A button of the group: 1 checks it.
                if (*n != 1) return std::nullopt;
                for (size_t b = 0; b < c.buttonIds.size(); ++b)
                    if (c.buttonIds[b] == id) v.index = int(b);
                return v;
            }
            v.index = *n;
            return v;
        }
        case ControlKind::Check: {
            auto n = ParseInt(text);
            if (!n) return std::nullopt;
            v.index = *n;
            return v;
        }
        case ControlKind::CheckList: {
            auto list = ParseList(text);
            if (!list) return std::nullopt;
            v.states = *list;
            return v;
        }
        default:
            v.text = text;
            return v;
    }
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Switches a page with views (the Positions tab) to the view of that name,
// as its list shows it or in lower case ("waypoints"), or to a position.
bool ShowView(PageContext& context, PageModel& page, const std::string& name, std::string& why) {
    ControlState* list = page.Find(page.ViewControl());
    if (!list) {
        why = "this page has no views";
        return false;
    }
    std::string known;
    for (size_t i = 0; i < list->items.size(); ++i) {
        std::string plain;
        for (char ch : list->items[i])
            if (ch != '&') plain += ch;
        if (EqualsIgnoringCase(plain, name) || name == std::to_string(i))
            return page.Set(context, list->id, ControlValue{int(i), {}, {}}, &why);
        known += (known.empty() ? "" : ", ") + plain;
    }
    why = "no view '" + name + "' (views: " + known + ")";
    return false;
}

// The control an id names: the control itself or the group of a radio button.
ControlState* ControlFor(PageModel& page, int id) {
    if (ControlState* c = page.Find(id)) return c;
    for (auto& c : page.Controls())
        for (int b : c.buttonIds)
            if (b == id) return &c;
    return nullptr;
}

int Run(const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> sets;
    std::optional<std::vector<int>> select;
    std::string out;
    bool outGiven = false;
    std::optional<std::string> dialogArg;
    std::optional<std::string> viewArg;
    int team = -1, message = -1, order = 0, goal = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto next = [&](std::string& value) {
            if (i + 1 >= args.size()) return false;
            value = args[++i];
            return true;
        };
        std::string value;
        if (a == "--select") {
            if (!next(value) || !(select = ParseList(value)))
                return Usage("--select takes positions I,J,...");
        } else if (a == "--team" || a == "--message" || a == "--order" || a == "--goal") {
            std::optional<int> n;
            if (!next(value) || !(n = ParseInt(value)) || *n < 0)
                return Usage(a + " takes a position counted from 0");
            (a == "--team"      ? team
             : a == "--message" ? message
             : a == "--order"   ? order
                                : goal) = *n;
        } else if (a == "--set") {
            const size_t eq = next(value) ? value.find('=') : std::string::npos;
            if (eq == std::string::npos) return Usage("--set takes ID=VALUE");
            sets.push_back({value.substr(0, eq), value.substr(eq + 1)});
        } else if (a == "--dialog") {
            if (!next(value) || value.empty()) return Usage("--dialog takes a dialog's name");
            dialogArg = value;
        } else if (a == "--view") {
            if (!next(value) || value.empty()) return Usage("--view takes a view's name");
            viewArg = value;
        } else if (a == "-o") {
            if (!next(out)) return Usage("-o takes a file");
            outGiven = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return Usage("unknown option '" + a + "'");
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2) return Usage("a mission file and a page are needed");
    if (order > 3) return Usage("--order takes 0 to 3");
    if (goal > 7) return Usage("--goal takes 0 to 7");
    const std::string& file = positional[0];
    std::unique_ptr<PageModel> page = MakePage(positional[1]);
    if (!page) {
        std::string known;
        for (const auto& p : PageCatalog()) known += (known.empty() ? "" : ", ") + p.name;
        return Usage("unknown page '" + positional[1] + "' (pages: " + known + ")");
    }

    Mission mission;
    std::vector<uint8_t> read;
    if (int rc = LoadMissionArg(file, mission, &read); rc != kExitOk) return rc;
    RunSettings settings;
    StderrPrompter prompter;
    // The team themes fill the name suggestions, as in the editor.
    LoadThemes(settings, prompter, ProgramFolder());
    LevelDocument doc(settings, prompter);
    doc.SetMission(std::move(mission));
    auto& fgs = doc.GetMission().FlightGroups;
    if (select) {
        for (auto& fg : fgs) fg->Selected = 0;
        for (int p : *select) {
            if (p < 0 || p >= int(fgs.size()))
                return Usage("--select " + std::to_string(p) + ": the mission has " +
                             std::to_string(fgs.size()) + " flight groups");
            fgs[size_t(p)]->Selected = 1;
        }
    }
    if (message >= doc.GetMission().CountMessages() && message >= 0)
        return Usage("--message " + std::to_string(message) + ": the mission has " +
                     std::to_string(doc.GetMission().CountMessages()) + " messages");
    if (team >= kTeamCount) return Usage("--team takes 0 to 9");
    // A team or message page edits one team or message: it must be named.
    if (positional[1].rfind("team.", 0) == 0 && team < 0)
        return Usage("page " + positional[1] + " needs --team T");
    if (positional[1].rfind("message.", 0) == 0 && message < 0)
        return Usage("page " + positional[1] + " needs --message M");

    PageContext context{doc, nullptr, team, message, order, goal};
    page->Load(context);
    if (viewArg) {
        std::string why;
        if (!ShowView(context, *page, *viewArg, why)) return Usage(why);
    }
    std::string shownName = "page " + positional[1];
    if (dialogArg) {
        // The dialog opens as its button opens it, on the loaded page.
        const size_t eq = dialogArg->find('=');
        const std::string name = dialogArg->substr(0, eq);
        const std::string which = eq == std::string::npos ? "" : dialogArg->substr(eq + 1);
        std::unique_ptr<PageModel> dialog = page->OpenDialog(context, name, which);
        if (!dialog) {
            std::string known;
            for (const auto& d : page->DialogNames()) known += (known.empty() ? "" : ", ") + d;
            return Usage("page " + positional[1] + " has no dialog '" + *dialogArg + "'" +
                         (known.empty() ? std::string() : " (dialogs: " + known + ")"));
        }
        // As its window does, the dialog loads when it opens.
        dialog->Load(context);
        page = std::move(dialog);
        shownName = "dialog " + *dialogArg;
    }

    if (sets.empty()) {
        if (outGiven) return Usage("-o needs --set");
        JsonWriter j;
        j.BeginObject();
        j.String("page", positional[1]);
        if (dialogArg) j.String("dialog", *dialogArg);
        j.BeginArray("controls");
        for (const auto& c : page->Controls()) PutControl(j, c);
        j.EndArray();
        j.EndObject();
        PrintUtf8(stdout, "%s\n", j.Text().c_str());
        return kExitOk;
    }

    for (const auto& [idText, valueText] : sets) {
        auto id = ParseInt(idText);
        ControlState* c = id ? ControlFor(*page, *id) : nullptr;
        if (!c) return Usage(shownName + " has no control '" + idText + "'");
        if (c->kind == ControlKind::Button) {
            // A button is pressed by setting it to 1.
            if (valueText != "1" || !c->enabled || !c->visible)
                return Usage("button " + idText + " is pressed with " + idText + "=1" +
                             (c->enabled && c->visible ? "" : ", when it is enabled"));
            page->Activate(context, c->id);
            continue;
        }
        auto value = ParseValue(*c, *id, valueText);
        std::string why;
        if (!value) why = "control " + idText + " cannot take '" + valueText + "'";
        if (!value || !page->Set(context, c->id, *value, &why)) {
            PrintUtf8(stderr, "vantorel-cli page: %s\n", why.c_str());
            return kExitUsage;
        }
    }
    if (page->Apply(context) == PageModel::ApplyResult::Refused) {
        std::fprintf(stderr, "vantorel-cli page: the page refused the values\n");
        return kExitUsage;
    }
    const bool modified = doc.IsModified();
    if (outGiven) {
        // Nothing changed: the file goes out exactly as it came in, from the
        // bytes already read (standard input can't be read twice, and a file
        // named "-" is not what was read).
        if (const int rc =
                modified ? SaveMissionArg(out, doc.GetMission()) : WriteOutputFile(out, read);
            rc != kExitOk)
            return rc;
    }
    // A mission on standard output is all that goes there.
    if (!IsStandardStream(out)) std::printf("{\"modified\": %s}\n", modified ? "true" : "false");
    return kExitOk;
}

CommandRegistration registration(
    {"page", kUsage,
     "what a property page shows for a selection, as JSON; with --set, sets controls as a user\n"
     "      would (list index, text, 0/1/2, or I,J,... for check lists and multiple selections),\n"
     "      applies the page as leaving its tab does, writes OUT and prints {\"modified\": ...}\n"
     "      (not with -o -: standard output then holds the mission alone). With --dialog, the\n"
     "      same for a dialog the page opens (OK applies it). PAGE is level.*, fg.*, message.*\n"
     "      or team.*; an unknown PAGE or dialog NAME lists those there are. Positions count\n"
     "      from 0.\n"
     "      --order N is the order fg.orders starts on (its tabs are control 1093); its dialogs\n"
     "      are target=1..4. --goal N is the goal of fg.goals' dialog goal (or goal=0..7).\n"
     "      --set ID=1 presses button ID (C&lear, Clear &All of optional-craft). --view NAME\n"
     "      shows a page's view first: fg.positions has normal, waypoints, briefing.\n"
     "      Dialogs: fg.ship --dialog optional-craft, fg.equipment --dialog hidden-cargo.\n"
     "      message.* edit message M (--message M), team.* team T (--team T);\n"
     "      message.condition --dialog condition=1..4; team.goals shows the goal set of\n"
     "      --view primary, prevent or secondary, and --dialog goal-condition=1..4 edits a\n"
     "      condition of that set with its texts.",
     &Run});

}  // namespace
}  // namespace vantorel::cli
