#include "platform/qt/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "platform/qt/ProgramPictures.h"

namespace vantorel {

PromptAnswer QtPrompter::Show(const std::string& text, PromptIcon icon, PromptButtons buttons,
                              const std::string& caption) {
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
        case PromptIcon::Information:
            qicon = QMessageBox::Information;
            break;
        case PromptIcon::Warning:
            qicon = QMessageBox::Warning;
            break;
        case PromptIcon::Error:
            qicon = QMessageBox::Critical;
            break;
        case PromptIcon::Question:
            qicon = QMessageBox::Question;
            break;
        case PromptIcon::None:
        case PromptIcon::ProgramInformation:
            break;
    }
    QMessageBox::StandardButtons qbuttons = QMessageBox::Ok;
    switch (buttons) {
        case PromptButtons::Ok:
            qbuttons = QMessageBox::Ok;
            break;
        case PromptButtons::OkCancel:
            qbuttons = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case PromptButtons::YesNo:
            qbuttons = QMessageBox::Yes | QMessageBox::No;
            break;
        case PromptButtons::YesNoCancel:
            qbuttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    QWidget* parent = owner_ ? owner_.data() : QApplication::activeWindow();
    // The start-up splash closes itself on a timer and would take its
    // children along: a message shown over it belongs to no window.
    if (parent && parent->windowType() == Qt::SplashScreen) parent = nullptr;
    // Held by a guard all the same, so an owner that goes while the box is
    // open cannot leave it deleted twice.
    QPointer<QMessageBox> box = new QMessageBox(qicon, QString::fromStdString(caption),
                                                QString::fromStdString(text), qbuttons, parent);
    if (icon == PromptIcon::ProgramInformation) box->setIconPixmap(InformationPicture(32));
    const int result = box->exec();
    delete box.data();
    switch (result) {
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        default:
            // Closing the box with Escape or its close button is the safe answer.
            return buttons == PromptButtons::Ok      ? PromptAnswer::Ok
                   : buttons == PromptButtons::YesNo ? PromptAnswer::No
                                                     : PromptAnswer::Cancel;
    }
}

}  // namespace vantorel
