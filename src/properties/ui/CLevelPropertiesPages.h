#pragma once

#include <functional>

#include "properties/ui/CEditPage.h"

namespace vantorel {

class CListFindBox;

// A page of the level sheet. Unlike a flight group page it does not apply
// when it stops being the active tab: the sheet applies every window before
// its tab changes, and loads the page that comes forward.
class CLevelPropertiesPage : public CEditPage {
    Q_OBJECT
public:
    using CEditPage::CEditPage;
    void OnSetActive() override;
    bool OnKillActive() override { return true; }

    // The Find box over the page's list; none on pages without a list.
    CListFindBox* FindBox() const { return findBox_; }

protected:
    // Puts a Find box at the top of the page for the list `id`.
    void AddFindBox(int id, std::function<QString(int row)> rowText, const QString& placeholder);

private:
    CListFindBox* findBox_ = nullptr;
};

// The flight groups, each in its side's colour, with the player who flies it.
class CLevelPropertiesPageFG : public CLevelPropertiesPage {
    Q_OBJECT
public:
    explicit CLevelPropertiesPageFG(PageHost& host, QWidget* parent = nullptr);

protected:
    void Decorate() override;
};

class CLevelPropertiesPageTeams : public CLevelPropertiesPage {
    Q_OBJECT
public:
    explicit CLevelPropertiesPageTeams(PageHost& host, QWidget* parent = nullptr);
};

// The radio messages, each in its colour, marked when it has a sound.
class CLevelPropertiesPageMsg : public CLevelPropertiesPage {
    Q_OBJECT
public:
    explicit CLevelPropertiesPageMsg(PageHost& host, QWidget* parent = nullptr);

protected:
    void Decorate() override;
};

class CLevelPropertiesPageDebriefing : public CLevelPropertiesPage {
    Q_OBJECT
public:
    explicit CLevelPropertiesPageDebriefing(PageHost& host, QWidget* parent = nullptr);
};

class CLevelPropertiesPageLevel : public CLevelPropertiesPage {
    Q_OBJECT
public:
    explicit CLevelPropertiesPageLevel(PageHost& host, QWidget* parent = nullptr);
};

}  // namespace vantorel
