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
    connect(panel_, &CControlPanel::left, this, &CEditPage::Leave);
}

void CEditPage::Leave(int id) {
    auto context = host_.Context();
    if (!context) return;
    const std::vector<std::string> refused = model_->Leave(*context, id);
    if (refused.empty()) return;
    panel_->PushAll();
    Decorate();
    // Said once what moved the focus (a click on another window, a key that
    // saves or undoes) is done: a message box in the middle of it would take
    // the focus back and stop the move half-way.
    Prompter* prompter = &context->document.GetPrompter();
    QMetaObject::invokeMethod(
        this,
        [prompter, refused] {
            for (const std::string& text : refused) prompter->Warning(text);
        },
        Qt::QueuedConnection);
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
    // Whatever reads the mission next (a save, Undo, another window) sees
    // what the boxes show: a value that cannot be stored is refused here
    // as on leaving its box, and stops nothing.
    Leave(0);
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
