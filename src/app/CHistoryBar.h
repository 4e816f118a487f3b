#pragma once

#include <QIcon>
#include <QListWidget>
#include <QPointer>
#include <QWidget>

namespace vantorel {

class CQVDoc;

// The dockable History window: the steps of Undo and Redo of one mission,
// oldest first, under the names the Edit menu gives them. The first line is
// the state before them. The mission as it is now is the current line
// (bold), the steps Redo would make again are greyed, and the saved state
// carries the save picture. A click on a line asks to go there.
class CHistoryBar : public QWidget {
    Q_OBJECT
public:
    explicit CHistoryBar(QWidget* parent = nullptr);

    // Lists the document's history as it is now; null empties the window.
    void Show(CQVDoc* document);
    CQVDoc* Document() const { return document_; }
    QListWidget* List() const { return list_; }

signals:
    // The user chose the state after `position` edits.
    void stepRequested(CQVDoc* document, int position);

private:
    QListWidget* list_;
    QPointer<CQVDoc> document_;
    QIcon savedIcon_, noIcon_;
};

}  // namespace vantorel
