#include "properties/ui/FlightGroupPageFactory.h"

#include "properties/ui/CEditPage.h"
#include "properties/ui/CFGPropertiesPageEquipment.h"
#include "properties/ui/CFGPropertiesPagePos.h"
#include "properties/ui/CFGPropertiesPageShip.h"

namespace vantorel {

CEditPage* MakeFlightGroupPage(int tab, std::unique_ptr<PageModel> model, PageHost& host,
                               QWidget* parent) {
    switch (tab) {
        case 0:
            return new CFGPropertiesPageShip(std::move(model), host, parent);
        case 1:
            return new CFGPropertiesPageEquipment(std::move(model), host, parent);
        case 6:
            return new CFGPropertiesPagePos(std::move(model), host, parent);
        default:
            return new CEditPage(std::move(model), host, parent);
    }
}

}  // namespace vantorel
