#include "app/COptionsDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AutoSaver.h"
#include "app/ConfigurePaths.h"
#include "platform/FileDialogs.h"
#include "platform/Prompter.h"
#include "platform/Settings.h"

namespace vantorel {

COptionsDlg::COptionsDlg(Settings& settings, FileDialogs& dialogs, Prompter& prompter,
                         QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      dialogs_(dialogs),
      prompter_(prompter),
      tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Options"));

    // General
    auto* general = new QWidget;
    confirmDelete_ = new QCheckBox(QStringLiteral("&Confirm on delete"), general);
    gotBop_ = new QCheckBox(QStringLiteral("Balance of &Power is installed"), general);
    auto* defaults = new QGroupBox(QStringLiteral("&Default"), general);
    missionType_ = new QComboBox(defaults);
    for (const char* item : {"Training", "1", "Melee", "Multiplayer Training", "Multiplayer Combat",
                             "5", "6", "7", "8", "9", "10"})
        missionType_->addItem(QString::fromLatin1(item));
    initialFg_ = new QCheckBox(QStringLiteral("&Automatically create a flight group"), defaults);
    auto* typeLabel = new QLabel(QStringLiteral("&Mission Type:"), defaults);
    typeLabel->setBuddy(missionType_);
    auto* defaultsLayout = new QFormLayout(defaults);
    defaultsLayout->addRow(typeLabel, missionType_);
    defaultsLayout->addRow(initialFg_);
    // How often copies of unsaved missions are made for crash recovery.
    autosave_ = new QSpinBox(general);
    autosave_->setRange(0, 240);
    autosave_->setSpecialValueText(QStringLiteral("0 (off)"));
    auto* autosaveLabel = new QLabel(QStringLiteral("Auto&save every"), general);
    autosaveLabel->setBuddy(autosave_);
    auto* autosaveRow = new QHBoxLayout;
    autosaveRow->addWidget(autosaveLabel);
    autosaveRow->addWidget(autosave_);
    autosaveRow->addWidget(new QLabel(QStringLiteral("minutes"), general));
    autosaveRow->addStretch(1);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(confirmDelete_);
    generalLayout->addWidget(gotBop_);
    generalLayout->addWidget(defaults);
    generalLayout->addLayout(autosaveRow);
    generalLayout->addStretch(1);

    // Open
    auto* open = new QWidget;
    auto* openGroup = new QGroupBox(QStringLiteral("Default &Folder"), open);
    defaultOpen_ = new QLineEdit(openGroup);
    auto* browseOpen = new QPushButton(QStringLiteral("&Browse"), openGroup);
    auto* openRow = new QHBoxLayout(openGroup);
    openRow->addWidget(defaultOpen_, 1);
    openRow->addWidget(browseOpen);
    auto* openLayout = new QVBoxLayout(open);
    openLayout->addWidget(openGroup);
    openLayout->addStretch(1);
    connect(browseOpen, &QPushButton::clicked, this, &COptionsDlg::BrowseDefaultOpen);

    // Save
    auto* save = new QWidget;
    auto* saveGroup = new QGroupBox(QStringLiteral("&X-Wing vs. TIE Fighter folder"), save);
    gameFolder_ = new QLineEdit(saveGroup);
    auto* browseGame = new QPushButton(QStringLiteral("&Browse"), saveGroup);
    auto* saveRow = new QHBoxLayout(saveGroup);
    saveRow->addWidget(gameFolder_, 1);
    saveRow->addWidget(browseGame);
    saveToFolder_ = new QCheckBox(QStringLiteral("&Save to appropriate subfolder"), save);
    auto* saveLayout = new QVBoxLayout(save);
    saveLayout->addWidget(saveGroup);
    saveLayout->addWidget(saveToFolder_);
    saveLayout->addStretch(1);
    connect(browseGame, &QPushButton::clicked, this, &COptionsDlg::BrowseGameFolder);

    tabs_->addTab(general, QStringLiteral("General"));
    tabs_->addTab(open, QStringLiteral("Open"));
    tabs_->addTab(save, QStringLiteral("Save"));
    connect(tabs_, &QTabWidget::currentChanged, this, &COptionsDlg::LoadPage);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionsDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);

    LoadPage(tabs_->currentIndex());
}

void COptionsDlg::LoadPage(int page) {
    if (page < 0 || page > 2 || loaded_[page]) return;
    loaded_[page] = true;
    switch (page) {
        case kGeneral: {
            confirmDelete_->setChecked(settings_.GetInt("Settings", "ConfirmDelete", 1) != 0);
            gotBop_->setChecked(settings_.GetInt("Paths", "GotBOP", 1) != 0);
            const int type = settings_.GetInt("Settings", "InitialMission", 2);
            missionType_->setCurrentIndex(type >= 0 && type < missionType_->count() ? type : -1);
            initialFg_->setChecked(settings_.GetInt("Settings", "InitialFG", 1) != 0);
            autosave_->setValue(
                settings_.GetInt("Settings", "AutosaveMinutes", kDefaultAutosaveMinutes));
            break;
        }
        case kOpen:
            defaultOpen_->setText(
                QString::fromStdString(settings_.GetString("Paths", "DefaultOpen", "")));
            break;
        case kSave:
            // Here a missing folder reads as empty, not as never configured.
            gameFolder_->setText(QString::fromStdString(settings_.GetString("Paths", "XVT", "")));
            saveToFolder_->setChecked(settings_.GetInt("Settings", "SaveToFolder", 1) != 0);
            break;
    }
}

void COptionsDlg::Browse(QLineEdit* edit, const char* title) {
    const FileDialogs::FolderChoice choice = dialogs_.BrowseForFolder(title);
    switch (choice.status) {
        case FileDialogs::FolderStatus::Chosen:
            edit->setText(QString::fromStdString(choice.path));
            break;
        case FileDialogs::FolderStatus::NoDesktopRoot:
            prompter_.Show(kNoDesktopRootText, PromptIcon::Warning, PromptButtons::Ok);
            break;
        case FileDialogs::FolderStatus::NotAFileSystemPath:
            prompter_.Show(kNotAFileSystemPathText, PromptIcon::Warning, PromptButtons::Ok);
            break;
        case FileDialogs::FolderStatus::Cancelled:
            break;  // the typed text stays
    }
}

void COptionsDlg::BrowseDefaultOpen() {
    Browse(defaultOpen_, kOpenFolderBrowseTitle);
}
void COptionsDlg::BrowseGameFolder() {
    Browse(gameFolder_, kGameFolderBrowseTitle);
}

void COptionsDlg::accept() {
    if (loaded_[kGeneral]) {
        settings_.SetInt("Settings", "ConfirmDelete", confirmDelete_->isChecked() ? 1 : 0);
        settings_.SetInt("Paths", "GotBOP", gotBop_->isChecked() ? 1 : 0);
        settings_.SetInt("Settings", "InitialFG", initialFg_->isChecked() ? 1 : 0);
        // No choice in the list keeps what was stored.
        if (missionType_->currentIndex() >= 0)
            settings_.SetInt("Settings", "InitialMission", missionType_->currentIndex());
        settings_.SetInt("Settings", "AutosaveMinutes", autosave_->value());
    }
    if (loaded_[kSave]) {
        settings_.SetString("Paths", "XVT", gameFolder_->text().toStdString());
        settings_.SetInt("Settings", "SaveToFolder", saveToFolder_->isChecked() ? 1 : 0);
    }
    if (loaded_[kOpen])
        settings_.SetString("Paths", "DefaultOpen", defaultOpen_->text().toStdString());
    QDialog::accept();
}

}  // namespace vantorel
