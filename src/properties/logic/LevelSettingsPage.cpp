#include "properties/logic/LevelSettingsPage.h"

#include "catalogue/CodedFields.h"

namespace vantorel {

LevelSettingsPage::LevelSettingsPage() : BoundPage("Level", "Level Properties") {
    ControlState& type = AddControl(kType, ControlKind::List, "T&ype:");
    type.items = {MissionTypes().begin(), MissionTypes().end()};
    ControlState& minutes = AddControl(kMinutes, ControlKind::Number, "&Time:");
    minutes.suffix = "Min";
    minutes.spinMin = 0;
    minutes.spinMax = 255;
    ControlState& seconds = AddControl(kSeconds, ControlKind::Number);
    seconds.suffix = "Sec";
    seconds.name = "Time (Sec)";
    seconds.spinMin = 0;
    seconds.spinMax = 59;
    ControlState& format = AddControl(kFormat, ControlKind::Radio, "&Format:");
    format.items = {"&XvT", "&BoP"};
    format.buttonIds = {kFormat, kFormatBop};
    ControlState& description = AddControl(kDescription, ControlKind::Text, "&Description:");
    description.multiline = true;

    // A type of 11 or more has no entry: the list shows none and, unless
    // the user picks one, the stored type stays.
    Bind(bind::ListField<Mission>(
        kType, [](const Mission& m) { return m.Header.MissionType(); },
        [](EditDraft& d, Mission& m, int64_t v) { d.Edit(m.Header).SetMissionType(uint8_t(v)); }));
    Bind(bind::NumberField<Mission>(
        kMinutes, [](const Mission& m) { return m.Header.TimeLimitMinutes(); },
        [](EditDraft& d, Mission& m, int64_t v) {
            d.Edit(m.Header).SetTimeLimitMinutes(uint8_t(v));
        },
        0, std::pair{0, 255}));
    Bind(bind::NumberField<Mission>(
        kSeconds, [](const Mission& m) { return m.Header.TimeLimitSeconds(); },
        [](EditDraft& d, Mission& m, int64_t v) {
            d.Edit(m.Header).SetTimeLimitSeconds(uint8_t(v));
        },
        0, std::pair{0, 59}));
    // Every test of the format is "14 or more is Balance of Power".
    FieldBinding<Mission> format14 = bind::RadioField<Mission>(
        kFormat, [](const Mission& m) { return m.Header.IsBop() ? 1 : 0; },
        [](EditDraft& d, Mission& m, int64_t v) {
            d.Edit(m.Header).SetFormatVersion(v ? MissionHeader::kBopVersion
                                                : MissionHeader::kXvtVersion);
        },
        {0, 1});
    Bind(std::move(format14));
    Bind(bind::FreeTextField<Mission>(
        kDescription, [](const Mission& m) { return m.Description; },
        [](EditDraft& d, Mission& m, const std::string& v) { d.Edit(m.Description) = v; },
        "description"));
}

std::vector<Mission*> LevelSettingsPage::Subjects(PageContext& context) {
    return {&context.document.GetMission()};
}

void LevelSettingsPage::LimitDescription() {
    Find(kDescription)->maxLength =
        Find(kFormat)->value.index == 1 ? kBopDescriptionLength : kXvtDescriptionLength;
}

void LevelSettingsPage::Finish(PageContext&, const std::vector<Mission*>&) {
    LimitDescription();
}

void LevelSettingsPage::OnChanged(PageContext& context, int id) {
    if (id == kFormat) {
        LimitDescription();
        const bool xvt = Find(kFormat)->value.index == 0;
        // The debriefings stay in the mission; only the file leaves them out.
        const Mission& m = context.document.GetMission();
        if (xvt && (!m.SuccessfulDebriefing.empty() || !m.FailedDebriefing.empty()))
            context.document.GetPrompter().Information(kDebriefingsNotSavedText);
        // The text is not cut: the designer decides what goes.
        const ControlState& description = *Find(kDescription);
        if (xvt && Utf8Length(description.value.text) > kXvtDescriptionLength) {
            context.document.GetPrompter().Information(kDescriptionTooLongText);
            RequestFocus(kDescription, kXvtDescriptionLength, -1);
        }
    }
    // Every change is in the mission as it is made.
    ApplyAtOnce(context, id);
}

}  // namespace vantorel
