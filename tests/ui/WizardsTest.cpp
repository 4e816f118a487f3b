// The two wizards in their windows: the pages follow the flows with Next
// and Back, Finish builds exactly what vantorel-cli builds for the same
// choices and seed, and a flight group wizard run is one undoable edit.
#include <QAbstractButton>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

#include "UiControls.h"
#include "UiFakes.h"
#include "app/CMainFrame.h"
#include "app/CQVApp.h"
#include "catalogue/TeamThemes.h"
#include "document/MissionWriter.h"
#include "properties/logic/LevelFlightGroupsPage.h"
#include "properties/logic/LevelSettingsPage.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "support/RunCli.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"
#include "wizards/ui/CWizardNewFGSheet.h"
#include "wizards/ui/CWizardNewLevel.h"

using namespace vantorel;
using namespace vantorel::testing;

namespace {

// What to choose on each page of the flight group wizard it comes to.
struct FgAnswers {
    int kind = 0, team = 0, iff = 0, size = 0, station = 0, mine = 0;
    bool shuttle = false;
};

std::vector<uint8_t> BytesOf(CQVDoc* doc) {
    return WriteMission(doc->GetMission());
}

}  // namespace

Q_DECLARE_METATYPE(FgAnswers)

class WizardsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> f;
    std::unique_ptr<CQVApp> app;
    std::unique_ptr<TempFolder> dir;
    CMainFrame* frame = nullptr;

    // The wizard the command opened: the one showing.
    template <class W>
    W* ShownWizard() {
        for (W* w : frame->findChildren<W*>())
            if (w->isVisible()) return w;
        return nullptr;
    }
    static void Click(QWizard* w, QWizard::WizardButton which) { w->button(which)->click(); }
    static bool Offers(QWizard* w, QWizard::WizardButton which) {
        return w->button(which)->isVisible() && w->button(which)->isEnabled();
    }
    QString Path(const char* name) const { return QString::fromStdString((*dir / name).string()); }

    // Runs vantorel-cli and returns the file it wrote.
    std::vector<uint8_t> CliBuilds(const std::string& args, const char* out) {
        const CliResult r = RunCli(args + " -o " + Quoted(*dir / out));
        if (r.status != 0) qWarning("vantorel-cli %s: %s", args.c_str(), r.err.c_str());
        return TempFolder::ReadBytes(*dir / out);
    }

    CQVDoc* OpenBase(const std::string& cliNew, const char* name) {
        if (CliBuilds("new " + cliNew, name).empty()) return nullptr;
        return frame->OpenDocumentFile(Path(name));
    }

