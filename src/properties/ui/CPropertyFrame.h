#pragma once

#include <QWidget>

namespace vantorel {

class CPropertySheet;
class PropertyBarHooks;

// The floating window of the team or message sheet. Closing it keeps the
// edits: every page applies, everything reloads and the window hides (it is
// kept for the next time). When it loses activation every open property
// window applies and reloads, and the maps redraw.
class CPropertyFrame : public QWidget {
    Q_OBJECT
public:
    CPropertySheet& Sheet() { return *sheet_; }
    void UpdateAllPages();
    bool ApplyAllPages();

protected:
    CPropertyFrame(PropertyBarHooks& bar, QWidget* owner, const QString& title);
    // Puts the sheet (made by the window of that kind) in the frame.
    void SetSheet(CPropertySheet* sheet);

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    PropertyBarHooks& bar_;
    CPropertySheet* sheet_ = nullptr;
};

}  // namespace vantorel
