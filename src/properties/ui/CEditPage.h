#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "properties/logic/PageModel.h"
#include "properties/ui/CControlPanel.h"
#include "properties/ui/PageHost.h"

namespace vantorel {

class CEditDialog;

// One tab of a property sheet: a page model shown by its controls. The page
// keeps no copy of any record: it loads from the document when asked and
// writes back, as one edit, when it applies.
class CEditPage : public QWidget {
    Q_OBJECT
public:
    CEditPage(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent = nullptr,
              CControlPanel::Layout layout = {});

    PageModel& Model() { return *model_; }
    CControlPanel& Panel() { return *panel_; }
    QString Title() const;

    // Loads the controls from the document; nothing without one.
    virtual void UpdatePage();
    // Writes back what the user changed. False when a value was refused:
    // the page said why and the focus is on that control.
    virtual bool ApplyPage();

    // The tab becomes the active one, or stops being it. A flight group
    // page loads on the first, and applies and redraws the maps on the
    // second; false keeps the tab.
    virtual void OnSetActive();
    virtual bool OnKillActive();

    // Opens a dialog of the page as a modal window, after the page applied
    // (so no edit of the page is lost), and reloads the page after OK. A
    // dialog with a layout of its own passes it.
    bool RunDialog(const std::string& name, const std::string& which = {},
                   CControlPanel::Layout layout = {});

    // A page is writing back right now (it may be showing why it refused a
    // value): windows losing activation to that message leave everything be.
    static bool ApplyInProgress();

    PageHost& Host() { return host_; }

    // The user leaves a box, or every box for 0: a number its field cannot
    // hold is refused as the property pages refuse one. The box shows what
    // is stored again, and the message names the field and its range.
    void Leave(int id);

protected:
    // A button of the page; pages whose buttons open dialogs say which.
    virtual void OnButton(int id) { (void)id; }
    // After the controls were pushed: drawing the model cannot say.
    virtual void Decorate() {}
    // How a dialog of the page lays out its controls; by default a row each.
    virtual CControlPanel::Layout DialogLayout(const std::string& name) {
        (void)name;
        return {};
    }

private:
    std::unique_ptr<PageModel> model_;
    PageHost& host_;
    CControlPanel* panel_;
};

}  // namespace vantorel
