#include "applicationicon.h"

#include <QTest>

using namespace Tagovnik;

namespace {

struct AlphaCounts
{
    qsizetype transparent = 0;
    qsizetype partial = 0;
    qsizetype opaque = 0;
};

AlphaCounts countAlpha(const QImage &image)
{
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    AlphaCounts counts;
    for (int y = 0; y < straight.height(); ++y) {
        for (int x = 0; x < straight.width(); ++x) {
            const int alpha = qAlpha(straight.pixel(x, y));
            (alpha == 0 ? counts.transparent : alpha == 255 ? counts.opaque : counts.partial) += 1;
        }
    }
    return counts;
}

bool isOrange(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 70 && qGreen(pixel) < 200 && qBlue(pixel) < 90;
}

} // namespace

class TestApplicationIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedImageHasSoftEdges();
    void showsTheLabelAndTheFoldedCorner();
    void iconHoldsTheStoredImage();
    void drawingScalesToAnySize();
    void themePngMatchesTheDrawing();
};

void TestApplicationIcon::storedImageHasSoftEdges()
{
    const QImage image = applicationIconImage();
    QCOMPARE(image.size(), QSize(48, 48));
    QCOMPARE(applicationIconExtent, 48);
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(image.depth(), 32);

    const AlphaCounts counts = countAlpha(image);
    QVERIFY2(counts.partial >= 40, "edges are not antialiased");
    QVERIFY2(counts.opaque >= 48 * 48 / 2, "the sheet does not fill the icon");
    QVERIFY2(counts.transparent >= 48, "nothing lets the background through");
}

void TestApplicationIcon::showsTheLabelAndTheFoldedCorner()
{
    const QImage image = applicationIconImage().convertToFormat(QImage::Format_ARGB32);
    // The label runs across the upper left, past the sheet's left edge.
    QVERIFY(isOrange(image.pixel(2, 16)));
    QVERIFY(isOrange(image.pixel(31, 21)));
    // The folded corner leaves the top right transparent.
    QCOMPARE(qAlpha(image.pixel(46, 1)), 0);
    QVERIFY(qAlpha(image.pixel(12, 40)) == 255);
}

void TestApplicationIcon::iconHoldsTheStoredImage()
{
    const QIcon icon = applicationIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(48, 48)});

    const QImage stored = icon.pixmap(QSize(48, 48)).toImage();
    QCOMPARE(stored.convertToFormat(QImage::Format_ARGB32),
             applicationIconImage().convertToFormat(QImage::Format_ARGB32));
    // The application button draws it at 24 x 24.
    QCOMPARE(icon.pixmap(QSize(24, 24)).size(), QSize(24, 24));
}

void TestApplicationIcon::drawingScalesToAnySize()
{
    const QImage large = applicationIconImage(256);
    QCOMPARE(large.size(), QSize(256, 256));
    QVERIFY(countAlpha(large).opaque >= 256 * 256 / 2);
}

void TestApplicationIcon::themePngMatchesTheDrawing()
{
    const QImage png(QStringLiteral(TAGOVNIK_ICON_PNG));
    QVERIFY2(!png.isNull(), TAGOVNIK_ICON_PNG " was not built");
    QCOMPARE(png.size(), QSize(48, 48));
    QVERIFY(countAlpha(png).partial >= 40);
    QCOMPARE(png.convertToFormat(QImage::Format_ARGB32),
             applicationIconImage().convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(TestApplicationIcon)
#include "tst_applicationicon.moc"
