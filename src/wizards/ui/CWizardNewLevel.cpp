#include "wizards/ui/CWizardNewLevel.h"

namespace vantorel {

namespace {
constexpr WizardMotif kMotif = WizardMotif::Mission;
}

CWizardNewLevelPage1::CWizardNewLevelPage1(QWidget* parent)
    : CWizardChoicePage(QStringLiteral("New Mission Wizard"), kMotif,
                        QStringLiteral("&What type of mission would you like to create?"),
                        {{QStringLiteral("&Melee"), kMissionMelee},
                         {QStringLiteral("&Combat Engagement"), kMissionCombat},
                         {QStringLiteral("&Training"), kMissionTraining}},
                        NewMissionWizardFlow::DefaultValue(kNewMissionTypePage), parent) {}

CWizardNewLevelPage2::CWizardNewLevelPage2(QWidget* parent)
    : CWizardChoicePage(
          QStringLiteral("New Training Mission"), kMotif,
          QStringLiteral("How many players will this training mission support?"),
          {{QStringLiteral("One"), 1}, {QStringLiteral("Two"), 2}, {QStringLiteral("Eight"), 8}},
          NewMissionWizardFlow::DefaultValue(kNewMissionTrainingPlayersPage), parent) {}

CWizardNewLevelPage3::CWizardNewLevelPage3(QWidget* parent)
    : CWizardChoicePage(QStringLiteral("Create Combat Engagement"), kMotif,
                        QStringLiteral("How many players will this combat engagement support?"),
                        {{QStringLiteral("One"), 1},
                         {QStringLiteral("Two"), 2},
                         {QStringLiteral("Four"), 4},
                         {QStringLiteral("Eight"), 8}},
                        NewMissionWizardFlow::DefaultValue(kNewMissionCombatPlayersPage), parent) {}

CWizardNewLevelPage4::CWizardNewLevelPage4(QWidget* parent)
    : CWizardChoicePage(QStringLiteral("Create Melee"), kMotif,
                        QStringLiteral("How many teams will feature in this melee?"),
                        {{QStringLiteral("&Two"), 2},
                         {QStringLiteral("&Four"), 4},
                         {QStringLiteral("&Eight"), 8}},
                        NewMissionWizardFlow::DefaultValue(kNewMissionMeleeTeamsPage), parent) {}

CWizardNewLevelPage5::CWizardNewLevelPage5(QWidget* parent)
    : CWizardChoicePage(QStringLiteral("Set Player IFF Code"), kMotif,
                        QStringLiteral("What IFF code will the players be in this mission?"),
                        {{QStringLiteral("&Rebel"), kPlayersRebel},
                         {QStringLiteral("&Imperial"), kPlayersImperial}},
                        NewMissionWizardFlow::DefaultValue(kNewMissionPlayerIffPage), parent) {}

CWizardNewLevelPage9::CWizardNewLevelPage9(QWidget* parent)
    : CWizardFinishedPage(
          QStringLiteral("Wizard Finished"), kMotif,
          QStringLiteral("The new mission wizard has completed."),
          QStringLiteral("The wizard will now create the level you have chosen. The player "
                         "flyable craft will be given appropriate orders and goals."),
          parent) {}

CWizardNewLevel::CWizardNewLevel(Prompter& prompter, QWidget* parent)
    : QWizard(parent), flow_(prompter) {
    setObjectName(QStringLiteral("CWizardNewLevel"));
    setWindowTitle(QStringLiteral("New Mission Wizard"));
    // The same look everywhere: the pages carry their own picture.
    setWizardStyle(QWizard::ClassicStyle);
    // Back is enabled wherever the flow has one: not on the first page, and
    // not once the wizard has finished asking.
    setOption(QWizard::DisabledBackButtonOnLastPage);
    setPage(kNewMissionTypePage, new CWizardNewLevelPage1);
    setPage(kNewMissionTrainingPlayersPage, new CWizardNewLevelPage2);
    setPage(kNewMissionCombatPlayersPage, new CWizardNewLevelPage3);
    setPage(kNewMissionMeleeTeamsPage, new CWizardNewLevelPage4);
    setPage(kNewMissionPlayerIffPage, new CWizardNewLevelPage5);
    setPage(kNewMissionFinishedPage, new CWizardNewLevelPage9);
    setStartId(kNewMissionTypePage);
}

bool CWizardNewLevel::validateCurrentPage() {
    const int id = currentId();
    auto* page = qobject_cast<CWizardChoicePage*>(currentPage());
    switch (id) {
        case kNewMissionTypePage:
            flow_.ChooseKind(page->Value());
            break;
        case kNewMissionTrainingPlayersPage:
            flow_.ChooseTrainingPlayers(page->Value());
            break;
        case kNewMissionCombatPlayersPage:
            flow_.ChooseCombatPlayers(page->Value());
            break;
        case kNewMissionMeleeTeamsPage:
            flow_.ChooseMeleeTeams(page->Value());
            break;
        case kNewMissionPlayerIffPage:
            flow_.ChoosePlayerIff(page->Value());
            break;
        default:
            return flow_.CanFinish();
    }
    return flow_.Page() != id;
}

int CWizardNewLevel::nextId() const {
    // Before the page is left the flow has not chosen yet; any later page
    // tells the wizard to offer Next rather than Finish.
    if (flow_.CanFinish() && currentId() == kNewMissionFinishedPage) return -1;
    return flow_.Page() != currentId() ? flow_.Page() : kNewMissionFinishedPage;
}

void CWizardNewLevel::cleanupPage(int id) {
    // Called as Back leaves the page: the flow goes back with it. Every page
    // is reached from one page only, so the page the wizard returns to is
    // the one the flow names.
    if (id == currentId() && id == flow_.Page()) flow_.Back();
    QWizard::cleanupPage(id);
}

}  // namespace vantorel
