#include "properties/ui/FlightGroupPageFactory.h"

#include "properties/ui/CEditPage.h"
#include "properties/ui/CFGPropertiesPageArrival.h"
#include "properties/ui/CFGPropertiesPageDepart.h"
#include "properties/ui/CFGPropertiesPageMisc.h"

namespace vantorel {

CEditPage* MakeFlightGroupPage(int tab, std::unique_ptr<PageModel> model, PageHost& host,
                               QWidget* parent) {
    switch (tab) {
        case 2:
            return new CFGPropertiesPageArrival(std::move(model), host, parent);
        case 3:
            return new CFGPropertiesPageDepart(std::move(model), host, parent);
        case 7:
            return new CFGPropertiesPageMisc(std::move(model), host, parent);
        default:
            return new CEditPage(std::move(model), host, parent);
    }
}

}  // namespace vantorel
