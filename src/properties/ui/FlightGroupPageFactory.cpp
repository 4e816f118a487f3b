#include "properties/ui/FlightGroupPageFactory.h"

#include "properties/ui/CEditPage.h"

namespace vantorel {

CEditPage* MakeFlightGroupPage(int tab, std::unique_ptr<PageModel> model, PageHost& host,
                               QWidget* parent) {
    switch (tab) {
        default:
            return new CEditPage(std::move(model), host, parent);
    }
}

}  // namespace vantorel
