#pragma once

#include <QObject>

class QKeyEvent;

namespace vantorel {

class CMainFrame;

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z do what the Edit menu says from every
// window of the editor: a text or number box of a property window would take
// them for its own undo, and the frame's shortcuts do not reach the floating
// windows. Modal dialogs keep the keys for their boxes (nothing of the
// mission changes before their OK).
class UndoKeys : public QObject {
    Q_OBJECT
public:
    explicit UndoKeys(CMainFrame& frame);
    ~UndoKeys() override;

    // The Edit command a key press stands for; 0 for none.
    static int CommandOf(const QKeyEvent& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InEditorWindow(QObject* watched) const;

    CMainFrame& frame_;
};

}  // namespace vantorel
