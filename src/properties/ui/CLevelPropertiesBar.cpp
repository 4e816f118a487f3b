#include "properties/ui/CLevelPropertiesBar.h"

#include <QFontDatabase>

#include "app/AppPictures.h"
#include "app/CQVDoc.h"

namespace vantorel {

namespace {
CLevelPropertiesBar* g_bar = nullptr;
constexpr int kMargin = 7;
}  // namespace

CLevelPropertiesBar* LevelPropertiesBar() {
    return g_bar;
}
void SetLevelPropertiesBar(CLevelPropertiesBar* bar) {
    g_bar = bar;
}

CLevelPropertiesBar::CLevelPropertiesBar(QWidget* parent)
    : QWidget(parent),
      noLevelText_(new QLabel(QStringLiteral("No level is loaded"), this)),
      noLevelIcon_(new QLabel(this)),
      sheet_(new QWidget(this)) {
    setObjectName(QStringLiteral("CLevelPropertiesBar"));
    noLevelText_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    noLevelText_->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    noLevelIcon_->setPixmap(NoLevelPicture());
    noLevelIcon_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    sheet_->hide();
    LayOut();
}

CLevelPropertiesBar::~CLevelPropertiesBar() {
    if (g_bar == this) g_bar = nullptr;
}

bool CLevelPropertiesBar::ShowsNoLevelText() const {
    return !noLevelText_->isHidden();
}

void CLevelPropertiesBar::SetCurrentDocument(CQVDoc* document) {
    if (document_ == document) return;
    document_ = document;
    if (document) {
        noLevelText_->hide();
        noLevelIcon_->hide();
        sheet_->show();
        RefreshAll();
        UpdateViews();
    } else {
        sheet_->hide();
        noLevelText_->show();
        noLevelIcon_->show();
    }
    emit currentDocumentChanged(document);
}

void CLevelPropertiesBar::ApplyAll() {
    if (!document_) return;
    // The property windows that write back here come with their sheets.
}

void CLevelPropertiesBar::RefreshAll() {
    if (!document_) return;
    // The property windows that reload here come with their sheets.
}

void CLevelPropertiesBar::UpdateViews() {
    if (document_) document_->UpdateAllViews();
}

void CLevelPropertiesBar::ShowFlightGroupProperties() {
    if (!document_ || document_->Level().CountSelectedFlightGroups() == 0) return;
}

void CLevelPropertiesBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void CLevelPropertiesBar::LayOut() {
    const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    sheet_->setGeometry(area);
    // The text fills the upper half and the icon the lower half.
    const int half = area.height() / 2;
    noLevelText_->setGeometry(area.left(), area.top(), area.width(), half);
    noLevelIcon_->setGeometry(area.left(), area.top() + half + 4, area.width(),
                              area.height() - half - 4);
}

}  // namespace vantorel
