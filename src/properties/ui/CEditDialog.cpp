#include "properties/ui/CEditDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace vantorel {

CEditDialog::CEditDialog(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent,
                         CControlPanel::Layout layout)
    : QDialog(parent), model_(std::move(model)), host_(host) {
    setWindowTitle(QString::fromStdString(model_->Title()));
    if (auto context = host_.Context()) model_->Load(*context);
    panel_ = new CControlPanel(*model_, host_, this, std::move(layout));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEditDialog::reject);
    auto* box = new QVBoxLayout(this);
    box->addWidget(panel_);
    box->addWidget(buttons);
    panel_->PushAll();
}

void CEditDialog::accept() {
    auto context = host_.Context();
    if (context && model_->Apply(*context) == PageModel::ApplyResult::Refused) {
        // The dialog said why; it stays open on the value to correct.
        panel_->PushAll();
        return;
    }
    QDialog::accept();
}

}  // namespace vantorel
