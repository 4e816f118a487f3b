#pragma once

#include <QGridLayout>
#include <QLabel>

#include "properties/ui/CControlPanel.h"

namespace vantorel {

// Places control widgets of a panel on a grid, as a dialog template would:
// each control's caption in one column and the control in the next.
class PanelGrid {
public:
    explicit PanelGrid(CControlPanel& panel) : panel_(panel), grid_(new QGridLayout(&panel)) {
        grid_->setContentsMargins(6, 6, 6, 6);
    }

    QGridLayout& Grid() { return *grid_; }
    QWidget* Widget(int id) const {
        ControlWidget* w = panel_.Control(id);
        return w ? w->Widget() : nullptr;
    }

    // The caption at (row, column), the control right of it over `span`
    // columns; a control without a caption takes the caption's cell too.
    void Add(int id, int row, int column, int span = 1) {
        ControlWidget* w = panel_.Control(id);
        if (!w) return;
        if (w->Label()) {
            grid_->addWidget(w->Label(), row, column);
            grid_->addWidget(w->Widget(), row, column + 1, 1, span);
        } else {
            grid_->addWidget(w->Widget(), row, column, 1, span + 1);
        }
    }
    // Only the control, in its cells. A button beside a box is as small as
    // its caption.
    void Put(int id, int row, int column, int rowSpan = 1, int columnSpan = 1,
             Qt::Alignment alignment = {}) {
        QWidget* w = Widget(id);
        if (!w) return;
        if (alignment) w->setSizePolicy(QSizePolicy::Maximum, w->sizePolicy().verticalPolicy());
        grid_->addWidget(w, row, column, rowSpan, columnSpan, alignment);
    }
    // The caption above the control.
    void Above(int id, int row, int column, int rowSpan = 1, int columnSpan = 1) {
        ControlWidget* w = panel_.Control(id);
        if (!w) return;
        if (w->Label()) grid_->addWidget(w->Label(), row++, column, 1, columnSpan);
        grid_->addWidget(w->Widget(), row, column, rowSpan, columnSpan);
    }

private:
    CControlPanel& panel_;
    QGridLayout* grid_;
};

}  // namespace vantorel
