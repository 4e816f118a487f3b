#include "properties/ui/CControlPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace vantorel {

CControlPanel::CControlPanel(PageModel& model, PageHost& host, QWidget* parent, Layout layout)
    : QWidget(parent), model_(model), host_(host) {
    for (const ControlState& c : model_.Controls()) {
        auto* w = new ControlWidget(c, this);
        connect(w, &ControlWidget::changed, this, &CControlPanel::OnChanged);
        connect(w, &ControlWidget::activated, this, &CControlPanel::OnActivated);
        connect(w, &ControlWidget::left, this, &CControlPanel::left);
        controls_.push_back(w);
    }
    if (layout)
        layout(*this);
    else
        DefaultLayout(*this);
}

ControlWidget* CControlPanel::Control(int id) const {
    for (ControlWidget* w : controls_)
        if (w->Id() == id) return w;
    return nullptr;
}

void CControlPanel::PushAll() {
    // The model may have rebuilt its list of controls; widgets go by id.
    for (const ControlState& c : model_.Controls())
        if (ControlWidget* w = Control(c.id)) w->Push(c);
    if (auto focus = model_.TakeFocusRequest())
        if (ControlWidget* w = Control(focus->id))
            w->Focus(focus->selectionStart, focus->selectionEnd);
}

void CControlPanel::OnChanged(int id, const ControlValue& value) {
    auto context = host_.Context();
    if (!context) return;
    model_.Set(*context, id, value);
    // Refused or not, the widgets show what the model holds; a change may
    // also have changed other controls.
    PushAll();
    emit userChanged(id);
}

void CControlPanel::OnActivated(int id) {
    if (auto context = host_.Context()) model_.Activate(*context, id);
    PushAll();
    emit activated(id);
}

void CControlPanel::DefaultLayout(CControlPanel& panel) {
    auto* grid = new QGridLayout(&panel);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setColumnStretch(1, 1);
    int row = 0;
    QHBoxLayout* lastFields = nullptr;
    bool lastHadSuffix = false;
    for (ControlWidget* w : panel.Controls()) {
        QWidget* widget = w->Widget();
        if (w->Tall()) {
            if (w->Label()) grid->addWidget(w->Label(), row++, 0, 1, 2);
            grid->addWidget(widget, row, 0, 1, 2);
            grid->setRowStretch(row++, 1);
            lastFields = nullptr;
            continue;
        }
        if (w->Kind() == ControlKind::Check || w->Kind() == ControlKind::Radio ||
            w->Kind() == ControlKind::Label) {
            grid->addWidget(widget, row++, 0, 1, 2);
            lastFields = nullptr;
            continue;
        }
        // A box without a caption right after one with a word after it goes
        // on the same line ("Time: [ ] Min [ ] Sec").
        if (!w->Label() && lastFields && lastHadSuffix) {
            lastFields->insertWidget(lastFields->count() - 1, widget);
            if (w->Suffix()) lastFields->insertWidget(lastFields->count() - 1, w->Suffix());
            lastHadSuffix = w->Suffix() != nullptr;
            continue;
        }
        if (w->Label()) grid->addWidget(w->Label(), row, 0);
        auto* fields = new QHBoxLayout;
        fields->addWidget(widget, w->Kind() == ControlKind::Number ? 0 : 1);
        if (w->Suffix()) fields->addWidget(w->Suffix());
        fields->addStretch(w->Kind() == ControlKind::Number ? 1 : 0);
        grid->addLayout(fields, row++, 1);
        lastFields = fields;
        lastHadSuffix = w->Suffix() != nullptr;
    }
    // Short pages keep their controls at the top.
    bool anyTall = false;
    for (ControlWidget* w : panel.Controls()) anyTall = anyTall || w->Tall();
    if (!anyTall) grid->setRowStretch(row, 1);
}

}  // namespace vantorel
