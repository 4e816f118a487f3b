#include <QApplication>
#include <QTimer>

#include "app/AppPictures.h"
#include "app/CMainFrame.h"
#include "app/CQVApp.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtSettings.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/SystemGameRegistry.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    QApplication::setApplicationName(QStringLiteral("Quarrow"));
    // No display name: the platform would append it to every window title,
    // so message boxes would no longer read "Quarrow" and the main window
    // would name the program twice.
    QApplication::setWindowIcon(vantorel::AppIcon());

    vantorel::QtSettings settings;
    vantorel::QtPrompter prompter;
    vantorel::QtFileDialogs dialogs;
    auto registry = vantorel::CreateSystemGameRegistry();
    vantorel::QtSound sound;
    vantorel::AppServices services{settings, prompter, dialogs, *registry, sound};

    vantorel::CQVApp app(services);
    if (!app.InitInstance(QApplication::arguments().mid(1))) return 1;
    dialogs.SetOwner(app.MainFrame());
    prompter.SetOwner(app.MainFrame());
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
