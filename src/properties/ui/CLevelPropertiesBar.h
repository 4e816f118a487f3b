#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include "properties/ui/PageHost.h"
#include "ui/AppServices.h"
#include "ui/DocumentHub.h"

namespace vantorel {

class CFGPropertiesFrame;
class CLevelPropertiesSheet;
class CMessagePropertiesFrame;
class CQVDoc;
class CTeamPropertiesFrame;

// The docked bar on the right of the main window: the hub of every property
// window. It knows the current document, shows the level sheet for it and
// owns the floating property windows. Every edit ends with its RefreshAll
// and UpdateViews; anything that reads the whole mission first calls
// ApplyAll. While no document is current it says so.
class CLevelPropertiesBar : public QWidget, public DocumentHub, public PageHost {
    Q_OBJECT
public:
    explicit CLevelPropertiesBar(AppServices& services, QWidget* parent = nullptr);
    ~CLevelPropertiesBar() override;

    CQVDoc* CurrentDocument() const override;
    // Makes the document current; nothing happens when it already is. None
    // hides the sheet and every property window.
    void SetCurrentDocument(CQVDoc* document) override;

    void ApplyAll() override;
    void RefreshAll() override;
    void UpdateViews() override;
    void ShowFlightGroupProperties() override;
    void RefreshFlightGroupProperties() override;
    void ShowTeamProperties() override;
    void RefreshTeamProperties() override;
    void ShowMessageProperties() override;
    void RefreshMessageProperties() override;
    void MoveViewsToSelection() override;

    std::optional<PageContext> Context() override;

    // The current document's current team (one the Teams tab lists) and
    // message, whether or not their tabs were ever shown; -1 for none.
    int CurrentTeam() const;
    int CurrentMessage() const;
    // Applies every window, makes the message at the position the current
    // one and opens it in the message window.
    void SelectMessage(int position);
    // The same without opening the window (an open one shows the message).
    void SetCurrentMessage(int position);
    // The Messages tab is in front and the keyboard is in it: Copy and Cut
    // then take the current message rather than the selected flight groups.
    bool MessagesTabHasFocus() const;
    // The same for a team of the Teams tab, which comes to the front.
    void SelectTeam(int team);
    // Makes a tab of the level sheet the active one, as a click on it does.
    void SwitchToTab(int tab);
    // Edit > Find: the keyboard goes to the Find box of the Messages tab
    // when that is in front, else of the Flight Group tab.
    void FocusFind();
    // Brings the window that edits the things of a tab to the front.
    void RaiseWindowOf(int tab);
    void HideFlightGroupProperties();
    // The edit the first page with unapplied changes will make when the
    // windows apply ("Ship Properties"); empty when none has any.
    std::string PendingEditName() const;

    CLevelPropertiesSheet& Sheet() const { return *sheet_; }
    // The flight group window; null until it was first shown.
    CFGPropertiesFrame* FlightGroupFrame() const;
    CTeamPropertiesFrame* TeamFrame() const;
    CMessagePropertiesFrame* MessageFrame() const;
    bool ShowsNoLevelText() const;
    // Wide enough for every tab of the sheet to show its name.
    QSize sizeHint() const override;

signals:
    void currentDocumentChanged(CQVDoc* document);
    // The current team or message changed (commands follow them).
    void currentItemChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();
    bool FlightGroupFrameShown() const;
    bool TeamFrameShown() const;
    bool MessageFrameShown() const;
    // Centred on the main window the first time; where the user puts it
    // afterwards.
    void PlaceFirstTime(QWidget* frame);
    // Reloads the page of the tab when it is the one in front.
    void ReloadTab(int tab);

    AppServices& services_;
    QPointer<CQVDoc> document_;
    QLabel* noLevelText_;
    QLabel* noLevelIcon_;
    CLevelPropertiesSheet* sheet_;
    // The windows belong to the main window, which may delete them before
    // this bar when it closes.
    QPointer<CFGPropertiesFrame> fgFrame_;
    QPointer<CTeamPropertiesFrame> teamFrame_;
    QPointer<CMessagePropertiesFrame> messageFrame_;
    int busy_ = 0;
};

}  // namespace vantorel
