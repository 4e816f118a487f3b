#pragma once

#include "properties/ui/CEditDialog.h"

namespace vantorel {

// The Condition dialog's window: the four lists in two rows that read as a
// sentence, the sentence under them, "&True" and "&False". It shows any
// ConditionDialog model, whichever records that edits.
class CConditionDlg : public CEditDialog {
    Q_OBJECT
public:
    CConditionDlg(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent = nullptr);

    static void Layout(CControlPanel& panel);
};

}  // namespace vantorel
