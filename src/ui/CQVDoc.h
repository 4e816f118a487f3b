#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <vector>

#include "document/LevelDocument.h"
#include "ui/AppServices.h"
#include "ui/DocumentHub.h"

class QWidget;

namespace vantorel {

// One open mission in a window: the core document plus what the window layer
// adds (title, file name, the views that show it, the save questions). The
// commands of the Edit and Flight Group menus live with the program's
// commands; this is what every window shares.
class CQVDoc : public QObject {
    Q_OBJECT
public:
    // The hub hosts the property windows of every document; none in tests
    // that need no windows.
    CQVDoc(AppServices& services, DocumentHub* hub, QObject* parent = nullptr);
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
    DocumentHub* Hub() const { return hub_; }
    Mission& GetMission() { return doc_.GetMission(); }
    bool IsModified() const { return doc_.IsModified(); }
    void SetModifiedFlag(bool modified = true);

    // The name shown in window titles: the file name, or for a mission never
    // saved "XvT Level<n>" or what the wizard named it ("New Melee").
    QString Title() const { return title_; }
    void SetTitle(const QString& title);
    // The full path, empty while untitled.
    QString PathName() const;

    void AddView(QWidget* view);
    void RemoveView(QWidget* view);
    const std::vector<QWidget*>& Views() const { return views_; }
    // Redraws every view of the document.
    void UpdateAllViews();
    // Every map of the document moves to show the selection.
    void CentreViewsOnSelection();

    // Every window writes back, and afterwards reloads.
    void ApplyAll();
    void RefreshAll();

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
    // The maps should show the selection.
    void centreOnSelectionRequested();
    // The document was read from or written to this file.
    void fileUsed(const QString& path);
    // Something the user should hear of without being stopped (the file was
    // deleted by another program).
    void notice(const QString& text);

private:
    bool SaveTo(const QString& path);
    void Watch();
    void Reload();
    void OnDocumentEvent(DocumentEvent event);

    AppServices& services_;
    DocumentHub* hub_;
    LevelDocument doc_;
    int listener_ = 0;
    bool shownModified_ = false;
    QFileSystemWatcher watcher_;
    bool checkingDisk_ = false;
    bool missingNoticed_ = false;  // told once until the file is there again
    QString title_;
    std::vector<QWidget*> views_;
};

}  // namespace vantorel
