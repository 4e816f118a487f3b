#include "app/CHyperlink.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "platform/Prompter.h"

namespace vantorel {

CHyperlink::CHyperlink(Prompter& prompter, QWidget* parent) : QLabel(parent), prompter_(prompter) {
    setCursor(Qt::PointingHandCursor);
    SetHover(false);
}

void CHyperlink::SetHover(bool hover) {
    hover_ = hover;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, hover ? QColor(200, 40, 40) : QColor(20, 60, 200));
    setPalette(pal);
    QFont f = font();
    f.setUnderline(hover);
    setFont(f);
}

void CHyperlink::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    SetHover(true);
    emit hoverText(link_);
}

void CHyperlink::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetHover(false);
    emit hoverText(QString());
}

void CHyperlink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        OpenLink();
}

bool CHyperlink::OpenLink() {
    if (QDesktopServices::openUrl(QUrl(link_))) return true;
    prompter_.Show(kCannotOpenLinkText + link_.toStdString(), PromptIcon::Error, PromptButtons::Ok);
    return false;
}

}  // namespace vantorel
