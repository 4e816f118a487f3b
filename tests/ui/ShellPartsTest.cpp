// The editor's shell: the first start, the game folder, the Options sheet, the
// splash, About, recent files, settings, sound, the icon and desktop requests.
#include <QClipboard>
#include <QFileOpenEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "UiFakes.h"
#include "UiMissions.h"
#include "app/AfterFirstPaint.h"
#include "app/AppPictures.h"
#include "app/CAboutDlg.h"
#include "app/CHyperlink.h"
#include "app/CMainFrame.h"
#include "app/COptionsDlg.h"
#include "app/CQVApp.h"
#include "app/CSplashWnd.h"
#include "app/ConfigurePaths.h"
#include "app/DocumentClipboard.h"
#include "app/RecentFiles.h"
#include "app/ShellOpenFilter.h"
#include "app/StandardIconCache.h"
#include "platform/GameRegistry.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtSettings.h"
#ifdef VANTOREL_SOUND_MODULE
#include "platform/qt/QtSound.h"
#endif
#include "platform/qt/SystemGameRegistry.h"
#include "platform/qt/SystemSound.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "support/RunCli.h"
#include "ui/CQVDoc.h"
#include "ui/CommandIds.h"
#include "ui/PictureCache.h"
#include "ui/WindowPictures.h"

using namespace vantorel;
using namespace vantorel::testing;

// A bar that counts what the documents ask of it.
class CountingBar : public CLevelPropertiesBar {
public:
    using CLevelPropertiesBar::CLevelPropertiesBar;
    int refreshes = 0, applies = 0;
    void ApplyAll() override {
        ++applies;
        CLevelPropertiesBar::ApplyAll();
    }
    void RefreshAll() override {
        ++refreshes;
        CLevelPropertiesBar::RefreshAll();
    }
};

class ShellPartsTest : public QObject {
    Q_OBJECT
    const std::string game = kGameKey;

    void Run(FakeServices& f) { ConfigurePaths(f.settings, f.registry, f.dialogs, f.prompter); }

private slots:
    void splashGoesAfterItsTimeOrAtAnyPress() {
        CSplashWnd::ShowSplash(false);
        QVERIFY(!CSplashWnd::Instance());

        CSplashWnd::ShowSplash(true);
        QPointer<CSplashWnd> splash = CSplashWnd::Instance();
        QVERIFY(splash);
        CSplashWnd::ShowSplash(true);  // never a second one
        QCOMPARE(CSplashWnd::Instance(), splash.data());
        CSplashWnd::SetSplashStatus(QStringLiteral("Loading themes..."));
        QCOMPARE(splash->Status(), QStringLiteral("Loading themes..."));
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 3000);

