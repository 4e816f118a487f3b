#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <vector>

class QCheckBox;
class QLabel;
class QScrollArea;

namespace vantorel {

class CFlowView;
class CQVDoc;

// View > Mission Flow: a window of its own for one mission, showing what
// waits for what and what can never happen. It follows every change of the
// mission through the document's change signal; an edit that only moves
// points leaves the flow as it is, so dragging on the map costs it nothing.
// Clicks on a box are handed on (nodeClicked, nodeActivated) for the program
// to select and open what the box stands for.
class CFlowWindow : public QWidget {
    Q_OBJECT
public:
    explicit CFlowWindow(CQVDoc* document, QWidget* parent = nullptr);

    CQVDoc* Document() const { return document_; }
    CFlowView* View() const { return view_; }
    QLabel* Summary() const { return summary_; }
    // How many times the flow was made again (tests see an edit skipped).
    int Rebuilds() const { return rebuilds_; }

    // Makes the flow again if what it is made of changed.
    void Refresh();
    // Outlines the selected flight groups and the current message.
    void ShowSelection(int currentMessage);

signals:
    void nodeClicked(vantorel::CQVDoc* document, int node);
    void nodeActivated(vantorel::CQVDoc* document, int node);

private:
    void UpdateTitle();

    QPointer<CQVDoc> document_;
    CFlowView* view_;
    QScrollArea* scroll_;
    QLabel* summary_;
    QCheckBox* targets_;
    std::vector<uint8_t> inputs_;
    bool made_ = false;
    int rebuilds_ = 0;
    int message_ = -1;
};

}  // namespace vantorel
