#include "properties/ui/CEditPage.h"

#include <QVBoxLayout>

#include "document/LevelDocument.h"
#include "properties/ui/CEditDialog.h"
#include "properties/ui/DialogWindows.h"

namespace vantorel {

namespace {
// An apply may show a message; the windows that lose activation to it must
// not apply again while it is up.
int g_applying = 0;
}  // namespace

CEditPage::CEditPage(std::unique_ptr<PageModel> model, PageHost& host, QWidget* parent,
                     CControlPanel::Layout layout)
    : QWidget(parent), model_(std::move(model)), host_(host) {
    panel_ = new CControlPanel(*model_, host_, this, std::move(layout));
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(panel_);
    connect(panel_, &CControlPanel::activated, this, [this](int id) { OnButton(id); });
    connect(panel_, &CControlPanel::userChanged, this, [this] { Decorate(); });
}

bool CEditPage::ApplyInProgress() {
    return g_applying > 0;
}

QString CEditPage::Title() const {
    return QString::fromStdString(model_->Title());
}

void CEditPage::UpdatePage() {
    auto context = host_.Context();
    if (!context) return;
    model_->Load(*context);
    panel_->PushAll();
    Decorate();
}

bool CEditPage::ApplyPage() {
    if (g_applying > 0) return true;
    auto context = host_.Context();
    if (!context) return true;
    ++g_applying;
    const auto result = model_->Apply(*context);
    --g_applying;
    panel_->PushAll();
    return result != PageModel::ApplyResult::Refused;
}

void CEditPage::OnSetActive() {
    UpdatePage();
}

bool CEditPage::OnKillActive() {
    if (!ApplyPage()) return false;
    if (auto context = host_.Context()) context->document.Bar().UpdateViews();
    return true;
}

bool CEditPage::RunDialog(const std::string& name, const std::string& which,
                          CControlPanel::Layout layout) {
    if (!ApplyPage()) return false;
    auto context = host_.Context();
    if (!context) return false;
    std::unique_ptr<PageModel> dialog = model_->OpenDialog(*context, name, which);
    if (!dialog) return false;
    if (!layout) layout = DialogLayout(name);
    std::unique_ptr<CEditDialog> window(
        MakeDialogWindow(name, std::move(dialog), host_, this, std::move(layout)));
    if (window->exec() != QDialog::Accepted) return false;
    UpdatePage();
    return true;
}

}  // namespace vantorel
