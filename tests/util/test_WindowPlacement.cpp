// Where a stored main window comes back: kept, fitted to its screen, or
// centred (no placement), for sane, huge and hostile stored values.
#include <QtTest>

#include <climits>

#include "util/WindowPlacement.h"

using namespace tw;

using Placement = std::optional<QRect>;
Q_DECLARE_METATYPE(Placement)

class WindowPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void placements_data() {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<Placement>("expected");
        const Placement centred;
        QTest::newRow("kept") << QRect(40, 50, 600, 400) << Placement(QRect(40, 50, 600, 400));
        QTest::newRow("partly off the right edge, kept")
            << QRect(1800, 50, 600, 400) << Placement(QRect(1800, 50, 600, 400));
        QTest::newRow("on the second screen") << QRect(2000, 100, 800, 600)
                                              << Placement(QRect(2000, 100, 800, 600));
        QTest::newRow("huge, fitted") << QRect(0, 0, 30000, 30000)
                                      << Placement(QRect(0, 0, 1920, 1040));
        QTest::newRow("too wide only") << QRect(100, 200, 5000, 300)
                                       << Placement(QRect(0, 200, 1920, 300));
        QTest::newRow("huge, mostly on the second screen")
            << QRect(1900, -100, 9000, 400) << Placement(QRect(1920, -100, 1280, 400));
        QTest::newRow("off every screen") << QRect(-30000, -30000, 600, 400) << centred;
        QTest::newRow("under 100 pixels showing") << QRect(-520, 50, 600, 400) << centred;
        QTest::newRow("too small") << QRect(10, 10, 199, 400) << centred;
        QTest::newRow("negative size") << QRect(10, 10, -600, -400) << centred;
    }
    void placements() {
        QFETCH(QRect, stored);
        QFETCH(Placement, expected);
        // A 1920 by 1040 work area and a 1280 by 1024 screen to its right.
        const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(fittedWindowPlacement(stored.x(), stored.y(), stored.width(), stored.height(),
                                       screens),
                 expected);
    }

    void valuesAtTheLimitsOfIntegersNeverOverflow() {
        const QList<QRect> screen{QRect(0, 0, 1920, 1040)};
        QCOMPARE(fittedWindowPlacement(INT_MAX, INT_MAX, INT_MAX, INT_MAX, screen), Placement());
        QCOMPARE(fittedWindowPlacement(INT_MIN, INT_MIN, INT_MAX, INT_MAX, screen), Placement());
        QCOMPARE(fittedWindowPlacement(-100, -100, INT_MAX, INT_MAX, screen),
                 Placement(QRect(0, 0, 1920, 1040)));
        QCOMPARE(fittedWindowPlacement(0, 0, 600, 400, {}), Placement());
    }
};

QTEST_MAIN(WindowPlacementTest)
#include "test_WindowPlacement.moc"
