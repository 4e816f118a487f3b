#pragma once

#include <QWizard>

#include "wizards/NewMissionWizardFlow.h"
#include "wizards/ui/CWizardPage.h"

namespace vantorel {

// The pages of the new mission wizard; each shows its question and reports
// the radio button chosen.
class CWizardNewLevelPage1 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewLevelPage1(QWidget* parent = nullptr);
};
class CWizardNewLevelPage2 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewLevelPage2(QWidget* parent = nullptr);
};
class CWizardNewLevelPage3 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewLevelPage3(QWidget* parent = nullptr);
};
class CWizardNewLevelPage4 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewLevelPage4(QWidget* parent = nullptr);
};
class CWizardNewLevelPage5 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewLevelPage5(QWidget* parent = nullptr);
};
class CWizardNewLevelPage9 : public CWizardFinishedPage {
    Q_OBJECT
public:
    explicit CWizardNewLevelPage9(QWidget* parent = nullptr);
};

// The new mission wizard: asks what kind of mission to build on the pages
// the flow leads to, Back as the flow allows. Accepted on Finish; the caller
// then builds Choices() into a new document.
class CWizardNewLevel : public QWizard {
    Q_OBJECT
public:
    explicit CWizardNewLevel(Prompter& prompter, QWidget* parent = nullptr);

    const NewMissionChoices& Choices() const { return flow_.Choices(); }
    const NewMissionWizardFlow& Flow() const { return flow_; }

    // The pages are numbered as the flow numbers them.
    bool validateCurrentPage() override;
    int nextId() const override;
    void cleanupPage(int id) override;

private:
    NewMissionWizardFlow flow_;
};

}  // namespace vantorel
