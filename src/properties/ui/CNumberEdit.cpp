#include "properties/ui/CNumberEdit.h"

#include <QApplication>
#include <QKeyEvent>

namespace vantorel {

void CNumberEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    // Keys that type nothing (arrows, shortcuts, Delete) behave as usual.
    if (typed.size() != 1 || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ||
        !typed[0].isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar ch = typed[0];
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    if (ch.isDigit()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (ch == QLatin1Char('-') && start == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (ch == QLatin1Char('.') && decimal_) {
        const int point = text().indexOf(QLatin1Char('.'));
        if (point < 0) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        if (point == start) {
            // Typing the point again in front of it steps over it.
            if (hasSelectedText())
                setSelection(start + 1, selectedText().size() - 1);
            else
                setCursorPosition(start + 1);
            return;
        }
    }
    QApplication::beep();
    event->accept();
}

}  // namespace vantorel
