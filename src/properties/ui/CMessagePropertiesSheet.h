#pragma once

#include "properties/ui/CPropertySheet.h"
#include "properties/ui/PageHost.h"

namespace vantorel {

// The three pages that edit the current radio message.
class CMessagePropertiesSheet : public CPropertySheet {
    Q_OBJECT
public:
    enum Tab { kGeneralTab = 0, kConditionTab, kWaveTab };
    explicit CMessagePropertiesSheet(PageHost& host, QWidget* parent = nullptr);
};

}  // namespace vantorel
