// The first start: the game folder from the registry or the user, a new
// mission or the one on the command line; and the Options sheet after it.
#include <QTemporaryDir>
#include <QtTest>

#include "UiFakes.h"
#include "UiMissions.h"
#include "app/CMainFrame.h"
#include "app/COptionsDlg.h"
#include "app/CQVApp.h"
#include "app/ConfigurePaths.h"
#include "platform/GameRegistry.h"
#include "platform/qt/SystemGameRegistry.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

using namespace vantorel;
using namespace vantorel::testing;

class AppStartupTest : public QObject {
    Q_OBJECT
    const std::string game = kGameKey;

    void Run(FakeServices& f) { ConfigurePaths(f.settings, f.registry, f.dialogs, f.prompter); }

private slots:
    void firstStartAsksForTheGameAndOpensANewMission() {
        FakeServices f;
        {
            CQVApp app(f.services);
            QVERIFY(app.InitInstance({}));
            QVERIFY(app.MainFrame() && app.MainFrame()->isVisible());
            // No game keys: the folder browser was shown.
            QCOMPARE(f.dialogs.browseTitles, std::vector<std::string>{kGameFolderBrowseTitle});
            QCOMPARE(app.MainFrame()->Documents().size(), size_t(1));
            QVERIFY(app.MainFrame()->ShowsDocumentMenu());

            // File Open starts in the configured folder.
            f.settings.SetString("Paths", "DefaultOpen", "/missions");
            app.MainFrame()->RunCommand(kCmdFileOpen);
            QCOMPARE(f.dialogs.openStarts, std::vector<std::string>{"/missions"});
            QCOMPARE(f.dialogs.lastFilter, std::string("XvT Levels (*.tie)"));
            app.MainFrame()->close();
            app.ExitInstance();
        }
        // Exit writes the theme paths back.
        QVERIFY(f.settings.Has("Themes", "Team0"));
        QVERIFY(f.settings.Has("BarSettings10", "State"));
    }

