#include "properties/ui/CLevelPropertiesBar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QTabBar>
#include <algorithm>

#include "platform/PathText.h"
#include "properties/logic/LevelTeamsPage.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CFGPropertiesFrame.h"
#include "properties/ui/CFGPropertiesSheet.h"
#include "properties/ui/CLevelPropertiesPages.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "properties/ui/CListFindBox.h"
#include "properties/ui/CMessagePropertiesFrame.h"
#include "properties/ui/CTeamPropertiesFrame.h"
#include "ui/CQVDoc.h"
#include "ui/WindowPictures.h"

namespace vantorel {

namespace {
constexpr int kMargin = 7;
}  // namespace

CLevelPropertiesBar::CLevelPropertiesBar(AppServices& services, QWidget* parent)
    : QWidget(parent),
      services_(services),
      noLevelText_(new QLabel(QStringLiteral("No level is loaded"), this)),
      noLevelIcon_(new QLabel(this)) {
    setObjectName(QStringLiteral("CLevelPropertiesBar"));
    sheet_ = new CLevelPropertiesSheet(*this, *this, this);
    noLevelText_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    noLevelText_->setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    noLevelIcon_->setPixmap(NoLevelPicture());
    noLevelIcon_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    sheet_->hide();
    // Choosing a team or message in the sheet changes what commands apply to.
    connect(sheet_, &CPropertySheet::pageBuilt, this, [this](int tab) {
        if (tab == CLevelPropertiesSheet::kTeamsTab || tab == CLevelPropertiesSheet::kMessagesTab)
            connect(&sheet_->Page(tab)->Panel(), &CControlPanel::userChanged, this,
                    &CLevelPropertiesBar::currentItemChanged);
    });
    LayOut();
}

CLevelPropertiesBar::~CLevelPropertiesBar() {
    delete fgFrame_;
    delete teamFrame_;
    delete messageFrame_;
}

CFGPropertiesFrame* CLevelPropertiesBar::FlightGroupFrame() const {
    return fgFrame_;
}

CTeamPropertiesFrame* CLevelPropertiesBar::TeamFrame() const {
    return teamFrame_;
}

CMessagePropertiesFrame* CLevelPropertiesBar::MessageFrame() const {
    return messageFrame_;
}

CQVDoc* CLevelPropertiesBar::CurrentDocument() const {
    return document_;
}

bool CLevelPropertiesBar::ShowsNoLevelText() const {
    return !noLevelText_->isHidden();
}

std::optional<PageContext> CLevelPropertiesBar::Context() {
    if (!document_) return std::nullopt;
    PageContext context{document_->Level(), &services_.sound, CurrentTeam(), CurrentMessage()};
    context.fileDialogs = &services_.fileDialogs;
    context.programFolder = PathFromUtf8(QCoreApplication::applicationDirPath().toStdString());
    return context;
}

void CLevelPropertiesBar::SetCurrentDocument(CQVDoc* document) {
    if (document_ == document) return;
    // The windows write to the mission they show before another is shown.
    if (document_) ApplyAll();
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
        if (fgFrame_) fgFrame_->hide();
        if (teamFrame_) teamFrame_->hide();
        if (messageFrame_) messageFrame_->hide();
    }
    emit currentDocumentChanged(document);
    emit currentItemChanged();
}

bool CLevelPropertiesBar::FlightGroupFrameShown() const {
    return fgFrame_ && fgFrame_->isVisible();
}

bool CLevelPropertiesBar::TeamFrameShown() const {
    return teamFrame_ && teamFrame_->isVisible();
}

bool CLevelPropertiesBar::MessageFrameShown() const {
    return messageFrame_ && messageFrame_->isVisible();
}

