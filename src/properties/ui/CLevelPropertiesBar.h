#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include "document/PropertyBarHooks.h"

namespace vantorel {

class CQVDoc;

// The docked bar on the right of the main window: the hub of every property
// window. It knows the current document, and every edit ends with its
// RefreshAll and UpdateViews; anything that reads the whole mission first
// calls ApplyAll. While no document is current it says so.
class CLevelPropertiesBar : public QWidget, public PropertyBarHooks {
    Q_OBJECT
public:
    explicit CLevelPropertiesBar(QWidget* parent = nullptr);
    ~CLevelPropertiesBar() override;

    CQVDoc* CurrentDocument() const { return document_; }
    // Makes the document current; nothing happens when it already is. None
    // hides the sheet and every property window.
    void SetCurrentDocument(CQVDoc* document);

    void ApplyAll() override;
    void RefreshAll() override;
    void UpdateViews() override;

    // Opens the flight group property window on the selection. The window
    // itself arrives with the flight group pages; until then there is
    // nothing to show.
    void ShowFlightGroupProperties();

    // The sheet's place inside the bar (shown while a document is current).
    QWidget* SheetArea() const { return sheet_; }
    bool ShowsNoLevelText() const;

signals:
    void currentDocumentChanged(CQVDoc* document);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    QPointer<CQVDoc> document_;
    QLabel* noLevelText_;
    QLabel* noLevelIcon_;
    QWidget* sheet_;
};

// The one bar of the program, reached by the views, the documents and the
// property windows; null before the main frame exists.
CLevelPropertiesBar* LevelPropertiesBar();
void SetLevelPropertiesBar(CLevelPropertiesBar* bar);

}  // namespace vantorel
