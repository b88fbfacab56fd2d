#include "ribbon/geometry/captionbarlayout.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

namespace {

// The design window, H = 30, with the toolbar's three entries above the ribbon.
CaptionBarLayout layoutAt(int width, int textWidth, bool captionOnly = false,
                          Qt::LayoutDirection direction = Qt::LeftToRight)
{
    CaptionBarInput input;
    input.ribbonWidth = width;
    input.captionOnly = captionOnly;
    input.direction = direction;
    input.captionButtonSize = QSize(46, 28);
    input.quickAccessEntryWidths = {24, 24, 24};
    input.captionTextSize = QSize(textWidth, 16);
    return layoutCaptionBar(input);
}

} // namespace

class TestCaptionBarLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixedPartsAndTheirMirrorImage()
    {
        CaptionBarLayout layout = layoutAt(1279, 80);
        QCOMPARE(layout.applicationButton, QRect(4, 9, 38, 38));
        QCOMPARE(layout.applicationIcon, QRect(10, 16, 24, 24));
        QCOMPARE(layout.quickAccess.frame, QRect(49, 5, 99, 24));
        QCOMPARE(layout.systemButtons.close, QRect(1233, 0, 46, 28)); // outermost, down to H - 2
        QCOMPARE(layout.systemButtons.minimise, QRect(1141, 0, 46, 28));

        layout = layoutAt(1279, 80, false, Qt::RightToLeft);
        QCOMPARE(layout.applicationButton, QRect(1279 - 42, 9, 38, 38));
        QCOMPARE(layout.quickAccess.frame, QRect(1279 - 49 - 99, 5, 99, 24));
        QCOMPARE(layout.systemButtons.close, QRect(0, 0, 46, 28));

        layout = layoutAt(1279, 80, true);
        QVERIFY(layout.applicationButton.isNull() && layout.quickAccess.frame.isNull());
        QCOMPARE(layout.applicationIcon, QRect(6, 8, 16, 16));

        QCOMPARE(layoutSystemButtons(800, 34, QSize(43, 21)).close, QRect(757, 11, 43, 21));
    }

    void captionText()
    {
        // Right of 38 + 99 + 24 = 161, left of the system buttons, centred where it can be.
        QCOMPARE(layoutAt(1279, 80).caption.rect, QRect(599, 9, 80, 16));
        QCOMPARE(layoutAt(400, 100).caption.rect, QRect(161, 9, 100, 16));
        CaptionTextPlacement placement = layoutAt(400, 150).caption;
        QCOMPARE(placement.rect, QRect(161, 9, 101, 16));
        QVERIFY(placement.elided);
        // Caption-only starts at 28; a centred text is pulled back left of the buttons.
        QCOMPARE(layoutAt(290, 100, true).caption.rect, QRect(52, 9, 100, 16));
        placement = layoutAt(290, 200, true).caption;
        QCOMPARE(placement.rect, QRect(28, 9, 124, 16));
        QVERIFY(placement.elided);

        CaptionBarInput input;
        input.ribbonWidth = 1279;
        input.captionTextSize = QSize(80, 16);
        input.maximised = true;
        QCOMPARE(layoutCaptionBar(input).caption.rect.top(), 13);
        // Below the ribbon the toolbar no longer pushes the caption right.
        input.ribbonWidth = 300;
        input.captionTextSize.setWidth(150);
        input.quickAccessPosition = QuickAccessPosition::BelowRibbon;
        QCOMPARE(layoutCaptionBar(input).caption.rect.left(), 38 + 24);
    }
};

QTEST_APPLESS_MAIN(TestCaptionBarLayout)
#include "tst_captionbarlayout.moc"
