#pragma once

#include <QWidget>

#include "properties/ui/PageHost.h"

namespace vantorel {

class CFGPropertiesSheet;
class PropertyBarHooks;

// The floating window of the flight group sheet. Closing it keeps the edits:
// every page applies, everything reloads, the maps redraw and the window
// hides. When it loses activation every open property window applies.
class CFGPropertiesFrame : public QWidget {
    Q_OBJECT
public:
    CFGPropertiesFrame(PageHost& host, PropertyBarHooks& bar, QWidget* owner);

    CFGPropertiesSheet& Sheet() { return *sheet_; }
    void UpdateAllPages();
    void ApplyAllPages();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PropertyBarHooks& bar_;
    CFGPropertiesSheet* sheet_;
};

}  // namespace vantorel
