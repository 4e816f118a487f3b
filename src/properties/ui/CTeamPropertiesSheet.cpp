#include "properties/ui/CTeamPropertiesSheet.h"

#include "properties/logic/PageCatalog.h"
#include "properties/ui/CTeamPropertiesPages.h"

namespace vantorel {

CTeamPropertiesSheet::CTeamPropertiesSheet(PageHost& host, QWidget* parent)
    : CPropertySheet(parent) {
    setObjectName(QStringLiteral("CTeamPropertiesSheet"));
    setWindowTitle(QStringLiteral("Team Properties"));
    auto models = MakeTeamSheetPages();
    AddPage(new CTeamPropertiesPageGeneral(std::move(models[kGeneralTab]), host, this));
    AddPage(new CTeamPropertiesPageGoals(std::move(models[kGoalsTab]), host, this));
    AddPage(new CTeamPropertiesPageGoalStrings(std::move(models[kGoalStringsTab]), host, this));
    AddPage(new CEditPage(std::move(models[kBriefingTab]), host, this));
}

}  // namespace vantorel
