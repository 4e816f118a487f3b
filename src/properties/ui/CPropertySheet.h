#pragma once

#include <QIcon>
#include <QTabWidget>
#include <functional>
#include <vector>

namespace vantorel {

class CEditPage;

// A set of pages as tabs. Every operation on all pages goes in tab order.
// When the active tab changes, the old page may keep it (a refused value).
//
// A page may also be added as a way to build it: it is then built the first
// time its tab is shown (or BuildPage asks for it), and only the page in
// front is loaded and applied. A page behind its tab may be out of date and
// holds no edits (the page in front applies before any other comes
// forward), so it is reloaded each time it comes to the front.
class CPropertySheet : public QTabWidget {
    Q_OBJECT
public:
    using MakePage = std::function<CEditPage*(QWidget* parent)>;

    explicit CPropertySheet(QWidget* parent = nullptr);

    void AddPage(CEditPage* page, const QIcon& icon = {});
    void AddPageBuiltWhenShown(const QString& title, MakePage make, const QIcon& icon = {});
    // The page of a tab; null for one not built yet.
    CEditPage* Page(int index) const;
    // The page of a tab, built if it was not yet.
    CEditPage* BuildPage(int index);
    int PageCount() const { return int(pages_.size()); }
    CEditPage* ActivePage() const;
    QString PageTitle(int index) const;

    // Every page loads; every page writes back (false when one refused).
    // With pages built when shown, only the page in front does either.
    void UpdateAllPages();
    bool ApplyAllPages();

    // Makes the tab the active one, as a click on it does.
    void SetActivePage(int index);

signals:
    // A page was built (when its tab was first shown).
    void pageBuilt(int index);

protected:
    // The active tab is about to change: false keeps it. By default the old
    // page applies (and the maps redraw).
    virtual bool TabLeaving(int index);
    // The tab became the active one; by default its page loads.
    virtual void TabEntered(int index);

private:
    void OnCurrentChanged(int index);
    // Pages built when shown: only the one in front is kept up to date.
    bool FrontOnly() const { return !makers_.empty(); }

    std::vector<CEditPage*> pages_;
    std::vector<MakePage> makers_;  // by tab; empty for a page added built
    std::vector<QString> titles_;
    int current_ = -1;
    bool switching_ = false;
};

}  // namespace vantorel
