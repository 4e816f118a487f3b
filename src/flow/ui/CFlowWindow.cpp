#include "flow/ui/CFlowWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "flow/ui/CFlowView.h"
#include "ui/CQVDoc.h"

namespace vantorel {

namespace {

// "2 arrivals", "1 message": what is red, by kind.
QString NeverSummary(const MissionFlow& flow) {
    static const char* const kOne[] = {"arrival", "departure", "jump to order 4",
                                       "message", "team goal", "flight group goal"};
    static const char* const kMany[] = {"arrivals", "departures", "jumps to order 4",
                                        "messages", "team goals", "flight group goals"};
    int counts[6] = {};
    for (const FlowNode& node : flow.nodes) counts[int(node.kind)] += node.never;
    QStringList parts;
    for (int k = 0; k < 6; ++k)
        if (counts[k])
            parts << QStringLiteral("%1 %2").arg(counts[k]).arg(
                QString::fromLatin1(counts[k] == 1 ? kOne[k] : kMany[k]));
    if (parts.isEmpty()) return CFlowWindow::tr("Everything in this mission can happen.");
    return CFlowWindow::tr("Never happens (red): %1. Rest the pointer on a box for why.")
        .arg(parts.join(QStringLiteral(", ")));
}

}  // namespace

CFlowWindow::CFlowWindow(CQVDoc* document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("MissionFlow"));
    setAttribute(Qt::WA_DeleteOnClose);
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    targets_ = new QCheckBox(tr("Order &targets"), this);
    targets_->setChecked(true);
    targets_->setToolTip(tr("Shows the flight groups' orders aimed at others as dashed lines."));
    view_ = new CFlowView;
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(view_);
    scroll_->setBackgroundRole(QPalette::Base);
    auto* top = new QHBoxLayout;
    top->addWidget(summary_, 1);
    top->addWidget(targets_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll_, 1);
    resize(900, 600);

    connect(targets_, &QCheckBox::toggled, view_, &CFlowView::SetOrderTargetsShown);
    connect(view_, &CFlowView::nodeClicked, this, [this](int node) {
        if (document_) emit nodeClicked(document_, node);
    });
    connect(view_, &CFlowView::nodeActivated, this, [this](int node) {
        if (document_) emit nodeActivated(document_, node);
    });
    if (document) {
        connect(document, &CQVDoc::changed, this, &CFlowWindow::Refresh);
        connect(document, &CQVDoc::selectionChanged, this, [this] { ShowSelection(message_); });
        connect(document, &CQVDoc::titleChanged, this, &CFlowWindow::UpdateTitle);
        // The mission goes with its document; so does its window.
        connect(document, &QObject::destroyed, this, &QWidget::close);
    }
    UpdateTitle();
    Refresh();
}

void CFlowWindow::UpdateTitle() {
    setWindowTitle(document_ ? tr("Mission Flow - %1").arg(document_->Title())
                             : tr("Mission Flow"));
}

void CFlowWindow::Refresh() {
    if (!document_) return;
    const Mission& mission = document_->GetMission();
    std::vector<uint8_t> inputs = FlowInputBytes(mission);
    if (made_ && inputs == inputs_) return;
    inputs_ = std::move(inputs);
    made_ = true;
    ++rebuilds_;
    view_->SetFlow(&mission, MakeMissionFlow(mission));
    summary_->setText(NeverSummary(view_->Flow()));
    ShowSelection(message_);
}

void CFlowWindow::ShowSelection(int currentMessage) {
    message_ = currentMessage;
    if (!document_) return;
    std::vector<bool> selected;
    for (const auto& fg : document_->GetMission().FlightGroups)
        selected.push_back(fg->Selected != 0);
    view_->SetHighlight(std::move(selected), message_);
}

}  // namespace vantorel
