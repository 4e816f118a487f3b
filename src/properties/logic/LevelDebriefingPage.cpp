#include "properties/logic/LevelDebriefingPage.h"

namespace vantorel {

LevelDebriefingPage::LevelDebriefingPage() : BoundPage("Debriefing", "Debriefing Properties") {
    for (auto [id, label] :
         {std::pair{kSuccessful, "Mission &Successful"}, std::pair{kFailed, "Mission &Failure"}}) {
        ControlState& c = AddControl(id, ControlKind::Text, label);
        c.multiline = true;
        c.maxLength = kMaxLength;
    }
    Bind(bind::FreeTextField<Mission>(
        kSuccessful, [](const Mission& m) { return m.SuccessfulDebriefing; },
        [](EditDraft& d, Mission& m, const std::string& v) { d.Edit(m.SuccessfulDebriefing) = v; },
        "successful debriefing"));
    Bind(bind::FreeTextField<Mission>(
        kFailed, [](const Mission& m) { return m.FailedDebriefing; },
        [](EditDraft& d, Mission& m, const std::string& v) { d.Edit(m.FailedDebriefing) = v; },
        "failed debriefing"));
}

std::vector<Mission*> LevelDebriefingPage::Subjects(PageContext& context) {
    return {&context.document.GetMission()};
}

void LevelDebriefingPage::Finish(PageContext& context, const std::vector<Mission*>&) {
    OnShow(context);
}

void LevelDebriefingPage::OnShow(PageContext& context) {
    const bool xvt = !context.document.GetHeader().IsBop();
    for (int id : {kSuccessful, kFailed}) {
        Find(id)->readOnly = xvt;
        Find(id)->maxLength = kMaxLength;
    }
}

}  // namespace vantorel
