#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>

namespace vantorel {

class FileDialogs;
class Prompter;
class Settings;

inline constexpr const char* kOpenFolderBrowseTitle =
    "Please select the folder to start from when opening a new file.";

// The Options sheet: General, Open and Save. A page reads its settings the
// first time it is shown; OK writes the pages that were shown, Cancel
// nothing.
class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    COptionsDlg(Settings& settings, FileDialogs& dialogs, Prompter& prompter,
                QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return tabs_; }
    // General
    QCheckBox* ConfirmDelete() const { return confirmDelete_; }
    QCheckBox* GotBop() const { return gotBop_; }
    QComboBox* MissionType() const { return missionType_; }
    QCheckBox* InitialFg() const { return initialFg_; }
    QSpinBox* AutosaveMinutes() const { return autosave_; }
    // Open
    QLineEdit* DefaultOpen() const { return defaultOpen_; }
    // Save
    QLineEdit* GameFolder() const { return gameFolder_; }
    QCheckBox* SaveToFolder() const { return saveToFolder_; }

    // The Browse buttons of the Open and Save pages.
    void BrowseDefaultOpen();
    void BrowseGameFolder();

    void accept() override;

private:
    enum Page { kGeneral = 0, kOpen = 1, kSave = 2 };
    void LoadPage(int page);
    void Browse(QLineEdit* edit, const char* title);

    Settings& settings_;
    FileDialogs& dialogs_;
    Prompter& prompter_;
    bool loaded_[3] = {false, false, false};
    QTabWidget* tabs_;
    QCheckBox* confirmDelete_;
    QCheckBox* gotBop_;
    QComboBox* missionType_;
    QCheckBox* initialFg_;
    QSpinBox* autosave_;
    QLineEdit* defaultOpen_;
    QLineEdit* gameFolder_;
    QCheckBox* saveToFolder_;
};

}  // namespace vantorel
