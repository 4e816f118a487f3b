#include <QFileOpenEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "UiFakes.h"
#include "app/AppPictures.h"
#include "app/CAboutDlg.h"
#include "app/CHyperlink.h"
#include "app/CSplashWnd.h"
#include "app/RecentFiles.h"
#include "app/ShellOpenFilter.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtSettings.h"
#include "platform/qt/SystemSound.h"
#include "properties/ui/CLevelPropertiesBar.h"
#include "properties/ui/CLevelPropertiesSheet.h"
#include "ui/CQVDoc.h"

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

    // The window icon is the shipped picture set, linked into the program.
    void windowIconHasEveryShippedSize() {
        const QList<QSize> sizes = AppIcon().availableSizes();
        for (int s : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
        // Read when first needed, each size gives what an icon of all the
        // files gives: the same picture chosen, scaled and greyed alike.
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
};

QTEST_MAIN(ShellPartsTest)
#include "ShellPartsTest.moc"
