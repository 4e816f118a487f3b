#include "properties/ui/CFGPropertiesSheet.h"

#include "properties/logic/PageCatalog.h"
#include "properties/ui/FlightGroupPageFactory.h"

namespace vantorel {

CFGPropertiesSheet::CFGPropertiesSheet(PageHost& host, QWidget* parent) : CPropertySheet(parent) {
    setObjectName(QStringLiteral("CFGPropertiesSheet"));
    setWindowTitle(QStringLiteral("Flight Group Properties"));
    auto models = MakeFlightGroupSheetPages();
    for (size_t i = 0; i < models.size(); ++i)
        AddPage(MakeFlightGroupPage(int(i), std::move(models[i]), host, this));
}

}  // namespace vantorel
