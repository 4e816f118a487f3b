#pragma once

#include "properties/ui/CEditPage.h"

namespace vantorel {

// A page of the message sheet. Leaving its tab writes every open window
// back, then everything reloads (the Messages tab shows the new text).
class CMessagePropertiesPage : public CEditPage {
    Q_OBJECT
public:
    using CEditPage::CEditPage;
    bool OnKillActive() override;
};

class CMessagePropertiesPageGeneral : public CMessagePropertiesPage {
    Q_OBJECT
public:
    CMessagePropertiesPageGeneral(std::unique_ptr<PageModel> model, PageHost& host,
                                  QWidget* parent = nullptr);
    static void Layout(CControlPanel& panel);
};

// The four triggers, each opening the Condition dialog.
class CMessagePropertiesPageCondition : public CMessagePropertiesPage {
    Q_OBJECT
public:
    CMessagePropertiesPageCondition(std::unique_ptr<PageModel> model, PageHost& host,
                                    QWidget* parent = nullptr);
    static void Layout(CControlPanel& panel);

protected:
    void OnButton(int id) override;
};

class CMessagePropertiesPageWave : public CMessagePropertiesPage {
    Q_OBJECT
public:
    CMessagePropertiesPageWave(std::unique_ptr<PageModel> model, PageHost& host,
                               QWidget* parent = nullptr);
    static void Layout(CControlPanel& panel);
};

}  // namespace vantorel
