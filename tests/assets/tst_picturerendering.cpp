#include "picturerendering.h"

#include <QSvgRenderer>
#include <QTest>

using namespace Tagovnik;

class TestPictureRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void renderFillsExactlyTheRequestedSize();
    void binaryAlphaThresholdsAtHalf_data();
    void binaryAlphaThresholdsAtHalf();
    void binaryAlphaKeepsThePixelRatio();
};

void TestPictureRendering::renderFillsExactlyTheRequestedSize()
{
    // A square filling the left half of a 10 x 10 view box.
    QSvgRenderer renderer(
        QByteArrayLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10">)"
                          R"(<rect x="0" y="0" width="5" height="10" fill="#ff0000"/></svg>)"));
    QVERIFY(renderer.isValid());

    const QImage image = renderSvg(renderer, QSize(20, 20));
    QCOMPARE(image.size(), QSize(20, 20));
    QCOMPARE(image.pixel(2, 10), qRgba(255, 0, 0, 255));
    QCOMPARE(image.pixel(9, 19), qRgba(255, 0, 0, 255));
    QCOMPARE(qAlpha(image.pixel(10, 10)), 0);
    QCOMPARE(qAlpha(image.pixel(19, 0)), 0);
}

void TestPictureRendering::binaryAlphaThresholdsAtHalf_data()
{
    QTest::addColumn<QRgb>("straight");
    QTest::addColumn<QRgb>("expected");

    QTest::newRow("opaque stays") << qRgba(10, 20, 30, 255) << qRgba(10, 20, 30, 255);
    QTest::newRow("half covered turns opaque in full colour")
        << qRgba(200, 100, 40, 128) << qRgba(200, 100, 40, 255);
    QTest::newRow("faint edge of a dark outline stays dark")
        << qRgba(0, 0, 80, 200) << qRgba(0, 0, 80, 255);
    QTest::newRow("less than half vanishes") << qRgba(200, 100, 40, 127) << qRgba(0, 0, 0, 0);
    QTest::newRow("transparent stays") << qRgba(0, 0, 0, 0) << qRgba(0, 0, 0, 0);
}

void TestPictureRendering::binaryAlphaThresholdsAtHalf()
{
    QFETCH(QRgb, straight);
    QFETCH(QRgb, expected);

    QImage image(1, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, straight);
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    const QImage result = withBinaryAlpha(premultiplied).convertToFormat(QImage::Format_ARGB32);
    const QRgb pixel = result.pixel(0, 0);
    QCOMPARE(qAlpha(pixel), qAlpha(expected));
    // Unpremultiplying rounds, so allow one step per channel.
    QVERIFY2(qAbs(qRed(pixel) - qRed(expected)) <= 1 &&
                 qAbs(qGreen(pixel) - qGreen(expected)) <= 1 &&
                 qAbs(qBlue(pixel) - qBlue(expected)) <= 1,
             qPrintable(QStringLiteral("got #%1").arg(pixel, 8, 16, QLatin1Char('0'))));
}

void TestPictureRendering::binaryAlphaKeepsThePixelRatio()
{
    QImage image(4, 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(2.0);
    const QImage result = withBinaryAlpha(image);
    QCOMPARE(result.devicePixelRatio(), 2.0);
    QCOMPARE(result.size(), QSize(4, 4));
}

QTEST_GUILESS_MAIN(TestPictureRendering)
#include "tst_picturerendering.moc"