private slots:
    void init() {
        f = std::make_unique<FakeServices>();
        f->settings.SetString("Paths", "XVT", "");  // configured: no folder browser
        f->settings.SetInt("Settings", "AutoSelZoom", 0);
        dir = std::make_unique<TempFolder>();
        app = std::make_unique<CQVApp>(f->services);
        QVERIFY(app->InitInstance({QStringLiteral("-nologo")}));
        frame = app->MainFrame();
        // New ships are named from the team themes beside vantorel-cli.
        LoadThemes(f->settings, f->prompter, std::filesystem::path(VANTOREL_CLI).parent_path());
    }
    void cleanup() {
        for (CQVDoc* doc : frame->Documents()) doc->SetModifiedFlag(false);
        frame->close();
        app.reset();
        dir.reset();
    }

    void theMissionWizardFollowsItsFlowBothWaysAndBuildsWhatTheToolBuilds() {
        // An Imperial training of 8: every kind of choice page on the way.
        const int pages[] = {kNewMissionTypePage, kNewMissionTrainingPlayersPage,
                             kNewMissionPlayerIffPage};
        const int values[] = {kMissionTraining, 8, kPlayersImperial};
        CQVDoc* before = frame->ActiveDocument();

        frame->RunCommand(kCmdNewMissionWizard);
        auto* w = ShownWizard<CWizardNewLevel>();
        QVERIFY(w && w->isModal());
        // The flow (tested on its own) chooses the pages; the buttons follow it.
        QVERIFY(!w->button(QWizard::BackButton)->isEnabled());
        for (size_t i = 0; i < std::size(pages); ++i) {
            QCOMPARE(w->currentId(), pages[i]);
            QVERIFY(Offers(w, QWizard::NextButton) && !Offers(w, QWizard::FinishButton));
            auto* page = qobject_cast<CWizardChoicePage*>(w->currentPage());
            QVERIFY(page);
            QAbstractButton* radio = page->Choices()->button(values[i]);
            QVERIFY(radio);
            radio->click();
            Click(w, QWizard::NextButton);
            if (i == 0) {
                QVERIFY(Offers(w, QWizard::BackButton));
                Click(w, QWizard::BackButton);
                QCOMPARE(w->Flow().Page(), int(kNewMissionTypePage));
                Click(w, QWizard::NextButton);
            }
        }
        // The last page has no Back.
        QCOMPARE(w->currentId(), int(kNewMissionFinishedPage));
        QVERIFY(!w->button(QWizard::BackButton)->isEnabled());
        QVERIFY(!Offers(w, QWizard::NextButton) && Offers(w, QWizard::FinishButton));
        Click(w, QWizard::FinishButton);

        // A new window, titled for its kind, unsaved, with nothing to undo;
        // saved by the editor, it is the tool's file byte for byte.
        CQVDoc* doc = frame->ActiveDocument();
        QVERIFY(doc && doc != before);
        QCOMPARE(doc->Title(), QStringLiteral("New Training"));
        QVERIFY(doc->IsModified() && !doc->Level().CanUndo());
        f->dialogs.saveAnswers.push_back((*dir / "window.tie").string());
        frame->RunCommand(kCmdFileSaveAs);
        QVERIFY(!doc->IsModified());
        const auto expected = CliBuilds("new training --players 8 --iff imperial", "tool.tie");
        QVERIFY(!expected.empty());
        QVERIFY(TempFolder::ReadBytes(*dir / "window.tie") == expected);
        QVERIFY(f->prompter.shown.empty());

        // Cancel makes nothing.
        frame->RunCommand(kCmdNewMissionWizard);
        w = ShownWizard<CWizardNewLevel>();
        QVERIFY(w);
        Click(w, QWizard::CancelButton);
        QCOMPARE(frame->Documents().size(), size_t(2));
    }

    void withoutBalanceOfPowerTheWizardMakesWhatNewMakesForXvt() {
        // new writes Balance of Power unless told otherwise; the wizard as the game is installed.
        f->settings.SetInt("Paths", "GotBOP", 0);
        frame->RunCommand(kCmdNewMissionWizard);
        auto* w = ShownWizard<CWizardNewLevel>();
        QVERIFY(w);
        for (int i = 0; i < 5 && !Offers(w, QWizard::FinishButton); ++i)
            Click(w, QWizard::NextButton);
        Click(w, QWizard::FinishButton);
        CQVDoc* doc = frame->ActiveDocument();
        QVERIFY(doc);
        QCOMPARE(int(doc->GetMission().Header.FormatVersion()), 12);
        f->dialogs.saveAnswers.push_back((*dir / "window.tie").string());
        frame->RunCommand(kCmdFileSaveAs);
        const auto expected = CliBuilds("new melee --teams 2 --format xvt", "tool.tie");
        QVERIFY(!expected.empty());
        QVERIFY(TempFolder::ReadBytes(*dir / "window.tie") == expected);
    }

    void theFlightGroupWizardBuildsWhatTheToolBuilds_data() {
        QTest::addColumn<FgAnswers>("answers");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<QString>("cli");
        QTest::addColumn<int>("made");
        FgAnswers fleet{kFgWizardFleet, 1, kIffStyleImperial, 3};
        QTest::newRow("fleet supporting a player")
            << fleet << QList<int>{kNewFgKindPage, kNewFgTeamPage, kNewFgFleetPage}
            << "fleet --team 1 --iff imperial --size 3 --support 0 --seed 42" << 8 + 3;
        FgAnswers station{kFgWizardStation, 2, kIffStylePirate};
        station.shuttle = true;
        QTest::newRow("station with shuttle")
            << station << QList<int>{kNewFgKindPage, kNewFgTeamPage, kNewFgStationPage}
            << "station --team 2 --shuttle --seed 42" << 2;
        FgAnswers mines{kFgWizardMinefield, 0, 0, 4};
        mines.mine = 3;
        QTest::newRow("minefield")
            << mines
            << QList<int>{kNewFgKindPage, kNewFgTeamPage, kNewFgFieldSizePage, kNewFgMinefieldPage}
            << "minefield --team 0 --size 4 --mine 3 --seed 42" << 4;
    }
    void theFlightGroupWizardBuildsWhatTheToolBuilds() {
        QFETCH(FgAnswers, answers);
        QFETCH(QList<int>, pages);
        QFETCH(QString, cli);
        QFETCH(int, made);
        CQVDoc* doc = OpenBase("combat --players 2", "base.tie");
        QVERIFY(doc);
        const auto base = BytesOf(doc);
        const bool fleet = answers.kind == kFgWizardFleet;
        // A fleet is offered as support for the one selected player.
        doc->GetMission().FlightGroups[0]->Selected = 1;
        doc->Level().NotifySelectionChanged();
        f->prompter.answers = {PromptAnswer::Cancel, PromptAnswer::Yes};
        f->services.random = SeededRandomSource(42);

        frame->RunCommand(kCmdFlightGroupWizard);
        auto* w = ShownWizard<CWizardNewFGSheet>();
        QVERIFY(w && w->isModal());
        for (qsizetype i = 0; i < pages.size(); ++i) {
            QCOMPARE(w->currentId(), pages[i]);
            // Back from the second page on, and Finish waits for the last page.
            QCOMPARE(Offers(w, QWizard::BackButton), i > 0);
            QVERIFY(!Offers(w, QWizard::FinishButton));
            switch (pages[i]) {
                case kNewFgKindPage: {
                    auto* page = static_cast<CWizardNewFGPage1*>(w->currentPage());
                    page->Choices()->button(answers.kind)->click();
                    if (fleet) {
                        // Cancel to the support question keeps the wizard on this page.
                        Click(w, QWizard::NextButton);
                        QCOMPARE(w->currentId(), int(kNewFgKindPage));
                        QCOMPARE(f->prompter.shown.size(), size_t(1));
                    }
                    break;
                }
                case kNewFgTeamPage: {
                    auto* page = static_cast<CWizardNewFGPage2*>(w->currentPage());
                    page->Teams()->setCurrentRow(answers.team);
                    // A minefield's craft are the same for every IFF style.
                    const bool asked = answers.kind != kFgWizardMinefield;
                    QCOMPARE(page->Iff()->button(answers.iff)->isVisible(), asked);
                    if (asked) page->Iff()->button(answers.iff)->click();
                    break;
                }
                case kNewFgFleetPage: {
                    auto* page = static_cast<CWizardNewFGPage3*>(w->currentPage());
                    page->Choices()->button(answers.size)->click();
                    QCOMPARE(page->Description()->text(),
                             QString::fromStdString(FleetSizeDescription(answers.size)));
                    break;
                }
                case kNewFgStationPage: {
                    auto* page = static_cast<CWizardNewFGPage4*>(w->currentPage());
                    page->Choices()->button(answers.station)->click();
                    page->Shuttle()->setChecked(answers.shuttle);
                    break;
                }
                case kNewFgFieldSizePage: {
                    auto* page = static_cast<CWizardNewFGPage5*>(w->currentPage());
                    page->Slider()->setValue(answers.size);
                    break;
                }
                case kNewFgMinefieldPage: {
                    auto* page = static_cast<CWizardNewFGPage6*>(w->currentPage());
                    page->Choices()->button(answers.mine)->click();
                    break;
                }
            }
            Click(w, QWizard::NextButton);
        }
        QCOMPARE(w->currentId(), int(kNewFgFinishedPage));
        QVERIFY(!Offers(w, QWizard::NextButton) && Offers(w, QWizard::FinishButton));
        Click(w, QWizard::FinishButton);

        // The new flight groups are selected in the list too.
        auto* list = ControlOf<QListWidget>(frame->LevelBar()->Sheet(),
                                            CLevelPropertiesSheet::kFlightGroupTab,
                                            LevelFlightGroupsPage::kList);
        QVERIFY(list);
        QCOMPARE(list->count(), 2 + made);
        QCOMPARE(list->selectedItems().size(), qsizetype(made));
        QVERIFY(list->item(2)->isSelected());

        // The file the editor saves is the tool's, byte for byte.
        f->dialogs.saveAnswers.push_back((*dir / "window.tie").string());
        frame->RunCommand(kCmdFileSaveAs);
        const auto expected =
            CliBuilds("add " + Quoted(*dir / "base.tie") + " " + cli.toStdString(), "tool.tie");
        QVERIFY(!expected.empty());
        QVERIFY(TempFolder::ReadBytes(*dir / "window.tie") == expected);

        // One Undo takes the whole run back.
        frame->RunCommand(kCmdEditUndo);
        QVERIFY(BytesOf(doc) == base);
        QCOMPARE(list->count(), 2);
        QVERIFY(!doc->Level().CanUndo());
    }

    void aFieldOfSizeZeroIsRefusedWithWhy() {
        CQVDoc* doc = frame->ActiveDocument();
        QVERIFY(doc);
        frame->RunCommand(kCmdFlightGroupWizard);
        auto* w = ShownWizard<CWizardNewFGSheet>();
        QVERIFY(w);
        static_cast<CWizardNewFGPage1*>(w->currentPage())
            ->Choices()
            ->button(kFgWizardAsteroids)
            ->click();
        Click(w, QWizard::NextButton);
        QCOMPARE(w->currentId(), int(kNewFgFieldSizePage));

        // The slider starts at 0, which would make nothing: the wizard says so and stays.
        auto* slider = static_cast<CWizardNewFGPage5*>(w->currentPage())->Slider();
        QCOMPARE(slider->value(), 0);
        Click(w, QWizard::NextButton);
        QCOMPARE(w->currentId(), int(kNewFgFieldSizePage));
        QCOMPARE(f->prompter.shown.size(), size_t(1));
        QCOMPARE(f->prompter.shown.back().text, std::string(kFieldSizeZeroText));

        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        Click(w, QWizard::NextButton);
        QCOMPARE(w->currentId(), int(kNewFgFinishedPage));
        Click(w, QWizard::FinishButton);
        QCOMPARE(doc->GetMission().CountFlightGroups(), 1 + 1);
        QCOMPARE(f->prompter.shown.size(), size_t(1));
    }

    void theFlightGroupWizardStartsFromWhatTheWindowsHold() {
        CQVDoc* doc = frame->ActiveDocument();
        QVERIFY(doc);
        QVERIFY(frame->Action(kCmdFlightGroupWizard)->isEnabled() &&
                frame->Action(kCmdNewMissionWizard)->isEnabled());

        // An edit open in the level sheet is made first, as an edit of its own.
        CLevelPropertiesSheet& sheet = frame->LevelBar()->Sheet();
        sheet.SetActivePage(CLevelPropertiesSheet::kLevelTab);
        auto* description = ControlOf<QPlainTextEdit>(sheet, CLevelPropertiesSheet::kLevelTab,
                                                      LevelSettingsPage::kDescription);
        QVERIFY(description);
        description->setPlainText(QStringLiteral("Before"));
        frame->RunCommand(kCmdFlightGroupWizard);
        auto* w = ShownWizard<CWizardNewFGSheet>();
        QVERIFY(w);
        QCOMPARE(doc->GetMission().Description, std::string("Before"));
        // The team list shows the names as they stand.
        auto* first = static_cast<CWizardNewFGPage1*>(w->currentPage());
        first->Choices()->button(kFgWizardStation)->click();
        Click(w, QWizard::NextButton);
        QCOMPARE(static_cast<CWizardNewFGPage2*>(w->currentPage())->Teams()->item(2)->text(),
                 QStringLiteral("Team 3"));

        // Back leads the way it came, and another choice another way.
        QTest::mouseClick(w->button(QWizard::BackButton), Qt::LeftButton);
        QCOMPARE(w->currentId(), int(kNewFgKindPage));
        first->Choices()->button(kFgWizardAsteroids)->click();
        Click(w, QWizard::NextButton);
        QCOMPARE(w->currentId(), int(kNewFgFieldSizePage));
        QTest::mouseClick(w->button(QWizard::BackButton), Qt::LeftButton);
        first->Choices()->button(kFgWizardStation)->click();
        Click(w, QWizard::NextButton);
        QCOMPARE(w->currentId(), int(kNewFgTeamPage));
        Click(w, QWizard::NextButton);
        QCOMPARE(w->currentId(), int(kNewFgStationPage));
        QCOMPARE(w->Choices().Kind, int(kFgWizardStation));

        // Cancel changes nothing.
        Click(w, QWizard::CancelButton);
        QCOMPARE(doc->GetMission().CountFlightGroups(), 1);
        frame->RunCommand(kCmdEditUndo);
        QCOMPARE(doc->GetMission().Description, std::string("New Mission"));
        QVERIFY(!doc->IsModified());

        // With no mission open only a new one can be made.
        frame->CloseDocument(doc);
        QVERIFY(frame->Documents().empty());
        frame->UpdateCommandUI();
        QVERIFY(!frame->Action(kCmdFlightGroupWizard)->isEnabled());
        QVERIFY(frame->Action(kCmdNewMissionWizard)->isEnabled());
    }
};

QTEST_MAIN(WizardsTest)
#include "WizardsTest.moc"
