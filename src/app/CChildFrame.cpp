#include "app/CChildFrame.h"

#include <QCloseEvent>

#include "app/AppPictures.h"
#include "map/ui/CQVView.h"
#include "ui/CQVDoc.h"

namespace vantorel {

CChildFrame::CChildFrame(CQVView* view, QWidget* parent) : QMdiSubWindow(parent), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowIcon(AppIcon());
    if (CQVDoc* doc = Document())
        connect(doc, &CQVDoc::titleChanged, this, &CChildFrame::UpdateTitle);
}

CQVDoc* CChildFrame::Document() const {
    return view_ ? view_->Document() : nullptr;
}

void CChildFrame::UpdateTitle() {
    CQVDoc* doc = Document();
    if (!doc) return;
    // Qt shows the "*" in place of "[*]" while the window is modified. Both
    // are set only on a change, since each setting retitles the main window.
    const QString title = doc->Title() + QStringLiteral("[*]");
    if (windowTitle() != title) setWindowTitle(title);
    if (isWindowModified() != doc->IsModified()) setWindowModified(doc->IsModified());
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    CQVDoc* doc = Document();
    if (doc && doc->Views().size() == 1) {
        // Closing the last window closes the document: ask about changes.
        if (!doc->SaveModified()) {
            event->ignore();
            return;
        }
        doc->RemoveView(view_);
        emit documentClosing(doc);
    } else if (doc) {
        // Gone from the document at once, not when the window is deleted
        // later, so closing the other window counts it as the last one.
        doc->RemoveView(view_);
    }
    event->accept();
    QMdiSubWindow::closeEvent(event);
}

}  // namespace vantorel
