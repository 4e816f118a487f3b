#include "properties/logic/PageCatalog.h"

#include "properties/logic/ArrivalPage.h"
#include "properties/logic/DeparturePage.h"
#include "properties/logic/FgEquipmentPage.h"
#include "properties/logic/FgPositionsPage.h"
#include "properties/logic/FgShipPage.h"
#include "properties/logic/FlightGroupGoalsPage.h"
#include "properties/logic/FlightGroupOrdersPage.h"
#include "properties/logic/LevelDebriefingPage.h"
#include "properties/logic/LevelFlightGroupsPage.h"
#include "properties/logic/LevelMessagesPage.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/logic/LevelTeamsPage.h"
#include "properties/logic/MessageConditionPage.h"
#include "properties/logic/MessageGeneralPage.h"
#include "properties/logic/MessageWavePage.h"
#include "properties/logic/OtherPage.h"
#include "properties/logic/TeamGeneralPage.h"
#include "properties/logic/TeamGoalStringsPage.h"
#include "properties/logic/TeamGoalsPage.h"

namespace vantorel {

namespace {

template <class P>
std::function<std::unique_ptr<PageModel>()> Maker() {
    return [] { return std::make_unique<P>(); };
}

const std::vector<PageInfo>& LevelSheet() {
    static const std::vector<PageInfo> pages = {
        {"level.flightgroups", Maker<LevelFlightGroupsPage>()},
        {"level.teams", Maker<LevelTeamsPage>()},
        {"level.messages", Maker<LevelMessagesPage>()},
        {"level.debriefing", Maker<LevelDebriefingPage>()},
        {"level.level", Maker<LevelSettingsPage>()},
    };
    return pages;
}

const std::vector<PageInfo>& FlightGroupSheet() {
    static const std::vector<PageInfo> pages = {
        {"fg.ship", Maker<FgShipPage>()},
        {"fg.equipment", Maker<FgEquipmentPage>()},
        {"fg.arrival", Maker<ArrivalPage>()},
        {"fg.departure", Maker<DeparturePage>()},
        {"fg.orders", Maker<FlightGroupOrdersPage>()},
        {"fg.goals", Maker<FlightGroupGoalsPage>()},
        {"fg.positions", Maker<FgPositionsPage>()},
        {"fg.other", Maker<OtherPage>()},
    };
    return pages;
}

const std::vector<PageInfo>& MessageSheet() {
    static const std::vector<PageInfo> pages = {
        {"message.general", Maker<MessageGeneralPage>()},
        {"message.condition", Maker<MessageConditionPage>()},
        {"message.wave", Maker<MessageWavePage>()},
    };
    return pages;
}

const std::vector<PageInfo>& TeamSheet() {
    static const std::vector<PageInfo> pages = {
        {"team.general", Maker<TeamGeneralPage>()},
        {"team.goals", Maker<TeamGoalsPage>()},
        {"team.goalstrings", Maker<TeamGoalStringsPage>()},
        {"team.briefing", Maker<TeamBriefingPage>()},
    };
    return pages;
}

std::vector<std::unique_ptr<PageModel>> MakeAll(const std::vector<PageInfo>& sheet) {
    std::vector<std::unique_ptr<PageModel>> pages;
    for (const auto& p : sheet) pages.push_back(p.make());
    return pages;
}

}  // namespace

const std::vector<PageInfo>& PageCatalog() {
    static const std::vector<PageInfo> all = [] {
        std::vector<PageInfo> v = LevelSheet();
        for (const auto* sheet : {&FlightGroupSheet(), &MessageSheet(), &TeamSheet()})
            v.insert(v.end(), sheet->begin(), sheet->end());
        return v;
    }();
    return all;
}

std::unique_ptr<PageModel> MakePage(std::string_view name) {
    for (const auto& p : PageCatalog())
        if (p.name == name) return p.make();
    return nullptr;
}

std::vector<std::unique_ptr<PageModel>> MakeLevelSheetPages() {
    return MakeAll(LevelSheet());
}

std::vector<std::unique_ptr<PageModel>> MakeFlightGroupSheetPages() {
    return MakeAll(FlightGroupSheet());
}

std::vector<std::unique_ptr<PageModel>> MakeMessageSheetPages() {
    return MakeAll(MessageSheet());
}

std::vector<std::unique_ptr<PageModel>> MakeTeamSheetPages() {
    return MakeAll(TeamSheet());
}

}  // namespace vantorel
