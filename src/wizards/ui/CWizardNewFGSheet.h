#pragma once

#include <QCheckBox>
#include <QListWidget>
#include <QSlider>
#include <QWizard>

#include "wizards/NewFlightGroupWizardFlow.h"
#include "wizards/ui/CWizardPage.h"

namespace vantorel {

// The pages of the new flight group wizard.
class CWizardNewFGPage1 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewFGPage1(QWidget* parent = nullptr);
};

// The team from the mission's ten team names, and the style of the ships.
class CWizardNewFGPage2 : public CWizardPage {
    Q_OBJECT
public:
    explicit CWizardNewFGPage2(const QStringList& teamNames, QWidget* parent = nullptr);
    int Team() const { return teams_->currentRow(); }
    int IffStyle() const { return iff_->checkedId(); }
    QListWidget* Teams() const { return teams_; }
    QButtonGroup* Iff() const { return iff_; }
    // The IFF question picks the craft of a fleet; a minefield's are always
    // of one kind, so it is not asked for one.
    void AskIff(bool ask);

private:
    QListWidget* teams_;
    QButtonGroup* iff_;
    QList<QWidget*> iffQuestion_;
};

// The fleet's size, with a line saying what that size makes.
class CWizardNewFGPage3 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewFGPage3(QWidget* parent = nullptr);
    QLabel* Description() const { return description_; }

private:
    QLabel* description_;
};

class CWizardNewFGPage4 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewFGPage4(QWidget* parent = nullptr);
    bool EscapeShuttle() const { return shuttle_->isChecked(); }
    QCheckBox* Shuttle() const { return shuttle_; }

private:
    QCheckBox* shuttle_;
};

// How many flight groups an asteroid field or a minefield gets, 0 to 10.
class CWizardNewFGPage5 : public CWizardPage {
    Q_OBJECT
public:
    explicit CWizardNewFGPage5(QWidget* parent = nullptr);
    int Value() const { return size_->value(); }
    QSlider* Slider() const { return size_; }

private:
    QSlider* size_;
};

class CWizardNewFGPage6 : public CWizardChoicePage {
    Q_OBJECT
public:
    explicit CWizardNewFGPage6(QWidget* parent = nullptr);
};

class CWizardNewFGPage9 : public CWizardFinishedPage {
    Q_OBJECT
public:
    explicit CWizardNewFGPage9(QWidget* parent = nullptr);
};

// The new flight group wizard: asks what to add to the mission on the
// pages the flow leads to, and goes back the way it came. Accepted on
// Finish; the caller then builds Choices() into the mission.
class CWizardNewFGSheet : public QWizard {
    Q_OBJECT
public:
    CWizardNewFGSheet(const Mission& mission, Prompter& prompter, QWidget* parent = nullptr);

    const NewFlightGroupChoices& Choices() const { return flow_.Choices(); }
    const NewFlightGroupWizardFlow& Flow() const { return flow_; }

    bool validateCurrentPage() override;
    int nextId() const override;
    void initializePage(int id) override;

private:
    NewFlightGroupWizardFlow flow_;
};

}  // namespace vantorel
