#include "imagelist.h"
#include "picturecatalogue.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

class TestImageList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeAndCount_data();
    void sizeAndCount();
    void picturesAreCrispAndVisible_data();
    void picturesAreCrispAndVisible();
    void indicesOutsideTheListGiveNoPicture();
    void sharedSubjectsAreOneDrawing();
};

void TestImageList::sizeAndCount_data()
{
    QTest::addColumn<ImageListId>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("count");

    QTest::newRow("ImageList1") << ImageListId::ImageList1 << u"ImageList1"_s << 16 << 17;
    QTest::newRow("ImageList2") << ImageListId::ImageList2 << u"ImageList2"_s << 24 << 19;
    QTest::newRow("ImageList3") << ImageListId::ImageList3 << u"ImageList3"_s << 50 << 15;
}

void TestImageList::sizeAndCount()
{
    QFETCH(ImageListId, id);
    QFETCH(QString, name);
    QFETCH(int, extent);
    QFETCH(int, count);

    for (const qreal ratio : {1.0, 2.0}) {
        const ImageList list(id, ratio);
        QCOMPARE(list.name(), name);
        QCOMPARE(list.count(), count);
        QCOMPARE(pictureCount(id), count);
        QCOMPARE(list.pictureSize(), QSize(extent, extent));
        QCOMPARE(list.devicePixelRatio(), ratio);
        for (int index = 0; index < count; ++index) {
            const QImage picture = list.picture(index);
            QCOMPARE(picture.size(), QSize(extent, extent) * ratio);
            QCOMPARE(picture.devicePixelRatio(), ratio);
        }
    }
}

void TestImageList::picturesAreCrispAndVisible_data()
{
    QTest::addColumn<ImageListId>("id");
    QTest::addColumn<qreal>("ratio");

    for (const ImageListId id :
         {ImageListId::ImageList1, ImageListId::ImageList2, ImageListId::ImageList3}) {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            QTest::addRow("%s at %gx", qPrintable(imageListName(id)), ratio) << id << ratio;
        }
    }
}

// Every pixel is opaque or fully transparent; each picture shows something yet
// lets the ribbon show through somewhere, and no two indices draw the same.
void TestImageList::picturesAreCrispAndVisible()
{
    QFETCH(ImageListId, id);
    QFETCH(qreal, ratio);

    const ImageList list(id, ratio);
    QSet<QByteArray> seen;
    for (int index = 0; index < list.count(); ++index) {
        const QImage picture = list.picture(index).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!picture.isNull());
        qsizetype opaque = 0;
        qsizetype transparent = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int alpha = qAlpha(picture.pixel(x, y));
                if (alpha != 0 && alpha != 255)
                    QFAIL(qPrintable(QStringLiteral("picture %1 has alpha %2 at %3,%4")
                                         .arg(index)
                                         .arg(alpha)
                                         .arg(x)
                                         .arg(y)));
                (alpha == 255 ? opaque : transparent) += 1;
            }
        }
        const qsizetype area = qsizetype(picture.width()) * picture.height();
        QVERIFY2(opaque >= area / 5,
                 qPrintable(QStringLiteral("picture %1 is nearly blank").arg(index)));
        QVERIFY2(transparent > 0,
                 qPrintable(QStringLiteral("picture %1 has no transparent pixel").arg(index)));

        const QByteArray pixels(reinterpret_cast<const char *>(picture.constBits()),
                                picture.sizeInBytes());
        QVERIFY2(!seen.contains(pixels),
                 qPrintable(QStringLiteral("picture %1 repeats an earlier one").arg(index)));
        seen.insert(pixels);
    }
}

void TestImageList::indicesOutsideTheListGiveNoPicture()
{
    const ImageList list(ImageListId::ImageList2);
    QVERIFY(list.picture(-1).isNull());
    QVERIFY(list.picture(list.count()).isNull());
    QVERIFY(!list.contains(list.count()));
    QVERIFY(pictureResourcePath(ImageListId::ImageList2, list.count()).isEmpty());
}

void TestImageList::sharedSubjectsAreOneDrawing()
{
    const auto path = [](ImageListId id, int index) { return pictureResourcePath(id, index); };
    for (int index = 0; index < 12; ++index) {
        QCOMPARE(path(ImageListId::ImageList2, index), path(ImageListId::ImageList1, index));
        QCOMPARE(path(ImageListId::ImageList3, index), path(ImageListId::ImageList1, index));
    }
    // The thumb of the application menu and of Action1, and the three spheres.
    QCOMPARE(path(ImageListId::ImageList1, 16), path(ImageListId::ImageList2, 12));
    for (int sphere = 0; sphere < 3; ++sphere)
        QCOMPARE(path(ImageListId::ImageList3, 12 + sphere),
                 path(ImageListId::ImageList2, 15 + sphere));
    // Index 12 of the first list is a clipboard, not the thumb that Action1 itself shows.
    QVERIFY(path(ImageListId::ImageList1, 12) != path(ImageListId::ImageList2, 12));
}

QTEST_GUILESS_MAIN(TestImageList)
#include "tst_imagelist.moc"
