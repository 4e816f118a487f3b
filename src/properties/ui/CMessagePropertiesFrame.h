#pragma once

#include "properties/ui/CPropertyFrame.h"
#include "properties/ui/PageHost.h"

namespace vantorel {

class CMessagePropertiesSheet;

// The floating window of the message sheet, on the current message.
class CMessagePropertiesFrame : public CPropertyFrame {
    Q_OBJECT
public:
    CMessagePropertiesFrame(PageHost& host, PropertyBarHooks& bar, QWidget* owner);
    CMessagePropertiesSheet& MessageSheet();
};

}  // namespace vantorel