void CLevelPropertiesBar::PlaceFirstTime(QWidget* frame) {
    const QRect owner = window()->frameGeometry();
    QPoint at = owner.center() - frame->rect().center();
    // One window opened after another would hide it exactly: each steps
    // down and right of those already there.
    const QWidget* others[] = {fgFrame_, teamFrame_, messageFrame_};
    for (bool moved = true; moved;) {
        moved = false;
        for (const QWidget* other : others)
            if (other && other != frame && other->pos() == at) {
                at += QPoint(32, 32);
                moved = true;
            }
    }
    frame->move(at);
}

void CLevelPropertiesBar::ApplyAll() {
    if (!document_ || busy_) return;
    ++busy_;
    sheet_->ApplyAllPages();
    if (FlightGroupFrameShown()) fgFrame_->ApplyAllPages();
    if (TeamFrameShown()) teamFrame_->ApplyAllPages();
    if (MessageFrameShown()) messageFrame_->ApplyAllPages();
    --busy_;
}

void CLevelPropertiesBar::RefreshAll() {
    // While a page shows why it refused a value, its other edits must stay.
    if (!document_ || busy_ || CEditPage::ApplyInProgress()) return;
    ++busy_;
    sheet_->UpdateAllPages();
    RefreshFlightGroupProperties();
    RefreshTeamProperties();
    RefreshMessageProperties();
    --busy_;
    emit currentItemChanged();
}

void CLevelPropertiesBar::UpdateViews() {
    if (document_) document_->UpdateAllViews();
}

void CLevelPropertiesBar::ShowFlightGroupProperties() {
    if (!document_ || document_->Level().CountSelectedFlightGroups() == 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!fgFrame_) {
        fgFrame_ = new CFGPropertiesFrame(*this, *this, window());
        PlaceFirstTime(fgFrame_);
    }
    fgFrame_->UpdateAllPages();
    if (fgFrame_->isHidden()) fgFrame_->show();
    fgFrame_->raise();
    QApplication::restoreOverrideCursor();
}

void CLevelPropertiesBar::RefreshFlightGroupProperties() {
    if (!FlightGroupFrameShown() || !document_) return;
    if (document_->Level().CountSelectedFlightGroups() > 0)
        fgFrame_->UpdateAllPages();
    else
        fgFrame_->hide();
}

void CLevelPropertiesBar::HideFlightGroupProperties() {
    if (FlightGroupFrameShown()) fgFrame_->hide();
}

void CLevelPropertiesBar::ShowTeamProperties() {
    if (!document_ || CurrentTeam() < 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!teamFrame_) {
        teamFrame_ = new CTeamPropertiesFrame(*this, *this, window());
        PlaceFirstTime(teamFrame_);
    }
    teamFrame_->UpdateAllPages();
    if (teamFrame_->isHidden()) teamFrame_->show();
    teamFrame_->raise();
    QApplication::restoreOverrideCursor();
}

void CLevelPropertiesBar::RefreshTeamProperties() {
    if (!TeamFrameShown() || !document_) return;
    if (CurrentTeam() >= 0)
        teamFrame_->UpdateAllPages();
    else
        teamFrame_->hide();
}

void CLevelPropertiesBar::ShowMessageProperties() {
    if (!document_ || CurrentMessage() < 0) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!messageFrame_) {
        messageFrame_ = new CMessagePropertiesFrame(*this, *this, window());
        PlaceFirstTime(messageFrame_);
    }
    messageFrame_->UpdateAllPages();
    if (messageFrame_->isHidden()) messageFrame_->show();
    messageFrame_->raise();
    QApplication::restoreOverrideCursor();
}

void CLevelPropertiesBar::RefreshMessageProperties() {
    if (!MessageFrameShown() || !document_) return;
    if (CurrentMessage() >= 0)
        messageFrame_->UpdateAllPages();
    else
        messageFrame_->hide();
}

void CLevelPropertiesBar::MoveViewsToSelection() {
    if (!document_) return;
    document_->CentreViewsOnSelection();
}

