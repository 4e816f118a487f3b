#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <vector>

#include "app/AppServices.h"
#include "app/CommandTarget.h"
#include "document/LevelDocument.h"

namespace vantorel {

class CLevelPropertiesBar;
class CQVView;

// One open mission in a window: the core document plus what the window layer
// adds (title, file name, the views that show it, the save questions).
class CQVDoc : public QObject, public CommandTarget {
    Q_OBJECT
public:
    // The bar hosts the property windows of every document; none in tests
    // that need no windows.
    CQVDoc(AppServices& services, CLevelPropertiesBar* bar, QObject* parent = nullptr);
    ~CQVDoc() override;

    // A new mission with the defaults of the settings.
    bool OnNewDocument();
    // Reads the file and its wave listing. False (after saying why) when the
    // file was refused; the document is then thrown away by the caller.
    bool OnOpenDocument(const QString& path);
    // A mission brought back from the recovery folder: it belongs to `path`
    // (empty for one never saved) and is unsaved until the user saves it.
    void OnRestoreDocument(Mission mission, const QString& path);

    // The file was changed or removed by another program: an unmodified
    // mission reloads, a modified one asks; a removed file leaves the mission
    // modified so it is not lost. The file is watched, so this runs by
    // itself.
    void CheckDiskNow();

    // The Save and Save As commands: pending edits are applied first, a
    // mission that was never saved is offered the game folder that suits its
    // type, and the wave listing is written after the mission. False when the
    // user cancelled or the file could not be written.
    bool DoFileSave();
    bool DoSaveAs();

    // Asked before the document closes: Yes saves, No throws the changes
    // away, Cancel keeps the document open (returns false).
    bool SaveModified();

    LevelDocument& Level() { return doc_; }
    CLevelPropertiesBar* Bar() const { return bar_; }
    Mission& GetMission() { return doc_.GetMission(); }
    bool IsModified() const { return doc_.IsModified(); }
    void SetModifiedFlag(bool modified = true);

    // The name shown in window titles: the file name, or for a mission never
    // saved "XvT Level<n>" or what the wizard named it ("New Melee").
    QString Title() const { return title_; }
    void SetTitle(const QString& title);
    // The full path, empty while untitled.
    QString PathName() const;

    void AddView(CQVView* view);
    void RemoveView(CQVView* view);
    const std::vector<CQVView*>& Views() const { return views_; }
    // Redraws every view of the document.
    void UpdateAllViews();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    // The user asked for the mission check (after a delete that moved
    // references).
    void checkRequested();
    // The title or the modified mark changed.
    void titleChanged();
    // The mission changed (an edit, an undo, a new mission), or what Undo
    // and Redo would do.
    void changed();
    // Flight groups were selected or deselected.
    void selectionChanged();
    // The document was read from or written to this file.
    void fileUsed(const QString& path);

private:
    // Delete Flightgroup, offering the mission check when fields elsewhere
    // named the deleted flight groups or ones after them by position.
    void DeleteFlightGroups();
    bool SaveTo(const QString& path);
    void Watch();
    void Reload();
    void OnDocumentEvent(DocumentEvent event);
    // Every window writes back, and afterwards reloads.
    void ApplyAll();
    void RefreshAll();
    // The new flight group wizard, modal; its Finish adds to this mission.
    void OnFlightGroupWizard();

    AppServices& services_;
    CLevelPropertiesBar* bar_;
    LevelDocument doc_;
    int listener_ = 0;
    bool shownModified_ = false;
    QFileSystemWatcher watcher_;
    bool checkingDisk_ = false;
    QString title_;
    std::vector<CQVView*> views_;
};

}  // namespace vantorel
