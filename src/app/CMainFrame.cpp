#include "app/CMainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>

#include "app/AppPictures.h"
#include "app/AutoSaver.h"
#include "app/BriefingWindows.h"
#include "app/CChildFrame.h"
#include "app/CMapToolbar.h"
#include "app/CProblemsBar.h"
#include "app/CRecoveryDlg.h"
#include "app/CommandIcons.h"
#include "app/CommandTexts.h"
#include "app/DocumentClipboard.h"
#include "app/DocumentCommands.h"
#include "app/FlowWindows.h"
#include "app/HistoryController.h"
#include "app/ProblemsController.h"
#include "app/RecentFiles.h"
#include "app/UndoKeys.h"
#include "map/ui/CQVView.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

namespace vantorel {

CMainFrame::CMainFrame(AppServices& services, RecentFiles& recent, CommandTarget* app,
                       QWidget* parent)
    : QMainWindow(parent), services_(services), recent_(recent), app_(app) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QStringLiteral("Vantorel"));
    setWindowIcon(AppIcon());
    setAcceptDrops(true);

    mdi_ = new QMdiArea(this);
    mdi_->setBackground(QColor(128, 128, 128));
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    // Copies of unsaved missions live in the user's own data folder.
    autosave_ =
        new AutoSaver(services_.settings,
                      QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
                          QStringLiteral("/recovery"),
                      this);

    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    CreateLevelBar();
    problems_ = new ProblemsController(*this, services_);
    history_ = new HistoryController(*this);
    briefings_ = new BriefingWindows(*this);
    flows_ = new FlowWindows(*this);
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
    ShowMenuFor(false);

    // Logging out or shutting down does not close the windows first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &CMainFrame::OnCommitData,
            Qt::DirectConnection);

    // Ctrl+\ is taken by its character, whatever key makes it on the layout.
    qApp->installEventFilter(this);
    new UndoKeys(*this);

    // Enabled states and check marks follow what changed: the documents,
    // the active window, the bar's choices and the bars shown; a menu is
    // brought up to date again as it opens.
    connect(levelBar_, &CLevelPropertiesBar::currentItemChanged, this,
            &CMainFrame::UpdateCommandUI);
    connect(levelBar_, &CLevelPropertiesBar::currentDocumentChanged, this,
            &CMainFrame::UpdateCommandUI);
    connect(levelDock_, &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    connect(problems_->Dock(), &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    connect(history_->Dock(), &QDockWidget::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    for (QToolBar* bar :
         {standardBar_, flightGroupBar_, messageBar_, static_cast<QToolBar*>(mapBar_)})
        connect(bar, &QToolBar::visibilityChanged, this, &CMainFrame::UpdateCommandUI);
    for (QMenu* menu : findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    // Paste follows the clipboard; Copy follows the keyboard between the
    // map and the Messages tab.
    connect(&ClipboardWatch::Instance(), &ClipboardWatch::changed, this,
            &CMainFrame::UpdateCommandUI);
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::UpdateCommandUI);
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    ClipboardWatch::Instance().disconnect(this);
    // The windows go after this frame's own part is gone: nothing of theirs
    // may call back into it.
    mdi_->disconnect(this);
    levelBar_->disconnect(this);
    levelDock_->disconnect(this);
    problems_->Dock()->disconnect(this);
    problems_->Bar()->disconnect(this);
    history_->Dock()->disconnect(this);
    for (CChildFrame* w : mdi_->findChildren<CChildFrame*>()) w->disconnect(this);
    for (CQVDoc* doc : documents_) doc->disconnect(this);
    for (QToolBar* bar : findChildren<QToolBar*>()) bar->disconnect(this);
}

void CMainFrame::UpdateTitle() {
    CQVDoc* doc = ActiveDocument();
    // A maximised window adds " - [its title]" to this title by itself.
    const QMdiSubWindow* active = mdi_->activeSubWindow();
    if (!active) active = mdi_->currentSubWindow();  // as ActiveView() picks it
    QString title = QStringLiteral("Vantorel");
    if (doc && !(active && active->isMaximized()))
        title += QStringLiteral(" - ") + doc->Title() + QStringLiteral("[*]");
    // Set only on a change: every setting reaches the window system, and the
    // maximised window then appends its part again.
    if (title != baseTitle_) {
        baseTitle_ = title;
        setWindowTitle(title);
    }
    const bool modified = doc && doc->IsModified();
    if (isWindowModified() != modified) setWindowModified(modified);
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(w)) child->UpdateTitle();
}

CChildFrame* CMainFrame::CreateChildFrame(CQVDoc* doc) {
    auto* view = new CQVView(doc, services_);
    auto* child = new CChildFrame(view);
    view->addAction(Action(kCmdZoomToFit));
    mdi_->addSubWindow(child);
    // Titled once it is in the area: each layout step of the adding elides
    // the title afresh.
    child->UpdateTitle();
    connect(view, &CQVView::statusMessage, pane0_, &QLabel::setText);
    connect(view, &CQVView::statusCoordinates, pane1_, &QLabel::setText);
    connect(view, &CQVView::zoomSliderChanged, mapBar_, &CMapToolbar::SetSlider);
    connect(child, &CChildFrame::documentClosing, this, [this](CQVDoc* d) {
        // The last document going away leaves the bar with nothing.
        std::erase(documents_, d);
        autosave_->Untrack(d);
        problems_->Forget(d);
        history_->Forget(d);
        briefings_->Forget(d);
        flows_->Forget(d);
        if (documents_.empty()) {
            levelBar_->SetCurrentDocument(nullptr);
            ShowMenuFor(false);
            pane1_->setText(QStringLiteral(" "));  // no map to point at
        }
        d->deleteLater();
    });
    connect(child, &QObject::destroyed, this, [this, view] {
        if (lastActiveView_ == view) lastActiveView_ = nullptr;
        UpdateCommandUI();
    });
    child->showMaximized();
    mdi_->setActiveSubWindow(child);
    view->setFocus();
    return child;
}

CQVDoc* CMainFrame::MakeDocument() {
    auto* doc = new CQVDoc(services_, levelBar_, this);
    for (auto signal : {&CQVDoc::changed, &CQVDoc::selectionChanged, &CQVDoc::titleChanged})
        connect(doc, signal, this, &CMainFrame::UpdateCommandUI);
    autosave_->Track(doc);
    // An open Problems window follows the mission it lists.
    connect(doc, &CQVDoc::changed, this, [this, doc] {
        if (problems_->Bar()->Document() == doc) problems_->Refresh(doc);
    });
    connect(doc, &CQVDoc::checkRequested, this, [this, doc] { problems_->RunCheck(doc); });
    connect(doc, &CQVDoc::notice, this, [this](const QString& text) {
        // Told without stopping the work: a box that stays until it is closed.
        auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Quarrow"), text,
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    });
    // Every file a document reads or writes goes to the top of the list.
    connect(doc, &CQVDoc::fileUsed, this, [this](const QString& p) {
        recent_.Add(QDir::toNativeSeparators(p).toStdString());
        RefreshRecentFiles();
    });
    return doc;
}

CQVDoc* CMainFrame::NewDocument() {
    CQVDoc* doc = MakeDocument();
    doc->OnNewDocument();
    documents_.push_back(doc);
    ShowMenuFor(true);
    CreateChildFrame(doc);
    return doc;
}

CQVDoc* CMainFrame::NewBuiltDocument(const std::function<void(LevelDocument&)>& build,
                                     const QString& title) {
    CQVDoc* doc = MakeDocument();
    build(doc->Level());
    doc->SetTitle(title);
    documents_.push_back(doc);
    ShowMenuFor(true);
    CreateChildFrame(doc);
    return doc;
}

CQVDoc* CMainFrame::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // One file is one document, whichever link or spelling led to it:
    // two documents of one file would overwrite each other's saves.
    // Windows names a file in any letter case.
#ifdef Q_OS_WIN
    constexpr Qt::CaseSensitivity kCase = Qt::CaseInsensitive;
#else
    constexpr Qt::CaseSensitivity kCase = Qt::CaseSensitive;
#endif
    auto sameFile = [](const QString& a, const QString& b) {
        const QString ca = QFileInfo(a).canonicalFilePath();
        const QString cb = QFileInfo(b).canonicalFilePath();
        if (!ca.isEmpty() && !cb.isEmpty()) return ca.compare(cb, kCase) == 0;
        return QFileInfo(a).absoluteFilePath().compare(QFileInfo(b).absoluteFilePath(), kCase) == 0;
    };
    for (CQVDoc* doc : documents_) {
        if (!doc->PathName().isEmpty() && sameFile(doc->PathName(), absolute)) {
            for (QMdiSubWindow* w : mdi_->subWindowList())
                if (auto* c = qobject_cast<CChildFrame*>(w); c && c->Document() == doc)
                    mdi_->setActiveSubWindow(c);
            return doc;
        }
    }
    CQVDoc* doc = MakeDocument();
    if (!doc->OnOpenDocument(absolute)) {
        delete doc;
        return nullptr;
    }
    documents_.push_back(doc);
    ShowMenuFor(true);
    CreateChildFrame(doc);
    return doc;
}

