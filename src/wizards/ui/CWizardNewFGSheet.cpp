#include "wizards/ui/CWizardNewFGSheet.h"

#include <QHBoxLayout>

#include "mission/Win1252.h"
#include "platform/Prompter.h"

namespace vantorel {

namespace {

WizardMotif MotifOf(int kind) {
    switch (kind) {
        case kFgWizardStation:
            return WizardMotif::Station;
        case kFgWizardAsteroids:
            return WizardMotif::Asteroids;
        case kFgWizardMinefield:
            return WizardMotif::Minefield;
        default:
            return WizardMotif::Fleet;
    }
}

QStringList TeamNames(const Mission& mission) {
    QStringList names;
    for (int team = 0; team < kTeamCount; ++team)
        names << QString::fromStdU16String(Win1252ToUtf16(mission.TeamDisplayName(team)));
    return names;
}

}  // namespace

CWizardNewFGPage1::CWizardNewFGPage1(QWidget* parent)
    : CWizardChoicePage(QStringLiteral("New Flightgroup Wizard"), WizardMotif::Fleet,
                        QStringLiteral("What sort of flight groups do you want to create?"),
                        {{QStringLiteral("&Fleet"), kFgWizardFleet},
                         {QStringLiteral("&Spacestation"), kFgWizardStation},
                         {QStringLiteral("&Asteroids"), kFgWizardAsteroids},
                         {QStringLiteral("&Minefield"), kFgWizardMinefield}},
                        kFgWizardFleet, parent) {
    // The picture shows what is about to be made.
    connect(Choices(), &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) SetMotif(MotifOf(id));
    });
}

CWizardNewFGPage2::CWizardNewFGPage2(const QStringList& teamNames, QWidget* parent)
    : CWizardPage(QStringLiteral("Set Team"), WizardMotif::Fleet, parent) {
    AddText(QStringLiteral("Which team will this belong to?"));
    teams_ = new QListWidget(this);
    teams_->addItems(teamNames);
    teams_->setCurrentRow(0);
    AddControl(teams_);
    Column()->addSpacing(6);
    iffQuestion_ << AddText(QStringLiteral("Which IFF style should this be?"));
    iff_ = AddChoices({{QStringLiteral("Rebel"), kIffStyleRebel},
                       {QStringLiteral("Imperial"), kIffStyleImperial},
                       {QStringLiteral("Neutral/Pirate"), kIffStylePirate}},
                      kIffStyleRebel);
    for (QAbstractButton* b : iff_->buttons()) iffQuestion_ << b;
    iffQuestion_ << AddText(QStringLiteral("(This will determine the type of ships created.)"));
    Column()->addStretch(1);
}

void CWizardNewFGPage2::AskIff(bool ask) {
    for (QWidget* w : iffQuestion_) w->setVisible(ask);
}

CWizardNewFGPage3::CWizardNewFGPage3(QWidget* parent)
    : CWizardChoicePage(QStringLiteral("Create Fleet"), WizardMotif::Fleet,
                        QStringLiteral("How large to you want this fleet to be?"),
                        {{QStringLiteral("&Very small"), 0},
                         {QStringLiteral("&Small"), 1},
                         {QStringLiteral("&Medium"), 2},
                         {QStringLiteral("&Large"), 3},
                         {QStringLiteral("V&ery Large"), 4}},
                        0, parent) {
    // Under the choices, above the stretch the choice page ends with.
    description_ = new QLabel(this);
    description_->setWordWrap(true);
    description_->setTextFormat(Qt::PlainText);
    description_->setMinimumHeight(description_->fontMetrics().lineSpacing() * 3);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Column()->insertSpacing(Column()->count() - 1, 8);
    Column()->insertWidget(Column()->count() - 1, description_);
    auto describe = [this](int size) {
        description_->setText(QString::fromStdString(FleetSizeDescription(size)));
    };
    connect(Choices(), &QButtonGroup::idToggled, this, [describe](int id, bool checked) {
        if (checked) describe(id);
    });
    describe(Value());
}

CWizardNewFGPage4::CWizardNewFGPage4(QWidget* parent)
    : CWizardChoicePage(QStringLiteral("Create Space Station"), WizardMotif::Station,
                        QStringLiteral("What type of space station do you want?"),
                        {{QStringLiteral("&Normal"), 0}, {QStringLiteral("&Cargo station"), 1}}, 0,
                        parent) {
    shuttle_ = new QCheckBox(QStringLiteral("&Include an escape shuttle"), this);
    Column()->insertSpacing(Column()->count() - 1, 8);
    Column()->insertWidget(Column()->count() - 1, shuttle_);
}