    void theCommandLineOpensItsMission() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("given.tie"));
        QVERIFY(WriteMissionFile(path, {{"A", 0, 0}}));
        FakeServices f;
        f.settings.SetString("Paths", "XVT", "");
        CQVApp app(f.services);
        QVERIFY(app.InitInstance({QStringLiteral("-nologo"), path}));
        QCOMPARE(app.MainFrame()->Documents().size(), size_t(1));
        QCOMPARE(app.MainFrame()->ActiveDocument()->Title(), QStringLiteral("given.tie"));
        QCOMPARE(app.Recent().Files().size(), size_t(1));
        app.MainFrame()->close();

        // A file that cannot be opened ends the start.
        CQVApp failing(f.services);
        QVERIFY(!failing.InitInstance({dir.filePath(QStringLiteral("missing.tie"))}));
        QCOMPARE(f.prompter.shown.size(), size_t(1));
    }

    void theLastVersionKeyInARowGivesTheGameFolder() {
        // The folder is read from the last key of 1.0, 1.1, 2.0 in a row: one
        // missing ends the search, and then the user is asked. A registry whose
        // folders need translating (a Wine prefix) gives the one this system opens.
        const struct {
            const char* name;
            std::vector<std::string> versions;
            bool expansion;
            std::string prefix, folder;
        } cases[] = {
            {"a key without a folder goes on", {"1.0", "1.1"}, false, "", "C:\\XvT"},
            {"a missing 1.0 ends the search", {"1.1"}, true, "", "/games/xvt"},
            {"a third version, translated",
             {"1.0", "1.1", "2.0"},
             false,
             "/wine/",
             "/wine/C:\\XvT"},
        };
        for (const auto& c : cases) {
            FakeServices f;
            for (const std::string& v : c.versions) f.registry.keys.insert(game + "\\" + v);
            if (c.expansion) f.registry.keys.insert(kExpansionKey);
            f.registry.values[{game + "\\" + c.versions.back(), "Install Path"}] = "C:\\XvT";
            f.registry.prefix = c.prefix;
            f.dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::Chosen, "/games/xvt"});
            Run(f);
            QVERIFY2(f.settings.GetString("Paths", "XVT", "?") == c.folder, c.name);
            QVERIFY2(f.settings.GetString("Paths", "DefaultOpen", "?") == c.folder, c.name);
            const bool asked = c.folder == "/games/xvt";
            QVERIFY2(f.dialogs.browseTitles.size() == size_t(asked), c.name);
            QVERIFY2(f.settings.GetInt("Paths", "GotBOP", -1) == int(c.expansion), c.name);
        }
    }

    void cancellingStoresEmptyFoldersAndIsNotAskedAgain() {
        FakeServices f;
        Run(f);
        QCOMPARE(f.dialogs.browseTitles.size(), size_t(1));
        QVERIFY(f.settings.Has("Paths", "XVT"));
        QCOMPARE(f.settings.GetString("Paths", "XVT", "?"), std::string());
        QCOMPARE(f.settings.GetString("Paths", "DefaultOpen", "?"), std::string());
        QVERIFY(f.prompter.shown.empty());

        // The next start finds the (empty) value and asks nothing, nor
        // touches the expansion flag.
        f.settings.SetInt("Paths", "GotBOP", 7);
        f.registry.keys = {kExpansionKey};
        Run(f);
        QCOMPARE(f.dialogs.browseTitles.size(), size_t(1));
        QCOMPARE(f.settings.GetInt("Paths", "GotBOP", -1), 7);
    }

    void browserFailuresSayWhatWentWrong() {
        FakeServices f;
        f.dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::NoDesktopRoot, {}});
        Run(f);
        QCOMPARE(f.prompter.Texts(), std::vector<std::string>{kNoDesktopRootText});
        QCOMPARE(f.prompter.shown[0].icon, PromptIcon::Warning);
        // Nothing stored, so the next start asks again.
        QVERIFY(!f.settings.Has("Paths", "XVT"));
        QVERIFY(f.settings.Has("Paths", "GotBOP"));

        f.dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::NotAFileSystemPath, {}});
        Run(f);
        QCOMPARE(f.prompter.shown.size(), size_t(2));
        QCOMPARE(f.prompter.shown[1].text, std::string(kNotAFileSystemPathText));
        QVERIFY(f.settings.Has("Paths", "XVT"));
        QCOMPARE(f.settings.GetString("Paths", "XVT", "?"), std::string());
    }

    void optionsOkWritesOnlyThePagesThatWereShown() {
        FakeServices f;
        f.settings.SetString("Paths", "XVT", "/games/xvt");
        COptionsDlg dlg(f.settings, f.dialogs, f.prompter);
        // The General page shows the defaults.
        QVERIFY(dlg.ConfirmDelete()->isChecked());
        QVERIFY(dlg.GotBop()->isChecked());
        QCOMPARE(dlg.MissionType()->currentText(), QStringLiteral("Melee"));
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

    void optionsCancelWritesNothingAndOkKeepsAStoredValueOutsideTheList() {
        FakeServices f;
        f.settings.SetInt("Settings", "InitialMission", 42);
        {
            COptionsDlg dlg(f.settings, f.dialogs, f.prompter);
            dlg.Tabs()->setCurrentIndex(1);
            dlg.Tabs()->setCurrentIndex(2);
            dlg.GameFolder()->setText(QStringLiteral("/elsewhere"));
            dlg.reject();
            QCOMPARE(f.settings.values.size(), size_t(1));
        }
        COptionsDlg dlg(f.settings, f.dialogs, f.prompter);
        QCOMPARE(dlg.MissionType()->currentIndex(), -1);
        dlg.accept();
        QCOMPARE(f.settings.GetInt("Settings", "InitialMission", -1), 42);
    }

    void optionsClearedFolderIsStoredEmpty() {
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

    void optionsBrowseKeepsTheTextUnlessAFolderIsChosen() {
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

#ifdef Q_OS_WIN
    // The game's installer writes its keys in the 32-bit view of the machine's
    // registry; the editor reads them from there, not from a Wine prefix.
    void theSystemsOwnRegistryGivesTheFolder() {
        const QString key = QStringLiteral("HKEY_LOCAL_MACHINE\\") + QString::fromLatin1(kGameKey) +
                            QStringLiteral("\\1.0");
        {
            QSettings written(key, QSettings::Registry32Format);
            written.setValue(QStringLiteral("Install Path"),
                             QStringLiteral("C:\\Spiele\\XvT \u00c4"));
            written.sync();
            if (written.status() != QSettings::NoError)
                QSKIP("writing the machine's keys needs an administrator");
        }
        auto registry = CreateSystemGameRegistry();
        const auto folder = registry->ReadString(game + "\\1.0", "Install Path");
        QSettings(key, QSettings::Registry32Format).remove(QString());
        QCOMPARE(folder.value_or("none"), std::string("C:\\Spiele\\XvT \xc3\x84"));
    }
#endif
};

QTEST_MAIN(AppStartupTest)
#include "AppStartupTest.moc"
