#include <QIcon>
#include <QtTest>

#include "app/AppPictures.h"

using namespace vantorel;

class DesktopIntegrationTest : public QObject {
    Q_OBJECT
private slots:
    // The window icon is the shipped picture set, linked into the program.
    void windowIconHasEveryShippedSize() {
        const QList<QSize> sizes = AppIcon().availableSizes();
        for (int s : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(s, s)), qPrintable(QString::number(s)));
        QVERIFY(!AppIcon().pixmap(32).isNull());
    }
};

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
