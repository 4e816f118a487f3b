#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "properties/logic/PageModel.h"

namespace vantorel {

// Every property page by the name scripts use for it ("level.level",
// "fg.ship", ...), in the order of the sheets and their tabs.
struct PageInfo {
    std::string name;
    std::function<std::unique_ptr<PageModel>()> make;
};
const std::vector<PageInfo>& PageCatalog();

// The page of that name, or null.
std::unique_ptr<PageModel> MakePage(std::string_view name);

// The pages of each sheet, in tab order.
std::vector<std::unique_ptr<PageModel>> MakeLevelSheetPages();
std::vector<std::unique_ptr<PageModel>> MakeFlightGroupSheetPages();
std::vector<std::unique_ptr<PageModel>> MakeMessageSheetPages();
std::vector<std::unique_ptr<PageModel>> MakeTeamSheetPages();

}  // namespace vantorel
