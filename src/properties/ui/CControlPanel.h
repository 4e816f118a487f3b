#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "properties/logic/PageModel.h"
#include "properties/ui/ControlWidget.h"
#include "properties/ui/PageHost.h"

namespace vantorel {

// The widgets of every control of a page or dialog model, laid out, kept
// showing what the model holds, and handing each user change to the model.
class CControlPanel : public QWidget {
    Q_OBJECT
public:
    using Layout = std::function<void(CControlPanel&)>;

    // `layout` places the control widgets; by default one row a control:
    // caption, control, the word after it.
    CControlPanel(PageModel& model, PageHost& host, QWidget* parent = nullptr, Layout layout = {});

    PageModel& Model() { return model_; }
    ControlWidget* Control(int id) const;
    const std::vector<ControlWidget*>& Controls() const { return controls_; }

    // Shows every control as the model has it, then the focus it asked for.
    void PushAll();

    static void DefaultLayout(CControlPanel& panel);

signals:
    // A button or a list entry's double click, after the model heard of it.
    void activated(int id);
    // The user changed a control and the model took it.
    void userChanged(int id);
    // The user left a number box (ControlWidget::left).
    void left(int id);

private:
    void OnChanged(int id, const ControlValue& value);
    void OnActivated(int id);

    PageModel& model_;
    PageHost& host_;
    std::vector<ControlWidget*> controls_;
};

}  // namespace vantorel
