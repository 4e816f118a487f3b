#pragma once

#include <QObject>

namespace vantorel {

class CLevelPropertiesBar;
class CQVDoc;

// The Edit menu's Cut, Copy and Paste. Flight groups and radio messages go
// through the system clipboard, so they move between missions, windows and
// runs of the editor: in a private format that keeps every byte, and as
// their report lines in plain text for pasting into notes.

// The MIME type of the private format.
inline constexpr const char* kMissionItemsMimeType = "application/x-vantorel-mission-items";

// `bar` is the level properties bar (none in tests without windows); it
// counts only while it works on `doc`.

// What Copy takes: the current message when the Messages tab has the
// keyboard, else the selected flight groups. False when that is nothing.
bool CanCopy(CQVDoc& doc, CLevelPropertiesBar* bar);
// Copy, and for Cut also take out what was copied (one edit).
bool CopyToClipboard(CQVDoc& doc, CLevelPropertiesBar* bar, bool cut);
// Appends what the clipboard holds to the mission as one edit and selects
// it. False when it holds nothing of ours, or nothing was pasted.
bool PasteFromClipboard(CQVDoc& doc, CLevelPropertiesBar* bar);

// Whether the clipboard holds flight groups or messages, kept up to date
// from the clipboard's own change signal (asking the clipboard each time the
// commands are updated could wait on another program).
class ClipboardWatch : public QObject {
    Q_OBJECT
public:
    static ClipboardWatch& Instance();
    bool HasItems() const { return hasItems_; }
    // Looks at the clipboard now. The watch looks by itself only when the
    // clipboard changes: the program's first look waits until its window
    // is on the screen, since on X11 asking what the clipboard holds waits
    // for the program that holds it, and loads every image plugin installed.
    void Update();

signals:
    // After HasItems may have changed.
    void changed();

private:
    ClipboardWatch();

    bool hasItems_ = false;
};

}  // namespace vantorel
