#include "properties/ui/FlightGroupPageFactory.h"

#include "properties/ui/CEditPage.h"
#include "properties/ui/CFGPropertiesPageArrival.h"
#include "properties/ui/CFGPropertiesPageDepart.h"
#include "properties/ui/CFGPropertiesPageEquipment.h"
#include "properties/ui/CFGPropertiesPageGoals.h"
#include "properties/ui/CFGPropertiesPageMisc.h"
#include "properties/ui/CFGPropertiesPageOrders.h"
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
        case 2:
            return new CFGPropertiesPageArrival(std::move(model), host, parent);
        case 3:
            return new CFGPropertiesPageDepart(std::move(model), host, parent);
        case 4:
            return new CFGPropertiesPageOrders(std::move(model), host, parent);
        case 5:
            return new CFGPropertiesPageGoals(std::move(model), host, parent);
        case 6:
            return new CFGPropertiesPagePos(std::move(model), host, parent);
        case 7:
            return new CFGPropertiesPageMisc(std::move(model), host, parent);
        default:
            return new CEditPage(std::move(model), host, parent);
    }
}

}  // namespace vantorel