        // A key press anywhere dismisses it at once and is swallowed.
        CSplashWnd::ShowSplash(true);
        splash = CSplashWnd::Instance();
        QLineEdit edit;
        edit.show();
        QTest::keyClick(&edit, Qt::Key_A);
        QVERIFY(edit.text().isEmpty());
        QTRY_VERIFY(splash.isNull());
        QTest::keyClick(&edit, Qt::Key_A);
        QCOMPARE(edit.text(), QStringLiteral("a"));
    }

    void aMessageDuringStartUpOutlivesTheSplash() {
        // Where the platform activates the splash, a message shown while it
        // is up must not belong to it: the splash goes after its 750 ms and
        // would take the open message box with it.
        CSplashWnd::ShowSplash(true);
        QPointer<CSplashWnd> splash = CSplashWnd::Instance();
        QVERIFY(splash);
        splash->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), splash.data());
        bool seen = false;
        QTimer answer;
        answer.setInterval(50);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || splash) return;  // answer only once the splash has gone
            seen = box->text() == QStringLiteral("Invalid File Format: Header");
            box->button(QMessageBox::Ok)->click();
        });
        answer.start();
        QtPrompter prompter;
        QCOMPARE(prompter.Show("Invalid File Format: Header", PromptIcon::Error, PromptButtons::Ok),
                 PromptAnswer::Ok);
        QVERIFY(seen);
    }

    void barTracksTheCurrentDocument() {
        FakeServices f;
        CountingBar bar(f.services);
        QVERIFY(bar.ShowsNoLevelText());
        QVERIFY(bar.Sheet().isHidden());

        CQVDoc doc(f.services, &bar);
        doc.OnNewDocument();
        bar.SetCurrentDocument(&doc);
        QVERIFY(!bar.ShowsNoLevelText());
        QVERIFY(!bar.Sheet().isHidden());
        QCOMPARE(bar.refreshes, 1);
        // The same document again changes nothing.
        bar.SetCurrentDocument(&doc);
        QCOMPARE(bar.refreshes, 1);
        // The document's operations go through the bar.
        doc.Level().AddFlightGroup();
        doc.Level().DeleteSelectedFlightGroups();
        QVERIFY(bar.refreshes > 1);
        QVERIFY(bar.applies > 0);

        // Saving applies pending edits first.
        QTemporaryDir dir;
        f.dialogs.saveAnswers = {dir.filePath(QStringLiteral("a.tie")).toStdString()};
        const int applies = bar.applies;
        QVERIFY(doc.DoSaveAs());
        QCOMPARE(bar.applies, applies + 1);

        bar.SetCurrentDocument(nullptr);
        QVERIFY(bar.ShowsNoLevelText());
        // Without a document every operation does nothing.
        bar.RefreshAll();
        bar.ApplyAll();
        bar.UpdateViews();
    }

    void aboutBoxShowsTheProjectsOwnTexts() {
        FakePrompter prompter;
        CAboutDlg dlg(prompter);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Aboout..."));
        // The version every other part of the program gives.
        const CliResult cli = RunCli("--version");
        QCOMPARE(cli.status, 0);
        auto* version = dlg.findChild<QLabel*>(QStringLiteral("version"));
        QVERIFY(version);
        QCOMPARE(QStringLiteral("vantorel-cli ") + version->text().mid(8) + QLatin1Char('\n'),
                 QString::fromStdString(cli.out));
        QVERIFY(version->text().startsWith(QStringLiteral("Version ")));
        QVERIFY(!dlg.ProjectLink()->Link().isEmpty());
        QVERIFY(!dlg.IconLink()->pixmap().isNull());

        // Hovering a link shows it in the status bar and highlights it.
        QSignalSpy hover(&dlg, &CAboutDlg::hoverText);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(dlg.MakerLink(), &enter);
        QVERIFY(dlg.MakerLink()->Highlighted());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(dlg.MakerLink(), &leave);
        QVERIFY(!dlg.MakerLink()->Highlighted());
        QCOMPARE(hover.size(), 2);
        QCOMPARE(hover[0][0].toString(), dlg.MakerLink()->Link());
        QCOMPARE(hover[1][0].toString(), QString());
    }

    void recentFilesKeepEightNewestFirst() {
        FakeSettings settings;
        RecentFiles recent(settings, 8);
        for (int i = 1; i <= 10; ++i) recent.Add("/m/" + std::to_string(i) + ".tie");
        QCOMPARE(recent.Files().size(), size_t(8));
        QCOMPARE(recent.Files().front(), std::string("/m/10.tie"));
        QCOMPARE(recent.Files().back(), std::string("/m/3.tie"));
        recent.Add("/m/5.tie");
        QCOMPARE(recent.Files().front(), std::string("/m/5.tie"));
        QCOMPARE(recent.Files().size(), size_t(8));

        RecentFiles again(settings, 8);
        again.Load();
        QCOMPARE(again.Files(), recent.Files());
        again.Remove("/m/5.tie");
        RecentFiles third(settings, 8);
        third.Load();
        QCOMPARE(third.Files().size(), size_t(7));
#ifdef Q_OS_WIN
        // Windows names a file in any letter case, letters outside ASCII too.
        recent.Add(
            "C:\\Fl\xc3\xbcge\\\xc3\x9c"
            "bung.tie");  // C:\Flüge\Übung.tie
        recent.Add(
            "c:\\FL\xc3\x9cGE\\\xc3\xbc"
            "BUNG.TIE");  // c:\FLÜGE\üBUNG.TIE
        QCOMPARE(recent.Files().at(1), std::string("/m/5.tie"));
#endif
    }

    // Held writes are read back at once and reach the file when released,
    // or when the settings go.
    void heldSettingsReachTheFileWhenReleased() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("profile.ini"));
        // The file itself: another settings object would share the pending changes.
        const auto onDisk = [&] {
            QFile f(file);
            if (!f.open(QIODevice::ReadOnly)) return QString();
            for (const QByteArray& line : f.readAll().split('\n'))
                if (line.startsWith("XVT=")) return QString::fromUtf8(line.mid(4)).trimmed();
            return QString();
        };
        {
            QtSettings settings(std::make_unique<QSettings>(file, QSettings::IniFormat));
            settings.HoldWrites();
            settings.SetString("Paths", "XVT", "/games/held");
            QCoreApplication::processEvents();
            QCOMPARE(settings.GetString("Paths", "XVT", ""), std::string("/games/held"));
            QVERIFY(onDisk().isEmpty());
            settings.ReleaseWrites();
            QCOMPARE(onDisk(), QStringLiteral("/games/held"));

            settings.HoldWrites();
            settings.SetString("Paths", "XVT", "/games/at the end");
            QCoreApplication::processEvents();
            QCOMPARE(onDisk(), QStringLiteral("/games/held"));
        }
        QCOMPARE(onDisk(), QStringLiteral("/games/at the end"));
    }

    void qtSettingsKeepsSectionsAndDefaults() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("profile.ini"));
        {
            QtSettings settings(std::make_unique<QSettings>(file, QSettings::IniFormat));
            QCOMPARE(settings.GetInt("3D View", "Grid", 1), 1);
            QCOMPARE(settings.GetString("Paths", "XVT", "....NOPE...."),
                     std::string("....NOPE...."));
            settings.SetInt("3D View", "Grid", 0);
            settings.SetString("Paths", "XVT", "");
            settings.SetString("Paths", "DefaultOpen", "/m\xc3\xa9");
        }
        QtSettings settings(std::make_unique<QSettings>(file, QSettings::IniFormat));
        QCOMPARE(settings.GetInt("3D View", "Grid", 1), 0);
        // An empty value is a value: not the default.
        QCOMPARE(settings.GetString("Paths", "XVT", "....NOPE...."), std::string());
        QCOMPARE(settings.GetString("Paths", "DefaultOpen", ""), std::string("/m\xc3\xa9"));
        // A value that is not a number reads as the default.
        settings.SetString("Settings", "Snap", "lots");
        QCOMPARE(settings.GetInt("Settings", "Snap", 0), 0);
    }

    void theSystemSoundPlaysWaveFilesInAnyFolder() {
#ifndef Q_OS_WIN
        QSKIP("Qt Multimedia plays the sound here, and a test machine has no sound device");
#endif
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Fl\u00fcge \u03a9"));
        QVERIFY(QDir().mkpath(folder));
        // A wave of 10 ms of silence: 8-bit mono at 8000 Hz.
        QByteArray wave = QByteArrayLiteral(
            "RIFF\x74\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0"
            "\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0data\x50\0\0\0");
        wave.append(80, char(0x80));
        QFile file(folder + QStringLiteral("/ton.wav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(wave);
        file.close();

        auto sound = CreateSystemSound();
        QVERIFY(sound->Play(file.fileName().toStdString()));
        sound->Stop();
        QVERIFY(!sound->Play((folder + QStringLiteral("/none.wav")).toStdString()));
        QVERIFY(!sound->Play(folder.toStdString()));
    }

#ifdef VANTOREL_SOUND_MODULE
    // The player is loaded at the first sound, from the first candidate that
    // is a sound module: a missing file or a library of another kind is
    // passed over, and without any module every sound fails quietly.
    void theSoundModuleIsLoadedFromTheFirstCandidateThatIsOne() {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("vantorel-sound"));
        const QString notOne = QStringLiteral(VANTOREL_CLI);  // loads as no library
        const QString module = QStringLiteral(VANTOREL_SOUND_MODULE);
        QVERIFY(QtSound::LoadPlayer({missing, notOne, module}) != nullptr);
        QVERIFY(QtSound::LoadPlayer({missing, notOne}) == nullptr);

        QFile wave(dir.filePath(QStringLiteral("a.wav")));
        QVERIFY(wave.open(QIODevice::WriteOnly));
        wave.close();
        QtSound none({missing});
        QVERIFY(!none.Play(wave.fileName().toStdString()));
        none.Stop();

        // The programs look beside themselves first, then where the
        // installed module is.
        const QStringList candidates = QtSound::ModuleCandidates();
        QCOMPARE(candidates.size(), 2);
        QCOMPARE(candidates[0],
                 QCoreApplication::applicationDirPath() + QStringLiteral("/vantorel-sound"));
        QVERIFY(candidates[1].endsWith(QStringLiteral("/vantorel/modules/vantorel-sound")));
    }
#endif

    // The window icon is the shipped picture set, linked into the program.
    void windowIconHasEveryShippedSize() {
        const QList<QSize> sizes = AppIcon().availableSizes();
        for (int s : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
        // Read when first needed, each size is what an icon of all the files gives.
        QIcon eager;
        for (int s : {16, 24, 32, 48, 64, 128, 256})
            eager.addFile(QStringLiteral(":/icons/%1.png").arg(s), QSize(s, s));
        const QIcon lazy = AppIcon();
        for (int s : {16, 20, 32, 40, 100, 256, 300}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                const QString what = QStringLiteral("size %1 mode %2").arg(s).arg(int(mode));
                QCOMPARE(lazy.actualSize(QSize(s, s), mode), eager.actualSize(QSize(s, s), mode));
                const QImage got = lazy.pixmap(s, mode).toImage();
                QVERIFY2(!got.isNull(), qPrintable(what));
                QVERIFY2(got == eager.pixmap(s, mode).toImage(), qPrintable(what));
            }
        }
    }

    // Every drawn picture of the main window, kept in the cache file and read
    // back by the next start, is the picture painted afresh, pixel for pixel.
    void drawnPicturesReadBackFromTheCacheAreThePaintedOnes() {
        // The pictures of the toolbars, the menus and the level bar's tabs and
        // lists, as a new window draws them: icons of 16 x 15 on a screen of
        // scale 2.
        const auto draw = [] {
            FakeServices f;
            RecentFiles recent(f.settings, 8);
            CMainFrame frame(f.services, recent, nullptr);
            QList<QIcon> icons;
            for (QAction* a : frame.findChildren<QAction*>())
                if (!a->icon().isNull()) icons << a->icon();
            for (int tab = 0; tab < 5; ++tab) icons << LevelTabIcon(tab);
            icons << PlayerIcon() << WaveIcon();
            std::vector<QImage> images;
            for (const QIcon& icon : icons)
                images.push_back(icon.pixmap(QSize(16, 15), 2).toImage());
            return images;
        };
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("cache/pictures.bin"));
        PictureCache& cache = PictureCache::Program();
        cache.SetFile({}, {});
        const std::vector<QImage> fresh = draw();
        QVERIFY(fresh.size() > 30);
        cache.SetFile(file, QStringLiteral("build 1"));
        QCOMPARE(draw().size(), fresh.size());
        QVERIFY(cache.Painted() > 30);
        QVERIFY(cache.Save());

        cache.SetFile(file, QStringLiteral("build 1"));  // the next start
        const std::vector<QImage> read = draw();
        QCOMPARE(cache.Painted(), 0);
        for (size_t i = 0; i < fresh.size(); ++i) {
            QCOMPARE(read[i].devicePixelRatio(), fresh[i].devicePixelRatio());
            QVERIFY2(read[i].convertToFormat(QImage::Format_ARGB32) ==
                         fresh[i].convertToFormat(QImage::Format_ARGB32),
                     qPrintable(QString::number(i)));
        }
        cache.SetFile({}, {});
    }

    // A cache file that is damaged, cut short, of another build or cannot be
    // written costs nothing but the painting: no message, the same pictures.
    void aBadCacheFileIsPaintedOverSilently() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("pictures.bin"));
        int painted = 0;
        const auto get = [&](PictureCache& cache, QColor colour) {
            return cache.Get(QStringLiteral("dot"), QSize(4, 2), 2, [&] {
                ++painted;
                QImage image(4, 2, QImage::Format_ARGB32_Premultiplied);
                image.fill(colour);
                image.setDevicePixelRatio(2);
                return image;
            });
        };
        const auto startWith = [&](const QByteArray& bytes, const QString& build) {
            QFile out(file);
            if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) return false;
            out.close();
            painted = 0;
            PictureCache cache(file, build);
            const QImage image = get(cache, Qt::red);
            return image.pixelColor(3, 1) == QColor(Qt::red) && image.devicePixelRatio() == 2 &&
                   cache.Save();
        };
        const auto good = [&] {
            QFile in(file);
            return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
        };

        // Kept, then read back without painting.
        QVERIFY(startWith({}, QStringLiteral("1")));
        QCOMPARE(painted, 1);
        const QByteArray kept = good();
        QVERIFY(startWith(kept, QStringLiteral("1")));
        QCOMPARE(painted, 0);
        // Another build's pictures, a damaged byte, a file cut short or
        // another file altogether: painted again, and the file made good.
        QByteArray flipped = kept;
        flipped[flipped.size() - 3] = char(flipped[flipped.size() - 3] ^ 0x10);  // in a pixel
        for (const auto& [bytes, build] :
             {std::pair{flipped, QStringLiteral("1")},
              std::pair{kept.left(kept.size() - 9), QStringLiteral("1")},
              std::pair{QByteArray("not a picture at all"), QStringLiteral("1")},
              std::pair{kept, QStringLiteral("2")}}) {
            QVERIFY(startWith(bytes, build));
            QCOMPARE(painted, 1);
            QVERIFY(startWith(good(), build));
            QCOMPARE(painted, 0);
        }
        // A folder where the file should be: painted each time, nothing said.
        PictureCache blocked(dir.path(), QStringLiteral("2"));
        QCOMPARE(get(blocked, Qt::blue).pixelColor(0, 0), QColor(Qt::blue));
        QVERIFY(!blocked.Save());
    }

    // A file the desktop sends reaches the callback; other events go on.
    void fileOpenEventsAreHandedOnAndConsumed() {
        QStringList opened;
        ShellOpenFilter filter([&](const QString& file) { opened << file; });
        qApp->installEventFilter(&filter);
        QObject target;
        QFileOpenEvent open(QStringLiteral("/missions/caf\u00e9.tie"));
        QVERIFY(QCoreApplication::sendEvent(&target, &open));  // consumed
        QCOMPARE(opened, QStringList{QStringLiteral("/missions/caf\u00e9.tie")});
        QEvent other(QEvent::User);
        QCoreApplication::sendEvent(&target, &other);
        QCOMPARE(opened.size(), 1);
        qApp->removeEventFilter(&filter);
    }

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
        // Its window, maximised, adds its name to the main window's title.
        QVERIFY(QTest::qWaitForWindowExposed(app.MainFrame()));
        QCOMPARE(app.MainFrame()->windowTitle(), QStringLiteral("Vantorel - [given.tie[*]]"));
        QCOMPARE(app.Recent().Files().size(), size_t(1));
        app.MainFrame()->close();

        // A file that cannot be opened ends the start.
        CQVApp failing(f.services);
        QVERIFY(!failing.InitInstance({dir.filePath(QStringLiteral("missing.tie"))}));
        QCOMPARE(f.prompter.shown.size(), size_t(1));
    }

    void theLastVersionKeyInARowGivesTheGameFolder() {
        // The last key of 1.0, 1.1, 2.0 in a row gives the folder (asked when
        // 1.0 is missing), translated where the registry is a Wine prefix's.
        const struct {
            const char* name;
            std::vector<std::string> versions;
            bool expansion;
            std::string prefix, folder;
        } cases[] = {
            {"1.0 without a folder", {"1.0", "1.1"}, false, "", "C:\\XvT"},
            {"no 1.0: asked", {"1.1"}, true, "", "/games/xvt"},
            {"2.0, translated", {"1.0", "1.1", "2.0"}, false, "/wine/", "/wine/C:\\XvT"},
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

    void withoutAFolderChosenTheNextStartAsksAgain() {
        // A cancel, a browser that closed by itself, an empty folder: nothing
        // is stored, so the question comes back.
        FakeServices f;
        Run(f);
        f.dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::Chosen, ""});
        Run(f);
        QCOMPARE(f.dialogs.browseTitles.size(), size_t(2));
        QVERIFY(!f.settings.Has("Paths", "XVT"));
        QVERIFY(!f.settings.Has("Paths", "DefaultOpen"));
        QVERIFY(f.prompter.shown.empty());

        // An empty value (cleared in the Options) is configured: no question,
        // the expansion flag kept.
        f.settings.SetString("Paths", "XVT", "");
        f.settings.SetInt("Paths", "GotBOP", 7);
        f.registry.keys = {kExpansionKey};
        Run(f);
        QCOMPARE(f.dialogs.browseTitles.size(), size_t(2));
        QCOMPARE(f.settings.GetInt("Paths", "GotBOP", -1), 7);
    }

    void theFirstStartQuestionWaitsWithTheSplashGone() {
        // The splash closes itself on a timer, and a system folder browser
        // that took it for its owner closed with it: the question comes
        // only once the splash window is destroyed.
        struct WatchingDialogs : FakeFileDialogs {
            bool splashUp = true;
            FolderChoice BrowseForFolder(const std::string& title) override {
                splashUp = CSplashWnd::Instance() != nullptr;
                return FakeFileDialogs::BrowseForFolder(title);
            }
        };
        FakeServices f;
        WatchingDialogs dialogs;
        dialogs.folderAnswers.push_back({FileDialogs::FolderStatus::Chosen, "/games/xvt"});
        AppServices services{f.settings, f.prompter, dialogs, f.registry, f.sound};
        CSplashWnd::ShowSplash(true);
        QVERIFY(CSplashWnd::Instance());
        CQVApp app(services);
        QVERIFY(app.InitInstance({}));
        QCOMPARE(dialogs.browseTitles.size(), size_t(1));
        QVERIFY(!dialogs.splashUp);
        QCOMPARE(f.settings.GetString("Paths", "XVT", "?"), std::string("/games/xvt"));
        app.MainFrame()->close();
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
        QVERIFY(!f.settings.Has("Paths", "XVT"));
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

    // Work that waits for the first paint runs once the window is on the
    // screen, the last asked first; a window already shown runs it at once.
    void workWaitingForTheFirstPaintRunsOnceTheWindowIsShown() {
        QWidget window;
        QStringList ran;
        AfterFirstPaint(&window, [&] { ran << QStringLiteral("first asked"); });
        AfterFirstPaint(&window, [&] { ran << QStringLiteral("last asked"); });
        QCoreApplication::processEvents();
        QVERIFY(ran.isEmpty());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(ran, QStringList({"last asked", "first asked"}));
        AfterFirstPaint(&window, [&] { ran << QStringLiteral("shown already"); });
        QTRY_COMPARE(ran.size(), 3);
        QCOMPARE(ran.back(), QStringLiteral("shown already"));
        window.update();
        QCoreApplication::processEvents();
        QCOMPARE(ran.size(), 3);  // later paints run nothing again
    }

    // The start looks at the clipboard once its window is on the screen: a
    // clip another window of the program left there can be pasted.
    void aClipOnTheClipboardAtStartCanBePastedOnceTheWindowShows() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        ClipboardWatch::Instance().Update();
        QVERIFY(!ClipboardWatch::Instance().HasItems());
        auto* clip = new QMimeData;
        clip->setData(QString::fromLatin1(kMissionItemsMimeType), QByteArray("{}"));
        {
            // Put there unseen, as by another program before this one started.
            const QSignalBlocker quiet(clipboard);
            clipboard->setMimeData(clip);
        }
        QVERIFY(!ClipboardWatch::Instance().HasItems());
        FakeServices f;
        f.settings.SetString("Paths", "XVT", "");
        CQVApp app(f.services);
        QVERIFY(app.InitInstance({QStringLiteral("-nologo")}));
        QVERIFY(QTest::qWaitForWindowExposed(app.MainFrame()));
        QTRY_VERIFY(ClipboardWatch::Instance().HasItems());
        QTRY_VERIFY(app.MainFrame()->Action(kCmdEditPaste)->isEnabled());
        app.MainFrame()->close();
        clipboard->clear();
    }

    // Fusion's fixed pictures are its own, asked once and kept; pictures
    // that follow an option's state are asked afresh each time.
    void fusionsFixedPicturesAreKeptAsFusionDrawsThem() {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(fusion);
        StandardIconCache cache(QStyleFactory::create(QStringLiteral("Fusion")));
        QStyle& style = cache;
        QStyleOption rightToLeft;
        rightToLeft.direction = Qt::RightToLeft;
        for (auto pixmap : {QStyle::SP_ToolBarHorizontalExtensionButton,
                            QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_TitleBarMaxButton,
                            QStyle::SP_TitleBarCloseButton, QStyle::SP_TitleBarNormalButton,
                            QStyle::SP_TitleBarMinButton, QStyle::SP_MessageBoxWarning}) {
            for (const QStyleOption* option : {static_cast<const QStyleOption*>(nullptr),
                                               static_cast<const QStyleOption*>(&rightToLeft)}) {
                const QString what = QStringLiteral("picture %1 %2")
                                         .arg(int(pixmap))
                                         .arg(option ? QStringLiteral("rtl") : QString());
                const QIcon kept = style.standardIcon(pixmap, option);
                const QIcon own = fusion->standardIcon(pixmap, option);
                QVERIFY2(!kept.isNull(), qPrintable(what));
                QVERIFY2(kept.pixmap(16).toImage() == own.pixmap(16).toImage(), qPrintable(what));
                QCOMPARE(kept.actualSize(QSize(32, 32)), own.actualSize(QSize(32, 32)));
            }
        }
        const auto arrow = QStyle::SP_ToolBarHorizontalExtensionButton;
        QCOMPARE(style.standardIcon(arrow).cacheKey(), style.standardIcon(arrow).cacheKey());
        QVERIFY(style.standardIcon(arrow).cacheKey() !=
                style.standardIcon(arrow, &rightToLeft).cacheKey());

        // Another style is left alone.
        QApplication::setStyle(QStringLiteral("Windows"));
        StandardIconCache::InstallIfFusion();
        QVERIFY(!qobject_cast<StandardIconCache*>(QApplication::style()));
        QApplication::setStyle(QStringLiteral("Fusion"));
        StandardIconCache::InstallIfFusion();
        auto* installed = qobject_cast<StandardIconCache*>(QApplication::style());
        QVERIFY(installed);
        QCOMPARE(installed->baseStyle()->name(), QStringLiteral("fusion"));
    }

#ifdef Q_OS_WIN
    // The game's installer writes its keys in the 32-bit view of the machine's
    // registry; the editor reads them from there, not from a Wine prefix.
    void theSystemsOwnRegistryGivesTheFolder() {
        // Looking makes nothing: a missing key stays missing, and so does its
        // parent. An empty key of the game's reads as an installed game to
        // whatever looks for one.
        auto registry = CreateSystemGameRegistry();
        const std::string missing = "SOFTWARE\\Vantorel Test Vendor\\Nothing\\1.0";
        QVERIFY(!registry->HasKey(missing));
        QVERIFY(!registry->ReadString(missing, "Install Path"));
        QVERIFY(
            !QSettings(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE"), QSettings::Registry32Format)
                 .childGroups()
                 .contains(QStringLiteral("Vantorel Test Vendor"), Qt::CaseInsensitive));

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
        const auto folder = registry->ReadString(game + "\\1.0", "Install Path");
        QSettings(key, QSettings::Registry32Format).remove(QString());
        QCOMPARE(folder.value_or("none"), std::string("C:\\Spiele\\XvT \xc3\x84"));
    }
#endif
};

QTEST_MAIN(ShellPartsTest)
#include "ShellPartsTest.moc"
