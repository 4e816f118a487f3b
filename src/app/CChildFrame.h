#pragma once

#include <QMdiSubWindow>

namespace vantorel {

class CQVDoc;
class CQVView;

// The window of one map view inside the main frame's MDI area: created
// maximised, titled with the document's name and its modified mark.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CQVView* view, QWidget* parent = nullptr);

    CQVView* View() const { return view_; }
    CQVDoc* Document() const;
    void UpdateTitle();

signals:
    // The last window of the document has closed; the document goes with it.
    void documentClosing(CQVDoc* document);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CQVView* view_;
};

}  // namespace vantorel
