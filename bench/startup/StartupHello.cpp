// The floor of the start-up benchmark: a Qt Widgets program that shows an
// empty main window, built with the same Qt and flags as the editor and
// timed by the same probe.
#include <QApplication>
#include <QMainWindow>

#include "app/StartupProbe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Hello"));
    window.showMaximized();
    vantorel::StartupProbe::WatchIfAsked(&window);
    return app.exec();
}
