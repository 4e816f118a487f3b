#include "app/CQVApp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>

#include "app/AfterFirstPaint.h"
#include "app/AutoSaver.h"
#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/COptionsDlg.h"
#include "app/CSplashWnd.h"
#include "app/ConfigurePaths.h"
#include "app/DocumentClipboard.h"
#include "app/SplashFreeQuestions.h"
#include "catalogue/CraftIcons.h"
#include "catalogue/TeamThemes.h"
#include "platform/PathText.h"
#include "ui/CommandIds.h"
#include "wizards/NewMissionBuilder.h"
#include "wizards/ui/CWizardNewLevel.h"

namespace vantorel {

namespace {
constexpr const char* kMissionFilter = "XvT Levels (*.tie)";
}

CQVApp::CQVApp(AppServices& services)
    : services_(services), recent_(services.settings, kRecentFileCount) {}

CQVApp::~CQVApp() = default;

bool CQVApp::InitInstance(const QStringList& arguments) {
    // The command line: a mission to open, and the switches the shell uses.
    QString file;
    bool splash = QGuiApplication::platformName() != QStringLiteral("offscreen");
    for (const QString& arg : arguments) {
        const QString lower = arg.toLower();
        if (lower == QStringLiteral("/nologo") || lower == QStringLiteral("-nologo") ||
            lower == QStringLiteral("--nologo")) {
            splash = false;
        } else if (!arg.startsWith(QLatin1Char('-')) && file.isEmpty()) {
            file = arg;
        }
    }
    CSplashWnd::ShowSplash(splash);
    CSplashWnd::SetSplashStatus(QStringLiteral("Initialising..."));

    recent_.Load();

    // The craft icons are rendered as the map first draws each of them.
    CSplashWnd::SetSplashStatus(QStringLiteral("Building icons..."));
    CSplashWnd::SetSplashStatus(QStringLiteral("Loading themes..."));
    SplashFreeQuestions questions(services_.fileDialogs, services_.prompter);
    LoadThemes(services_.settings, questions,
               PathFromUtf8(QCoreApplication::applicationDirPath().toStdString()));
    CSplashWnd::SetSplashStatus(QStringLiteral("Initialising..."));
    services_.random =
        SeededRandomSource(uint32_t(QDateTime::currentMSecsSinceEpoch() & 0xFFFFFFFF));

    frame_ = std::make_unique<CMainFrame>(services_, recent_, this);
    frame_->LoadBarState();

    ConfigurePaths(
        services_.settings, services_.gameRegistry, questions, questions,
        [](const char* text) { CSplashWnd::SetSplashStatus(QString::fromLatin1(text)); });

    if (file.isEmpty()) {
        frame_->NewDocument();
    } else if (!frame_->OpenDocumentFile(file)) {
        return false;
    }
    frame_->showMaximized();
    frame_->UpdateCommandUI();
    AfterFirstPaint(frame_.get(), [] { ClipboardWatch::Instance().Update(); });
    frame_->OfferRecovery();
    return true;
}

void CQVApp::ExitInstance() {
    SaveThemeSettings(services_.settings);
    DestroyCraftIcons();
}

void CQVApp::OnFileOpen() {
    // The dialog starts in the configured folder; the process's current
    // folder is left alone either way.
    const std::string start = services_.settings.GetString("Paths", "DefaultOpen", "");
    if (auto path = services_.fileDialogs.OpenFile(start, kMissionFilter))
        frame_->OpenDocumentFile(QString::fromStdString(*path));
}

void CQVApp::OnAppAbout() {
    CAboutDlg dlg(services_.prompter, frame_.get());
    connect(&dlg, &CAboutDlg::hoverText, frame_->MessagePane(), &QLabel::setText);
    dlg.exec();
}

void CQVApp::OnOptions() {
    COptionsDlg dlg(services_.settings, services_.fileDialogs, services_.prompter, frame_.get());
    if (dlg.exec() == QDialog::Accepted) frame_->Autosave().ApplySettings();
}

void CQVApp::OnNewMissionWizard() {
    // Modal to the whole program, but not a nested loop: the wizard's Finish
    // builds the mission in a new window of its own.
    auto* wizard = new CWizardNewLevel(services_.prompter, frame_.get());
    wizard->setAttribute(Qt::WA_DeleteOnClose);
    wizard->setWindowModality(Qt::ApplicationModal);
    connect(wizard, &QDialog::accepted, this, [this, wizard] {
        const NewMissionChoices choices = wizard->Choices();
        frame_->NewBuiltDocument(
            [&choices](LevelDocument& doc) { NewMissionBuilder(doc).Build(choices); },
            QString::fromStdString(NewMissionTitle(choices.Kind)));
    });
    wizard->show();
}

bool CQVApp::OnCommand(int id) {
    switch (id) {
        case kCmdNewMissionWizard:
            OnNewMissionWizard();
            return true;
        case kCmdFileNew:
            frame_->NewDocument();
            return true;
        case kCmdFileOpen:
            OnFileOpen();
            return true;
        case kCmdOptions:
            OnOptions();
            return true;
        case kCmdAppAbout:
            OnAppAbout();
            return true;
        default:
            return false;
    }
}

bool CQVApp::OnUpdateCommand(int id, CommandState&) {
    return id == kCmdFileNew || id == kCmdFileOpen || id == kCmdOptions || id == kCmdAppAbout ||
           id == kCmdNewMissionWizard;
}

}  // namespace vantorel
