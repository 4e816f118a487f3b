#include "properties/ui/CMessagePropertiesFrame.h"

#include "properties/ui/CMessagePropertiesSheet.h"

namespace vantorel {

CMessagePropertiesFrame::CMessagePropertiesFrame(PageHost& host, PropertyBarHooks& bar,
                                                 QWidget* owner)
    : CPropertyFrame(bar, owner, QStringLiteral("Message Properties")) {
    setObjectName(QStringLiteral("CMessagePropertiesFrame"));
    SetSheet(new CMessagePropertiesSheet(host, this));
    resize(sizeHint().expandedTo(QSize(360, 380)));
}

CMessagePropertiesSheet& CMessagePropertiesFrame::MessageSheet() {
    return static_cast<CMessagePropertiesSheet&>(Sheet());
}

}  // namespace vantorel