int CLevelPropertiesBar::CurrentTeam() const {
    const int team = document_ ? document_->Level().CurrentTeam() : -1;
    return team < LevelTeamsPage::kTeamsListed ? team : -1;
}

int CLevelPropertiesBar::CurrentMessage() const {
    return document_ ? document_->Level().CurrentMessage() : -1;
}

void CLevelPropertiesBar::ReloadTab(int tab) {
    // A page behind its tab is reloaded when it comes forward.
    if (sheet_->currentIndex() == tab)
        if (CEditPage* page = sheet_->Page(tab)) page->UpdatePage();
}

void CLevelPropertiesBar::SelectMessage(int position) {
    if (!document_) return;
    SetCurrentMessage(position);
    ShowMessageProperties();
}

void CLevelPropertiesBar::SetCurrentMessage(int position) {
    if (!document_) return;
    ApplyAll();
    document_->Level().SetCurrentMessage(position);
    ReloadTab(CLevelPropertiesSheet::kMessagesTab);
    RefreshMessageProperties();
    emit currentItemChanged();
}

bool CLevelPropertiesBar::MessagesTabHasFocus() const {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* page = sheet_->Page(CLevelPropertiesSheet::kMessagesTab);
    return document_ && focus && page &&
           sheet_->currentIndex() == CLevelPropertiesSheet::kMessagesTab &&
           page->isAncestorOf(focus);
}

void CLevelPropertiesBar::SelectTeam(int team) {
    if (!document_ || team < 0 || team >= LevelTeamsPage::kTeamsListed) return;
    ApplyAll();
    SwitchToTab(CLevelPropertiesSheet::kTeamsTab);
    document_->Level().SetCurrentTeam(team);
    ReloadTab(CLevelPropertiesSheet::kTeamsTab);
    ShowTeamProperties();
    emit currentItemChanged();
}

std::string CLevelPropertiesBar::PendingEditName() const {
    if (!document_) return {};
    // ApplyAll writes in this order, so the last of them is the edit that
    // Undo takes back once the windows applied.
    std::vector<CPropertySheet*> sheets{sheet_};
    if (FlightGroupFrameShown()) sheets.push_back(&fgFrame_->Sheet());
    if (TeamFrameShown()) sheets.push_back(&teamFrame_->Sheet());
    if (MessageFrameShown()) sheets.push_back(&messageFrame_->Sheet());
    std::string name;
    for (CPropertySheet* sheet : sheets)
        for (int i = 0; i < sheet->PageCount(); ++i)
            if (CEditPage* page = sheet->Page(i); page && page->Model().HasPendingEdits())
                name = page->Model().EditName();
    return name;
}

void CLevelPropertiesBar::SwitchToTab(int tab) {
    sheet_->SetActivePage(tab);
}

void CLevelPropertiesBar::FocusFind() {
    if (!document_) return;
    if (sheet_->currentIndex() != CLevelPropertiesSheet::kMessagesTab)
        SwitchToTab(CLevelPropertiesSheet::kFlightGroupTab);
    auto* page = static_cast<CLevelPropertiesPage*>(sheet_->BuildPage(sheet_->currentIndex()));
    if (CListFindBox* box = page ? page->FindBox() : nullptr) {
        box->setFocus(Qt::ShortcutFocusReason);
        box->selectAll();
    }
}

void CLevelPropertiesBar::RaiseWindowOf(int tab) {
    if (tab == CLevelPropertiesSheet::kFlightGroupTab && FlightGroupFrameShown()) fgFrame_->raise();
    if (tab == CLevelPropertiesSheet::kTeamsTab && TeamFrameShown()) teamFrame_->raise();
    if (tab == CLevelPropertiesSheet::kMessagesTab && MessageFrameShown()) messageFrame_->raise();
}

QSize CLevelPropertiesBar::sizeHint() const {
    const int tabs = sheet_->tabBar()->sizeHint().width() + 2 * kMargin + 8;
    return QSize(std::max(260, tabs), 320);
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
