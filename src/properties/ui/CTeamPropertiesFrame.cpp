#include "properties/ui/CTeamPropertiesFrame.h"

#include "properties/ui/CTeamPropertiesSheet.h"

namespace vantorel {

CTeamPropertiesFrame::CTeamPropertiesFrame(PageHost& host, PropertyBarHooks& bar, QWidget* owner)
    : CPropertyFrame(bar, owner, QStringLiteral("Team Properties")) {
    setObjectName(QStringLiteral("CTeamPropertiesFrame"));
    SetSheet(new CTeamPropertiesSheet(host, this));
    resize(sizeHint().expandedTo(QSize(360, 400)));
}

CTeamPropertiesSheet& CTeamPropertiesFrame::TeamSheet() {
    return static_cast<CTeamPropertiesSheet&>(Sheet());
}

}  // namespace vantorel
