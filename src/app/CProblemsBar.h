#pragma once

#include <QListWidget>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "document/MissionCheck.h"

namespace vantorel {

class CQVDoc;

// The dockable Problems window: what the mission check found in one mission,
// a problem a line, errors and warnings marked by their icons. A double
// click (or Enter) on a line asks for its flight group, message or team.
class CProblemsBar : public QWidget {
    Q_OBJECT
public:
    explicit CProblemsBar(QWidget* parent = nullptr);

    // Shows the problems of `document`; none shows that the check found
    // nothing. A null document empties the window.
    void SetProblems(CQVDoc* document, std::vector<Problem> problems);
    CQVDoc* Document() const { return document_; }
    const std::vector<Problem>& Problems() const { return problems_; }
    QListWidget* List() const { return list_; }
    // The height that shows this many lines of problems.
    int RowsHeight(int rows) const;

signals:
    void problemActivated(CQVDoc* document, const vantorel::Problem& problem);

private:
    QListWidget* list_;
    QPointer<CQVDoc> document_;
    std::vector<Problem> problems_;
};

}  // namespace vantorel