CWizardNewFGPage5::CWizardNewFGPage5(QWidget* parent)
    : CWizardPage(QStringLiteral("Field Size"), WizardMotif::Asteroids, parent) {
    AddText(QStringLiteral("What size would you like this to be?"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("small"), this));
    size_ = new QSlider(Qt::Horizontal, this);
    size_->setRange(0, 10);
    size_->setPageStep(1);
    size_->setTickPosition(QSlider::TicksBelow);
    size_->setValue(0);
    row->addWidget(size_, 1);
    row->addWidget(new QLabel(QStringLiteral("large"), this));
    Column()->addLayout(row);
    Column()->addStretch(1);
}

CWizardNewFGPage6::CWizardNewFGPage6(QWidget* parent)
    : CWizardChoicePage(QStringLiteral("Create Minefield"), WizardMotif::Minefield,
                        QStringLiteral("What type of minefield do you want?"),
                        {{QStringLiteral("&Laser"), 0},
                         {QStringLiteral("&Ion"), 1},
                         {QStringLiteral("&Warhead"), 2},
                         {QStringLiteral("Asteroid Laser &Battery"), 3},
                         {QStringLiteral("&Asteroid Warhead Launcher"), 4},
                         {QStringLiteral("&Gun Emplacement"), 5}},
                        0, parent) {}

CWizardNewFGPage9::CWizardNewFGPage9(QWidget* parent)
    : CWizardFinishedPage(QStringLiteral("Flight Group Creation Complete"), WizardMotif::Fleet,
                          QStringLiteral("Flightgroup creation completed"),
                          QStringLiteral("The new flightgroup will be created at the center of "
                                         "the map. It will be selected so you can move it "
                                         "elsewhere if you wish."),
                          parent) {}

CWizardNewFGSheet::CWizardNewFGSheet(const Mission& mission, Prompter& prompter, QWidget* parent)
    : QWizard(parent), flow_(mission, prompter) {
    setObjectName(QStringLiteral("CWizardNewFGSheet"));
    setWindowTitle(QString::fromLatin1(kPromptCaption));
    setWizardStyle(QWizard::ClassicStyle);
    setButtonLayout({QWizard::Stretch, QWizard::BackButton, QWizard::NextButton,
                     QWizard::FinishButton, QWizard::CancelButton});
    setPage(kNewFgKindPage, new CWizardNewFGPage1);
    setPage(kNewFgTeamPage, new CWizardNewFGPage2(TeamNames(mission)));
    setPage(kNewFgFleetPage, new CWizardNewFGPage3);
    setPage(kNewFgStationPage, new CWizardNewFGPage4);
    setPage(kNewFgFieldSizePage, new CWizardNewFGPage5);
    setPage(kNewFgMinefieldPage, new CWizardNewFGPage6);
    setPage(kNewFgFinishedPage, new CWizardNewFGPage9);
    setStartId(kNewFgKindPage);
}

bool CWizardNewFGSheet::validateCurrentPage() {
    const int id = currentId();
    switch (id) {
        case kNewFgKindPage:
            flow_.ChooseKind(static_cast<CWizardNewFGPage1*>(currentPage())->Value());
            break;
        case kNewFgTeamPage: {
            auto* page = static_cast<CWizardNewFGPage2*>(currentPage());
            flow_.ChooseTeam(page->Team(), page->IffStyle());
            break;
        }
        case kNewFgFleetPage:
            flow_.ChooseFleetSize(static_cast<CWizardNewFGPage3*>(currentPage())->Value());
            break;
        case kNewFgStationPage: {
            auto* page = static_cast<CWizardNewFGPage4*>(currentPage());
            flow_.ChooseStation(page->Value(), page->EscapeShuttle());
            break;
        }
        case kNewFgFieldSizePage:
            flow_.ChooseFieldSize(static_cast<CWizardNewFGPage5*>(currentPage())->Value());
            break;
        case kNewFgMinefieldPage:
            flow_.ChooseMineType(static_cast<CWizardNewFGPage6*>(currentPage())->Value());
            break;
        default:
            return flow_.CanFinish();
    }
    // The flow keeps the page when the user cancelled a question.
    return flow_.Page() != id;
}

int CWizardNewFGSheet::nextId() const {
    // Before the page is left the flow has not chosen yet; any later page
    // tells the wizard to offer Next rather than Finish.
    if (flow_.CanFinish() && currentId() == kNewFgFinishedPage) return -1;
    return flow_.Page() != currentId() ? flow_.Page() : kNewFgFinishedPage;
}

void CWizardNewFGSheet::initializePage(int id) {
    // After the first page every picture shows the kind chosen there.
    if (id != kNewFgKindPage)
        static_cast<CWizardPage*>(page(id))->SetMotif(MotifOf(flow_.Choices().Kind));
    if (id == kNewFgTeamPage)
        static_cast<CWizardNewFGPage2*>(page(id))->AskIff(flow_.Choices().Kind !=
                                                          kFgWizardMinefield);
    QWizard::initializePage(id);
}

}  // namespace vantorel
