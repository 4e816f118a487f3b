#include "app/UndoKeys.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

#include "app/CMainFrame.h"
#include "ui/CommandIds.h"

namespace vantorel {

UndoKeys::UndoKeys(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    qApp->installEventFilter(this);
}

UndoKeys::~UndoKeys() {
    qApp->removeEventFilter(this);
}

int UndoKeys::CommandOf(const QKeyEvent& key) {
    const QKeyCombination k = key.keyCombination();
    if (k == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)) return kCmdEditUndo;
    if (k == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        k == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z))
        return kCmdEditRedo;
    return 0;
}

bool UndoKeys::InEditorWindow(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    QWidget* window = widget->window();
    if (qobject_cast<QDialog*>(window)) return false;
    // The main window, or a floating window it owns.
    return window == &frame_ ||
           (window->parentWidget() && window->parentWidget()->window() == &frame_);
}

bool UndoKeys::eventFilter(QObject* watched, QEvent* event) {
    const bool override = event->type() == QEvent::ShortcutOverride;
    if (!override && event->type() != QEvent::KeyPress) return false;
    const int id = CommandOf(*static_cast<QKeyEvent*>(event));
    if (id == 0 || !InEditorWindow(watched)) return false;
    if (override) {
        // The box does not get to take the key for itself; it comes here
        // again as a key press.
        event->accept();
        return true;
    }
    frame_.UpdateCommandUI();
    if (QAction* a = frame_.Action(id); a && a->isEnabled()) frame_.RunCommand(id);
    return true;
}

}  // namespace vantorel
