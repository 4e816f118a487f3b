#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "app/AfterFirstPaint.h"
#include "app/AppPictures.h"
#include "app/CMainFrame.h"
#include "app/CQVApp.h"
#include "app/ShellOpenFilter.h"
#include "app/StandardIconCache.h"
#include "app/StartupProbe.h"
#include "platform/qt/FontWarmUp.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtSettings.h"
#include "platform/qt/SystemGameRegistry.h"
#include "platform/qt/SystemSound.h"
#include "ui/PictureCache.h"

constexpr const char* kHelpText =
    "usage: vantorel [-nologo] [FILE]\n"
    "       vantorel --help | --version\n\n"
    "Opens the mission FILE (*.tie, of X-Wing vs. TIE Fighter or Balance of Power), or a\n"
    "new mission when none is given.\n\n"
    "options:\n"
    "  -nologo    start without the splash window\n"
    "  --help     print this help and stop\n"
    "  --version  print the version and stop\n";

// --version and --help answer before any window or display is needed. A
// Windows GUI program has no console of its own, so it borrows the one it
// was started from.
static bool Answered(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const bool version = std::strcmp(argv[i], "--version") == 0;
        if (!version && std::strcmp(argv[i], "--help") != 0 && std::strcmp(argv[i], "-h") != 0)
            continue;
#ifdef _WIN32
        if (AttachConsole(ATTACH_PARENT_PROCESS)) std::freopen("CONOUT$", "w", stdout);
#endif
        if (version)
            std::printf("vantorel %s\n", VANTOREL_VERSION);
        else
            std::fputs(kHelpText, stdout);
        std::fflush(stdout);
        return true;
    }
    return false;
}

int main(int argc, char** argv) {
    if (Answered(argc, argv)) return 0;
    vantorel::FontWarmUp fonts;
    QApplication qapp(argc, argv);
    vantorel::StandardIconCache::InstallIfFusion();
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    QApplication::setApplicationName(QStringLiteral("Quarrow"));
    // No display name: the platform would append it to every window title,
    // so message boxes would no longer read "Quarrow" and the main window
    // would name the program twice.
    // Pictures the program paints are kept in the user's cache folder.
    vantorel::PictureCache::Program().SetFile(vantorel::PictureCache::DefaultFile(),
                                              vantorel::PictureCache::ThisBuild());
    QApplication::setWindowIcon(vantorel::AppIcon());
    // Ties the windows to the installed menu entry (and its icon) on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vantorel"));

    vantorel::QtSettings settings;
    vantorel::QtPrompter prompter;
    vantorel::QtFileDialogs dialogs;
    auto registry = vantorel::CreateSystemGameRegistry();
    auto sound = vantorel::CreateSystemSound();
    vantorel::AppServices services{settings, prompter, dialogs, *registry, *sound};

    vantorel::CQVApp app(services);
    // Files the desktop sends while the program starts wait for the main window.
    std::vector<QString> early;
    vantorel::ShellOpenFilter shellOpen([&](const QString& file) {
        if (app.MainFrame() != nullptr)
            app.MainFrame()->OpenDocumentFile(file);
        else
            early.push_back(file);
    });
    qapp.installEventFilter(&shellOpen);
    // What the start changes in the settings (its recent files) is written
    // once the window is on the screen: writing waits for the disk.
    settings.HoldWrites();
    fonts.Wait();  // the splash and the window are text from here on
    if (!app.InitInstance(QApplication::arguments().mid(1))) return 1;
    vantorel::AfterFirstPaint(app.MainFrame(), [&settings] { settings.ReleaseWrites(); });
    for (const QString& file : early) app.MainFrame()->OpenDocumentFile(file);
    dialogs.SetOwner(app.MainFrame());
    prompter.SetOwner(app.MainFrame());
    vantorel::StartupProbe::WatchIfAsked(app.MainFrame());
    // For pictures of the program (documentation, checks under a virtual
    // display): grab the main window once it has settled, then quit.
    const QString shot = qEnvironmentVariable("VANTOREL_SCREENSHOT");
    if (!shot.isEmpty()) {
        QTimer::singleShot(1500, &qapp, [&] {
            app.MainFrame()->grab().save(shot);
            qapp.quit();
        });
    }
    const int code = qapp.exec();
    app.ExitInstance();
    return code;
}
