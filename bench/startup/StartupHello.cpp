// The floor of the start-up benchmark: a Qt Widgets program that shows an
// empty main window, built with the same Qt and flags as the editor and
// timed by the same probe. With --text it also shows what costs a first
// window most when it has words in it (the font database, shaping, glyphs):
// a menu bar, a status line and a docked list of 43 rows of names.
#include <QApplication>
#include <QDockWidget>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <cstring>

#include "app/StartupProbe.h"

namespace {

void AddText(QMainWindow& window) {
    for (const char* menu : {"&File", "&Edit", "&View", "&Window", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("&Open"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    auto* dock = new QDockWidget(QStringLiteral("Level Properties"), &window);
    auto* list = new QListWidget(dock);
    list->setUniformItemSizes(true);
    for (int i = 1; i <= 43; ++i)
        list->addItem(QStringLiteral("Alpha %1  X-Wing  Team %2").arg(i).arg(i % 10 + 1));
    dock->setWidget(list);
    window.addDockWidget(Qt::LeftDockWidgetArea, dock);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Hello"));
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) AddText(window);
    window.showMaximized();
    vantorel::StartupProbe::WatchIfAsked(&window);
    return app.exec();
}
