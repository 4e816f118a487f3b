#include "properties/logic/PageCatalog.h"

#include "properties/logic/ArrivalPage.h"
#include "properties/logic/DeparturePage.h"
#include "properties/logic/EmptyPage.h"
#include "properties/logic/LevelDebriefingPage.h"
#include "properties/logic/LevelFlightGroupsPage.h"
#include "properties/logic/LevelMessagesPage.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/logic/LevelTeamsPage.h"
#include "properties/logic/OtherPage.h"

namespace vantorel {

namespace {

template <class P>
std::function<std::unique_ptr<PageModel>()> Maker() {
    return [] { return std::make_unique<P>(); };
}

// The flight group tabs that are still without controls.
std::function<std::unique_ptr<PageModel>()> Empty(const char* title) {
    return [title] { return std::make_unique<EmptyPage>(title); };
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
        {"fg.ship", Empty("Ship")},           {"fg.equipment", Empty("Equipment")},
        {"fg.arrival", Maker<ArrivalPage>()}, {"fg.departure", Maker<DeparturePage>()},
        {"fg.orders", Empty("Orders")},       {"fg.goals", Empty("Goals")},
        {"fg.positions", Empty("Positions")}, {"fg.other", Maker<OtherPage>()},
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
        // Tabs without controls are not offered to scripts until they have some.
        for (const auto& p : FlightGroupSheet())
            if (!p.make()->Controls().empty()) v.push_back(p);
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

}  // namespace vantorel
