#include "properties/ui/CCmdDescriptionDlg.h"

#include <QGridLayout>
#include <QLabel>

#include "properties/logic/CmdDescriptionDialog.h"

namespace vantorel {

CCmdDescriptionDlg::CCmdDescriptionDlg(std::unique_ptr<PageModel> model, PageHost& host,
                                       QWidget* parent)
    : CEditDialog(std::move(model), host, parent, &CCmdDescriptionDlg::Layout) {
    setObjectName(QStringLiteral("CCmdDescriptionDlg"));
}

void CCmdDescriptionDlg::Layout(CControlPanel& panel) {
    using D = CmdDescriptionDialog;
    auto* grid = new QGridLayout(&panel);
    grid->setContentsMargins(4, 4, 4, 4);
    for (int row = 0; row < kCmdEntryCount; ++row) {
        ControlWidget* team = panel.Control(D::kTeams[row]);
        ControlWidget* role = panel.Control(D::kRoles[row]);
        // Only the first row has captions; the rows below line up with it.
        if (team->Label()) grid->addWidget(team->Label(), row, 0);
        grid->addWidget(team->Widget(), row, 1);
        if (role->Label()) grid->addWidget(role->Label(), row, 2);
        grid->addWidget(role->Widget(), row, 3);
    }
    int row = kCmdEntryCount;
    for (const char* text : {kCmdExplanationText, kCmdPriorityText}) {
        auto* label = new QLabel(QString::fromUtf8(text), &panel);
        label->setWordWrap(true);
        grid->addWidget(label, row++, 0, 1, 4);
    }
    auto* caption = new QLabel(QStringLiteral("Actual String:"), &panel);
    grid->addWidget(caption, row, 0);
    grid->addWidget(panel.Control(D::kActualString)->Widget(), row, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

}  // namespace vantorel
