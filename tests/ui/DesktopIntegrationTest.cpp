#include <QFileOpenEvent>
#include <QIcon>
#include <QtTest>

#include "app/AppPictures.h"
#include "app/ShellOpenFilter.h"

using namespace vantorel;

class DesktopIntegrationTest : public QObject {
    Q_OBJECT
private slots:
    // The window icon is the shipped picture set, linked into the program.
    void windowIconHasEveryShippedSize() {
        const QList<QSize> sizes = AppIcon().availableSizes();
        for (int s : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
        // Read when first needed, each size gives what an icon of all the
        // files gives: the same picture chosen, scaled and greyed alike.
        QIcon eager;
        for (int s : {16, 24, 32, 48, 64, 128, 256})
            eager.addFile(QStringLiteral(":/icons/%1.png").arg(s), QSize(s, s));
        const QIcon lazy = AppIcon();
        for (int s : {16, 20, 32, 40, 100, 256, 300}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                const QString what = QStringLiteral("size %1 mode %2").arg(s).arg(int(mode));
                QCOMPARE(lazy.actualSize(QSize(s, s), mode), eager.actualSize(QSize(s, s), mode));
                const QImage got = lazy.pixmap(s, mode).toImage();
                QVERIFY2(!got.isNull(), qPrintable(what));
                QVERIFY2(got == eager.pixmap(s, mode).toImage(), qPrintable(what));
            }
        }
    }

    // A file the desktop sends reaches the callback; other events go on.
    void fileOpenEventsAreHandedOnAndConsumed() {
        QStringList opened;
        ShellOpenFilter filter([&](const QString& file) { opened << file; });
        qApp->installEventFilter(&filter);
        QObject target;
        QFileOpenEvent open(QStringLiteral("/missions/caf\u00e9.tie"));
        QVERIFY(QCoreApplication::sendEvent(&target, &open));  // consumed
        QCOMPARE(opened, QStringList{QStringLiteral("/missions/caf\u00e9.tie")});
        QEvent other(QEvent::User);
        QCoreApplication::sendEvent(&target, &other);
        QCOMPARE(opened.size(), 1);
        qApp->removeEventFilter(&filter);
    }
};

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
