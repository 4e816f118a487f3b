#include "properties/ui/CMessagePropertiesSheet.h"

#include "properties/logic/PageCatalog.h"
#include "properties/ui/CMessagePropertiesPages.h"

namespace vantorel {

CMessagePropertiesSheet::CMessagePropertiesSheet(PageHost& host, QWidget* parent)
    : CPropertySheet(parent) {
    setObjectName(QStringLiteral("CMessagePropertiesSheet"));
    setWindowTitle(QStringLiteral("Message Properties"));
    auto models = MakeMessageSheetPages();
    AddPage(new CMessagePropertiesPageGeneral(std::move(models[kGeneralTab]), host, this));
    AddPage(new CMessagePropertiesPageCondition(std::move(models[kConditionTab]), host, this));
    AddPage(new CMessagePropertiesPageWave(std::move(models[kWaveTab]), host, this));
}

}  // namespace vantorel
