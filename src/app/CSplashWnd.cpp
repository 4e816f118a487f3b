#include "app/CSplashWnd.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QScreen>

#include "app/AppPictures.h"

namespace vantorel {

namespace {
QPointer<CSplashWnd> g_splash;
constexpr int kStripWidth = 138;
constexpr int kStripHeight = 25;
}  // namespace

CSplashWnd::CSplashWnd()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(ProgramPicture()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture_.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    timer_.setSingleShot(true);
    timer_.setInterval(750);
    connect(&timer_, &QTimer::timeout, this, &CSplashWnd::Dismiss);
    timer_.start();
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd() {
    qApp->removeEventFilter(this);
}

void CSplashWnd::ShowSplash(bool enabled) {
    if (!enabled || g_splash) return;
    g_splash = new CSplashWnd;
    g_splash->show();
    g_splash->repaint();
}

CSplashWnd* CSplashWnd::Instance() {
    return g_splash;
}

void CSplashWnd::SetSplashStatus(const QString& text) {
    if (g_splash) g_splash->SetStatus(text);
}

void CSplashWnd::CloseSplash() {
    if (!g_splash) return;
    g_splash->Dismiss();
    delete g_splash.data();
}

void CSplashWnd::SetStatus(const QString& text) {
    status_ = text;
    if (isVisible()) repaint();
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
    if (status_.isEmpty()) return;
    const int bottom = height();
    p.fillRect(QRect(0, bottom - kStripHeight, kStripWidth, kStripHeight), Qt::black);
    p.setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
    p.setPen(Qt::white);
    p.drawText(QRect(8, bottom - kStripHeight, width() - 8, kStripHeight - 8),
               Qt::AlignLeft | Qt::AlignBottom, status_);
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            Dismiss();
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

void CSplashWnd::Dismiss() {
    qApp->removeEventFilter(this);
    timer_.stop();
    emit dismissed();
    close();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->update();
}

}  // namespace vantorel
