#include "properties/logic/CmdDescriptionDialog.h"

#include "catalogue/CraftWordLists.h"
#include "catalogue/TeamName.h"
#include "mission/Win1252.h"

namespace vantorel {

CmdDescriptionDialog::CmdDescriptionDialog() : PageModel("CMD Description", "CMD Description") {
    std::vector<std::string> roles;
    for (const CmdRole& r : CmdRoles()) roles.push_back(r.name);
    for (int row = 0; row < kCmdEntryCount; ++row) {
        AddControl(kTeams[row], ControlKind::List, row == 0 ? "&Team:" : "");
        AddControl(kRoles[row], ControlKind::List, row == 0 ? "&Description:" : "").items = roles;
    }
    AddControl(kActualString, ControlKind::Label);
}

void CmdDescriptionDialog::OnLoad(PageContext& context) {
    const Mission& mission = context.document.GetMission();
    std::vector<std::string> teams = {"None", "All Teams"};
    for (int t = 0; t < 8; ++t) teams.push_back(Win1252ToUtf8(TeamName(t, &mission)));
    for (int id : kTeams) Find(id)->items = teams;

    const auto subjects = FlightGroupPage::SelectedFlightGroups(context.document.GetMission());
    std::string text = subjects.empty() ? std::string() : subjects.front()->File.CmdDescription();
    bool differ = false;
    for (const FlightGroup* fg : subjects)
        differ = differ || !SameCmdDescription(fg->File.CmdDescription(), text);
    rows_.fill(CmdEntry{differ ? -1 : 0, -1, -1});
    if (differ) {
        text.clear();
    } else {
        const auto entries = DecodeCmdDescription(text);
        for (size_t i = 0; i < entries.size(); ++i) rows_[i] = entries[i];
    }
    ShowRows();
    for (int row = 0; row < kCmdEntryCount; ++row) {
        Find(kTeams[row])->mixed = differ;
        Find(kRoles[row])->mixed = differ;
    }
    // The text as it is stored, until a list changes.
    Find(kActualString)->value.text = Win1252ToUtf8(text);
}

bool CmdDescriptionDialog::ReadRows() {
    bool complete = true;
    for (int row = 0; row < kCmdEntryCount; ++row) {
        CmdEntry& e = rows_[size_t(row)];
        const int team = Find(kTeams[row])->value.index;
        if (team >= 0) {
            e.team = team;
            e.keptTeamCharacter = -1;
        } else if (e.keptTeamCharacter < 0) {
            e.team = -1;
            complete = false;
        }
        e.role = Find(kRoles[row])->value.index;
    }
    return complete;
}

void CmdDescriptionDialog::ShowRows() {
    for (int row = 0; row < kCmdEntryCount; ++row) {
        const CmdEntry& e = rows_[size_t(row)];
        Find(kTeams[row])->value.index = e.keptTeamCharacter >= 0 ? -1 : e.team;
        Find(kRoles[row])->value.index = e.role;
    }
}

void CmdDescriptionDialog::OnChanged(PageContext&, int) {
    ReadRows();
    // Once a row was changed, every row counts: rows without a team have none.
    for (int row = 0; row < kCmdEntryCount; ++row) {
        if (rows_[size_t(row)].team < 0) rows_[size_t(row)].team = 0;
        Find(kTeams[row])->mixed = false;
        Find(kRoles[row])->mixed = false;
    }
    ShowRows();
    Find(kActualString)->value.text =
        Win1252ToUtf8(EncodeCmdDescription({rows_.begin(), rows_.end()}));
}

PageModel::ApplyResult CmdDescriptionDialog::OnApply(PageContext& context) {
    // Rows that still differ among the records cannot be written; the
    // dialog stays open until a list is changed or it is cancelled.
    if (!ReadRows()) return ApplyResult::Refused;
    const std::string text = EncodeCmdDescription({rows_.begin(), rows_.end()});
    EditDraft draft;
    // The whole field is written: the text, then zeros to its end.
    for (FlightGroup* fg : FlightGroupPage::SelectedFlightGroups(context.document.GetMission()))
        draft.Edit(fg->File).SetCmdDescription(text);
    return context.document.Commit(draft.Finish(EditName())) ? ApplyResult::Changed
                                                             : ApplyResult::Unchanged;
}

}  // namespace vantorel
