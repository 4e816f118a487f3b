#include <QTemporaryDir>
#include <QtTest>

#include "UiFakes.h"
#include "UiMissions.h"
#include "app/CMainFrame.h"
#include "app/CQVApp.h"
#include "app/ConfigurePaths.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"

using namespace vantorel;
using namespace vantorel::testing;

class AppStartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartAsksForTheGameAndOpensANewMission() {
        FakeServices f;
        {
            CQVApp app(f.services);
            QVERIFY(app.InitInstance({}));
            QVERIFY(app.MainFrame());
            QVERIFY(app.MainFrame()->isVisible());
            // No game keys: the folder browser was shown; cancelled, so the
            // folders are stored empty and not asked for again.
            QCOMPARE(f.dialogs.browseTitles, std::vector<std::string>{kGameFolderBrowseTitle});
            QVERIFY(f.settings.Has("Paths", "XVT"));
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

        CQVApp again(f.services);
        QVERIFY(again.InitInstance({}));
        QCOMPARE(f.dialogs.browseTitles.size(), size_t(1));
        again.MainFrame()->close();
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
};

QTEST_MAIN(AppStartupTest)
#include "AppStartupTest.moc"
