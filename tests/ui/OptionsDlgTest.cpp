#include <QtTest>

#include "UiFakes.h"
#include "app/COptionsDlg.h"
#include "app/ConfigurePaths.h"

using namespace vantorel;
using namespace vantorel::testing;

class OptionsDlgTest : public QObject {
    Q_OBJECT
private slots:
    void okWritesOnlyThePagesThatWereShown() {
        FakeServices f;
        f.settings.SetString("Paths", "XVT", "/games/xvt");
        COptionsDlg dlg(f.settings, f.dialogs, f.prompter);
        // The General page shows the defaults.
        QVERIFY(dlg.ConfirmDelete()->isChecked());
        QVERIFY(dlg.GotBop()->isChecked());
        QCOMPARE(dlg.MissionType()->currentText(), QStringLiteral("Melee"));
        QCOMPARE(dlg.MissionType()->count(), 11);
        QCOMPARE(dlg.AutosaveMinutes()->value(), 3);
        dlg.ConfirmDelete()->setChecked(false);
        dlg.MissionType()->setCurrentIndex(5);
        dlg.AutosaveMinutes()->setValue(10);
        dlg.accept();
        QCOMPARE(f.settings.GetInt("Settings", "ConfirmDelete", -1), 0);
        QCOMPARE(f.settings.GetInt("Settings", "InitialMission", -1), 5);
        QCOMPARE(f.settings.GetInt("Paths", "GotBOP", -1), 1);
        QCOMPARE(f.settings.GetInt("Settings", "InitialFG", -1), 1);
        QCOMPARE(f.settings.GetInt("Settings", "AutosaveMinutes", -1), 10);
        // Save and Open were never shown: untouched.
        QCOMPARE(f.settings.GetString("Paths", "XVT", "?"), std::string("/games/xvt"));
        QVERIFY(!f.settings.Has("Paths", "DefaultOpen"));
        QVERIFY(!f.settings.Has("Settings", "SaveToFolder"));
    }

    void cancelWritesNothing() {
        FakeServices f;
        COptionsDlg dlg(f.settings, f.dialogs, f.prompter);
        dlg.Tabs()->setCurrentIndex(1);
        dlg.Tabs()->setCurrentIndex(2);
        dlg.GameFolder()->setText(QStringLiteral("/elsewhere"));
        dlg.reject();
        QVERIFY(f.settings.values.empty());
    }

    void clearedFolderIsStoredEmpty() {
        FakeServices f;
        f.settings.SetString("Paths", "XVT", "/games/xvt");
        f.settings.SetString("Paths", "DefaultOpen", "/missions");
        COptionsDlg dlg(f.settings, f.dialogs, f.prompter);
        dlg.Tabs()->setCurrentIndex(2);
        QCOMPARE(dlg.GameFolder()->text(), QStringLiteral("/games/xvt"));
        QVERIFY(dlg.SaveToFolder()->isChecked());
        dlg.GameFolder()->clear();
        dlg.SaveToFolder()->setChecked(false);
        dlg.Tabs()->setCurrentIndex(1);
        QCOMPARE(dlg.DefaultOpen()->text(), QStringLiteral("/missions"));
        dlg.accept();
        QVERIFY(f.settings.Has("Paths", "XVT"));
        QCOMPARE(f.settings.GetString("Paths", "XVT", "?"), std::string());
        QCOMPARE(f.settings.GetInt("Settings", "SaveToFolder", -1), 0);
        QCOMPARE(f.settings.GetString("Paths", "DefaultOpen", "?"), std::string("/missions"));
    }

    void browseKeepsTheTextUnlessAFolderIsChosen() {
        FakeServices f;
        COptionsDlg dlg(f.settings, f.dialogs, f.prompter);
        dlg.Tabs()->setCurrentIndex(1);
        dlg.DefaultOpen()->setText(QStringLiteral("/typed"));
        dlg.BrowseDefaultOpen();  // cancelled
        QCOMPARE(dlg.DefaultOpen()->text(), QStringLiteral("/typed"));
        QCOMPARE(f.dialogs.browseTitles.back(), std::string(kOpenFolderBrowseTitle));

        f.dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::NotAFileSystemPath, {}});
        dlg.BrowseDefaultOpen();
        QCOMPARE(dlg.DefaultOpen()->text(), QStringLiteral("/typed"));
        QCOMPARE(f.prompter.Texts(), std::vector<std::string>{kNotAFileSystemPathText});

        f.dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::NoDesktopRoot, {}});
        dlg.BrowseGameFolder();
        QCOMPARE(f.prompter.shown.back().text, std::string(kNoDesktopRootText));
        QCOMPARE(f.prompter.shown.back().icon, PromptIcon::Warning);
        QCOMPARE(f.dialogs.browseTitles.back(), std::string(kGameFolderBrowseTitle));

        f.dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::Chosen, "/chosen"});
        dlg.BrowseGameFolder();
        QCOMPARE(dlg.GameFolder()->text(), QStringLiteral("/chosen"));
    }

    void storedValuesOutsideTheListShowNoChoice() {
        FakeServices f;
        f.settings.SetInt("Settings", "InitialMission", 42);
        COptionsDlg dlg(f.settings, f.dialogs, f.prompter);
        QCOMPARE(dlg.MissionType()->currentIndex(), -1);
        dlg.accept();
        // Nothing chosen: the stored value stays.
        QCOMPARE(f.settings.GetInt("Settings", "InitialMission", -1), 42);
    }
};

QTEST_MAIN(OptionsDlgTest)
#include "OptionsDlgTest.moc"