void CMainFrame::OfferRecovery() {
    const std::vector<RecoveryEntry> orphans = autosave_->Orphans();
    if (orphans.empty()) return;
    CRecoveryDlg dlg(orphans, this);
    const int choice = dlg.exec();
    if (choice == CRecoveryDlg::kRestore) {
        for (const RecoveryEntry& e : dlg.Checked()) RestoreRecovery(e);
    } else if (choice == CRecoveryDlg::kDiscard) {
        for (const RecoveryEntry& e : dlg.Checked()) RecoveryFolder::Discard(e);
    }
}

CQVDoc* CMainFrame::RestoreRecovery(const RecoveryEntry& entry) {
    Mission mission;
    std::string error;
    if (!RecoveryFolder::Load(entry, mission, error)) {
        services_.prompter.Error("The copy of " + entry.title + " could not be read: " + error);
        return nullptr;
    }
    CQVDoc* doc = MakeDocument();
    doc->OnRestoreDocument(std::move(mission), QString::fromStdString(entry.originalPath));
    documents_.push_back(doc);
    ShowMenuFor(true);
    CreateChildFrame(doc);
    // This run keeps a copy of its own before the old one goes, so a second
    // crash loses nothing either.
    autosave_->SaveNow();
    RecoveryFolder::Discard(entry);
    return doc;
}

