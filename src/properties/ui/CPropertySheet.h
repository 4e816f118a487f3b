#pragma once

#include <QIcon>
#include <QTabWidget>
#include <vector>

namespace vantorel {

class CEditPage;

// A set of pages as tabs. Every operation on all pages goes in tab order.
// When the active tab changes, the old page may keep it (a refused value).
class CPropertySheet : public QTabWidget {
    Q_OBJECT
public:
    explicit CPropertySheet(QWidget* parent = nullptr);

    void AddPage(CEditPage* page, const QIcon& icon = {});
    CEditPage* Page(int index) const;
    int PageCount() const { return int(pages_.size()); }
    CEditPage* ActivePage() const;

    // Every page loads; every page writes back (false when one refused).
    void UpdateAllPages();
    bool ApplyAllPages();

    // Makes the tab the active one, as a click on it does.
    void SetActivePage(int index);

protected:
    // The active tab is about to change: false keeps it. By default the old
    // page applies (and the maps redraw).
    virtual bool TabLeaving(int index);
    // The tab became the active one; by default its page loads.
    virtual void TabEntered(int index);

private:
    void OnCurrentChanged(int index);

    std::vector<CEditPage*> pages_;
    int current_ = -1;
    bool switching_ = false;
};

}  // namespace vantorel
