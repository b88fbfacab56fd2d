#include "ribbon/geometry/popupplacement.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

// Pop-ups hung from an anchor: below it, above it where the screen ends, kept inside the
// work area of the anchor's own screen.
class TestPopupPlacement : public QObject
{
    Q_OBJECT

    // Two screens side by side, each with a task bar 40 high along its bottom.
    const QList<QRect> screens{QRect(0, 0, 1600, 960), QRect(1600, 0, 1280, 984)};
    const QSize size{200, 150};

    QRect hungBelow(const QRect &anchor, Qt::LayoutDirection direction = Qt::LeftToRight) const
    {
        return placePopup({.anchor = anchor, .hangAt = belowAnchor(anchor, size, direction),
                           .size = size},
                          screens);
    }

private Q_SLOTS:
    void belowTheAnchorWithItsNearEdgeInLine()
    {
        const QRect anchor(300, 100, 60, 86);
        QCOMPARE(hungBelow(anchor), QRect(300, 186, 200, 150));
        QCOMPARE(hungBelow(anchor, Qt::RightToLeft), QRect(160, 186, 200, 150));
    }

    void flippedAboveWhereTheWorkAreaEnds()
    {
        // 760 + 86 + 150 passes the task bar at 960.
        QCOMPARE(hungBelow(QRect(300, 760, 60, 86)), QRect(300, 610, 200, 150));
        // Just fitting, it stays below.
        QCOMPARE(hungBelow(QRect(300, 724, 60, 86)), QRect(300, 810, 200, 150));
    }

    void clampedLeftAndRight()
    {
        QCOMPARE(hungBelow(QRect(1500, 100, 60, 86)), QRect(1400, 186, 200, 150));
        QCOMPARE(hungBelow(QRect(10, 100, 60, 86), Qt::RightToLeft), QRect(0, 186, 200, 150));
        // Without keeping the left edge it may start before it, as the application menu does.
        const QRect free = placePopup({.anchor = QRect(4, 9, 38, 38),
                                       .hangAt = QPoint(-1, 31),
                                       .size = size,
                                       .flipsAbove = false,
                                       .keepsLeftEdge = false},
                                      screens);
        QCOMPARE(free, QRect(-1, 31, 200, 150));
    }

    // The anchor's own screen decides, not the first one nor the one the pop-up reaches into.
    void acrossTwoScreens()
    {
        // Near the right end of the second screen: clamped to its right edge at 2880.
        QCOMPARE(hungBelow(QRect(2800, 100, 60, 86)), QRect(2680, 186, 200, 150));
        // Near its left end the pop-up would start on the first screen: kept on the second.
        QCOMPARE(hungBelow(QRect(1620, 100, 60, 86), Qt::RightToLeft),
                 QRect(1600, 186, 200, 150));
        // The second screen's task bar starts lower: room below there, not on the first.
        QCOMPARE(hungBelow(QRect(1700, 740, 60, 86)), QRect(1700, 826, 200, 150));
        QCOMPARE(hungBelow(QRect(300, 740, 60, 86)), QRect(300, 590, 200, 150));
        // Off every screen, the nearest one holds it.
        QCOMPARE(hungBelow(QRect(3000, 100, 60, 86)), QRect(2680, 186, 200, 150));
    }
};

QTEST_APPLESS_MAIN(TestPopupPlacement)
#include "tst_popupplacement.moc"