bool CMainFrame::SaveAllModified() {
    for (CQVDoc* doc : documents_)
        if (!doc->SaveModified()) return false;
    return true;
}

void CMainFrame::CloseDocument(CQVDoc* doc) {
    if (!doc->SaveModified()) return;
    // Changes were dealt with: close every window of the document without
    // asking again.
    doc->SetModifiedFlag(false);
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* c = qobject_cast<CChildFrame*>(w); c && c->Document() == doc) c->close();
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
    auto* child = qobject_cast<CChildFrame*>(window);
    CQVView* view = child ? child->View() : nullptr;
    if (view == lastActiveView_) return;
    if (lastActiveView_) lastActiveView_->OnActivateView(false);
    lastActiveView_ = view;
    if (view) {
        view->OnActivateView(true);
        // Every map keeps the step it was given; the list shows this one's.
        mapBar_->SetSnap(view->State().SnapIndex);
        problems_->Refresh(view->Document());
    }
    history_->Follow(view ? view->Document() : nullptr);
    UpdateCommandUI();
}

bool CMainFrame::QueryEndSession() {
    SaveBarState();
    return SaveAllModified();
}

void CMainFrame::OnCommitData(QSessionManager& manager) {
    // Without leave to ask, nothing can be saved or kept: the session ends.
    if (!manager.allowsInteraction()) return;
    const bool mayEnd = QueryEndSession();
    manager.release();
    if (!mayEnd) manager.cancel();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The layout is stored before anything is asked, so it is kept even
    // when the user then stays.
    SaveBarState();
    if (!SaveAllModified()) {
        event->ignore();
        return;
    }
    // Nothing is asked twice while the windows go.
    for (CQVDoc* doc : documents_) doc->SetModifiedFlag(false);
    mdi_->closeAllSubWindows();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) OpenDocumentFile(url.toLocalFile());
    event->acceptProposedAction();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    // A toolbar button's tooltip names what Undo would take back now.
    if (event->type() == QEvent::ToolTip && qobject_cast<QToolButton*>(watched)) UpdateCommandUI();
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool ctrlBackslash =
            key->text() == QStringLiteral("\x1c") ||
            (key->key() == Qt::Key_Backslash && key->modifiers() == Qt::ControlModifier);
        if (ctrlBackslash) {
            UpdateCommandUI();
            if (Action(kCmdViewSelection)->isEnabled()) RunCommand(kCmdViewSelection);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

CProblemsBar* CMainFrame::ProblemsBar() const {
    return problems_->Bar();
}

QDockWidget* CMainFrame::ProblemsDock() const {
    return problems_->Dock();
}

}  // namespace vantorel
