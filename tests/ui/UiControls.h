#pragma once

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "properties/ui/CControlPanel.h"
#include "properties/ui/CEditDialog.h"
#include "properties/ui/CEditPage.h"
#include "properties/ui/CPropertySheet.h"
#include "properties/ui/ControlWidget.h"

namespace vantorel::testing {

// The widget of a control on a page or dialog, as the type the test wants.
template <class W>
W* ControlOf(CControlPanel& panel, int id) {
    ControlWidget* w = panel.Control(id);
    return w ? qobject_cast<W*>(w->Widget()) : nullptr;
}
// None on a page not built yet.
template <class W>
W* ControlOf(CPropertySheet& sheet, int tab, int id) {
    CEditPage* page = sheet.Page(tab);
    return page ? ControlOf<W>(page->Panel(), id) : nullptr;
}

// Presses `button` and runs `answer` on the modal dialog it opens, from the
// dialog's own event loop; the dialog is closed with OK unless `answer`
// closed it. False when no such dialog opened.
template <class D = CEditDialog, class F>
bool ClickAndAnswer(QAbstractButton* button, F answer) {
    bool answered = false;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!dialog) return;
            answered = true;
            // A failed check returns from `answer` only: the dialog still closes.
            answer(*dialog);
            if (dialog->isVisible())
                dialog->template findChild<QDialogButtonBox*>()
                    ->button(QDialogButtonBox::Ok)
                    ->click();
        },
        Qt::QueuedConnection);
    QTest::mouseClick(button, Qt::LeftButton);
    return answered && !QTest::currentTestFailed();
}

// Types `text` over what the box holds, as a user would.
inline void Type(QWidget* w, const QString& text) {
    w->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->selectAll();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) spin->selectAll();
    QTest::keyClicks(w, text);
}

// Steps a list box down `steps` entries with the keyboard.
inline void Choose(QWidget* combo, int steps) {
    combo->setFocus();
    for (int i = 0; i < steps; ++i) QTest::keyClick(combo, Qt::Key_Down);
}

}  // namespace vantorel::testing
