#include <QTemporaryDir>
#include <QtTest>

#include "EditorFixture.h"
#include "UiMissions.h"

using namespace vantorel;
using namespace vantorel::testing;

// The map on a screen scaled to 200 %: the picture has the screen's pixels,
// while the mouse and the map keep counting in logical pixels.
class HighDpiMapTest : public QObject, EditorFixture {
    Q_OBJECT

private slots:
    void theMapIsDrawnWithTheScreensPixels() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("two.tie"));
        QVERIFY(WriteMissionFile(path, {{"Alpha Squadron", 0, 0}, {"Beta", 480, 160}}));
        Start(path);
        CQVView* view = frame->ActiveView();
        QVERIFY(doc && view && QTest::qWaitForWindowExposed(frame.get()));
        QCOMPARE(view->devicePixelRatioF(), 2.0);
        view->repaint();

        const QImage& picture = view->Frame();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), view->size() * 2);

        // A picture drawn at half size and blown up is made of 2 x 2 blocks
        // of one colour; the names and lines drawn at full size are not.
        const ScreenPoint a = ScreenFromWorld(view->State(), 0, 0, 0);
        int mixed = 0;
        for (int y = 2 * (a.y - 12); y < 2 * (a.y + 14); y += 2)
            for (int x = 2 * (a.x - 10); x < 2 * (a.x + 110); x += 2) {
                const QRgb c = picture.pixel(x, y);
                if (picture.pixel(x + 1, y) != c || picture.pixel(x, y + 1) != c ||
                    picture.pixel(x + 1, y + 1) != c)
                    ++mixed;
            }
        QVERIFY2(mixed > 20, qPrintable(QString::number(mixed)));

        // The name is where it is at 1:1: right of the marker, in logical
        // pixels (at least one lit pixel in its first rows).
        bool lit = false;
        for (int y = 2 * (a.y - 11); y < 2 * (a.y - 1) && !lit; ++y)
            for (int x = 2 * (a.x + 9); x < 2 * (a.x + 60) && !lit; ++x)
                lit = qGreen(picture.pixel(x, y)) > 100;
        QVERIFY(lit);

        // Clicks are hit-tested in logical pixels.
        Click(AtFg(1));
        QCOMPARE(SelectedFgs(), std::vector<int>{1});
        Stop();
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDpiMapTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HighDpiMapTest.moc"
