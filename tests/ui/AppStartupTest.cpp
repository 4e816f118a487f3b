// The first start: the game folder from the registry or the user, a new
// mission or the one on the command line.
#include <QTemporaryDir>
#include <QtTest>

#include "UiFakes.h"
#include "UiMissions.h"
#include "app/CMainFrame.h"
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
            QVERIFY(app.MainFrame());
            QVERIFY(app.MainFrame()->isVisible());
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

    void keyWithoutFolderGoesOnToTheNextVersion() {
        FakeServices f;
        f.registry.keys = {game + "\\1.0", game + "\\1.1"};
        f.registry.values[{game + "\\1.1", "Install Path"}] = "C:\\Games\\XvT";
        Run(f);
        QCOMPARE(f.settings.GetString("Paths", "XVT", "?"), std::string("C:\\Games\\XvT"));
        QCOMPARE(f.settings.GetString("Paths", "DefaultOpen", "?"), std::string("C:\\Games\\XvT"));
        QVERIFY(f.dialogs.browseTitles.empty());
        // No expansion key: the expansion is not there.
        QCOMPARE(f.settings.GetInt("Paths", "GotBOP", -1), 0);
    }

    void missingVersionKeyEndsTheSearch() {
        FakeServices f;
        f.registry.keys = {game + "\\1.1", kExpansionKey};
        f.registry.values[{game + "\\1.1", "Install Path"}] = "C:\\Games\\XvT";
        f.dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::Chosen, "/games/xvt"});
        Run(f);
        // 1.1 is never tried once 1.0 is missing: the user is asked.
        QCOMPARE(f.dialogs.browseTitles.size(), size_t(1));
        QCOMPARE(f.dialogs.browseTitles[0], std::string(kGameFolderBrowseTitle));
        QCOMPARE(f.settings.GetString("Paths", "XVT", "?"), std::string("/games/xvt"));
        QCOMPARE(f.settings.GetString("Paths", "DefaultOpen", "?"), std::string("/games/xvt"));
        QCOMPARE(f.settings.GetInt("Paths", "GotBOP", -1), 1);
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

    void thirdVersionAndFolderMapping() {
        // A registry whose folders need translating (a Wine prefix) stores
        // the folder this system can open.
        struct Mapping : FakeGameRegistry {
            std::string NativeFolder(const std::string& p) override { return "/prefix/" + p; }
        } registry;
        FakeServices f;
        registry.keys = {game + "\\1.0", game + "\\1.1", game + "\\2.0"};
        registry.values[{game + "\\2.0", "Install Path"}] = "C:\\XvT2";
        ConfigurePaths(f.settings, registry, f.dialogs, f.prompter);
        QCOMPARE(f.settings.GetString("Paths", "XVT", "?"), std::string("/prefix/C:\\XvT2"));
    }

#ifdef Q_OS_WIN
    // The game's installer writes its keys in the 32-bit view of the machine's
    // registry; the editor reads them from there, not from a Wine prefix.
    void theSystemsOwnRegistryGivesTheFolder() {
        const QString key = QStringLiteral("HKEY_LOCAL_MACHINE\\") +
                            QString::fromLatin1(kGameKey) + QStringLiteral("\\1.0");
        {
            QSettings written(key, QSettings::Registry32Format);
            written.setValue(QStringLiteral("Install Path"), QStringLiteral("C:\\Spiele\\XvT \u00c4"));
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
