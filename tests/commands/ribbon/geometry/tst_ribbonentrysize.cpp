#include "ribbon/geometry/ribbonentrysize.h"

#include "ribbontestdata.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik::Ribbon;

namespace {

EntryGeometry layoutTestEntry(EntryButtonKind kind, const QString &caption, int picture,
                              bool showCaption = true, int captionHeight = 15,
                              Qt::LayoutDirection direction = Qt::LeftToRight)
{
    CaptionMetrics metrics = testCaptionMetrics();
    metrics.height = captionHeight;
    return layoutEntry({caption, kind, picture, showCaption}, metrics, direction);
}

constexpr auto ribbon = EntryButtonKind::SmallRibbonButton;
constexpr auto platform = EntryButtonKind::PlatformButton;

} // namespace

class TestRibbonEntrySize : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void smallRibbonButtons()
    {
        // 4 + 16 + 3 + caption + 4, measured without the access mark.
        EntryGeometry entry = layoutTestEntry(ribbon, u"&Tagovnik"_s, 16);
        QCOMPARE(entry.size, QSize(75, 22));
        QCOMPARE(entry.picture, QRect(4, 3, 16, 16));
        QCOMPARE(entry.caption, QRect(23, 3, 48, 15));
        QCOMPARE(layoutTestEntry(ribbon, u"A&&B"_s, 16).size.width(), 27 + 18);
        // Without caption 24 wide, whatever list the picture comes from.
        QCOMPARE(layoutTestEntry(ribbon, u"&Domů"_s, 50, false).size, QSize(24, 22));
        // Right-to-left puts the caption first.
        entry = layoutTestEntry(ribbon, u"&Tagovnik"_s, 16, true, 15, Qt::RightToLeft);
        QCOMPARE(entry.picture, QRect(55, 3, 16, 16));
        QCOMPARE(entry.caption, QRect(4, 3, 48, 15));
    }

    void platformButtons()
    {
        // 3 + picture + 3 + 1 + 4 + caption; the taller of picture and caption + 4 + 4.
        QCOMPARE(layoutTestEntry(platform, u"&Zpět"_s, 16).size, QSize(51, 24));
        QCOMPARE(layoutTestEntry(platform, u"&Nápověda"_s, 24).size, QSize(83, 32));
        const EntryGeometry home = layoutTestEntry(platform, u"&Domů"_s, 50);
        QCOMPARE(home.size, QSize(85, 58));
        QCOMPARE(home.picture, QRect(3, 4, 50, 50));
        QCOMPARE(home.caption, QRect(57, 21, 24, 15));
        QCOMPARE(layoutTestEntry(platform, u"&Stop"_s, 16, true, 20).size.height(), 28);
        QCOMPARE(layoutTestEntry(platform, u"&Stop"_s, 24, false, 40).size, QSize(31, 32));
    }
};

QTEST_APPLESS_MAIN(TestRibbonEntrySize)
#include "tst_ribbonentrysize.moc"
