#include "ribbon/geometry/ribbongrouplayout.h"

#include "ribbontestdata.h"

#include <QTest>

using namespace Tagovnik::Ribbon;

namespace {

QList<int> tops(const GroupLayout &layout)
{
    QList<int> result;
    for (const QRect &entry : layout.entries)
        result.append(entry.top());
    return result;
}

QList<int> lefts(const GroupLayout &layout)
{
    QList<int> result;
    for (const QRect &entry : layout.entries)
        result.append(entry.left());
    return result;
}

} // namespace

class TestRibbonGroupLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programGroups()
    {
        // 22-high ribbon buttons: a fourth would end at 68 + 22 >= 70.
        GroupLayout layout = layoutTestGroup(orvalisEntries());
        QCOMPARE(layout.entryColumns, (QList<int>{0, 0, 0, 1, 1, 1}));
        QCOMPARE(tops(layout), (QList<int>{2, 24, 46, 2, 24, 46}));
        QCOMPARE(layout.columnWidths, (QList<int>{123, 135}));
        // Left to right although the group reads right-to-left.
        QCOMPARE(lefts(layout), (QList<int>{4, 4, 4, 4 + 123, 4 + 123, 4 + 123}));
        QCOMPARE(layout.width, 8 + 123 + 135);

        // 24 high with 16 px pictures, "Domů" 58 with its 50 px one.
        layout = layoutTestGroup(navigaceEntries());
        QCOMPARE(layout.entryColumns, (QList<int>{0, 0, 1, 1, 2}));
        QCOMPARE(tops(layout), (QList<int>{2, 26, 2, 26, 2}));
        QCOMPARE(layout.columnWidths, (QList<int>{57, 99, 85}));
        QCOMPARE(layout.entries.last().left(), 4 + 57 + 99);
        QCOMPARE(layout.width, 8 + 57 + 99 + 85);

        layout = layoutTestGroup(testEntries(EntryButtonKind::PlatformButton,
                                             {{u"&O programu", 24}, {u"&Nápověda", 24}}));
        QCOMPARE(tops(layout), (QList<int>{2, 34}));
        QCOMPARE(layout.width, 8 + 95);
        layout =
            layoutTestGroup(testEntries(EntryButtonKind::PlatformButton, {{u"&Aktualizace", 50}}));
        QCOMPARE(layout.width, 8 + 127);

        QCOMPARE(layoutGroupEntries({}).width, 100);
    }

    void columnBreaks()
    {
        // Ending exactly on the caption band's top wraps; one pixel less does not.
        QCOMPARE(layoutGroupEntries({{QSize(30, 40)}, {QSize(30, 28)}}).entryColumns,
                 (QList<int>{0, 1}));
        QCOMPARE(layoutGroupEntries({{QSize(30, 40)}, {QSize(30, 27)}}).entryColumns,
                 (QList<int>{0, 0}));
        // A large entry opens a column; an oversized one gets a column, not an empty one first.
        const GroupLayout layout =
            layoutGroupEntries({{QSize(30, 22)}, {QSize(40, 66), true}, {QSize(20, 90)}});
        QCOMPARE(layout.entryColumns, (QList<int>{0, 1, 2}));
        QCOMPARE(layout.entries.at(1), QRect(34, 2, 40, 66));
        QCOMPARE(layoutGroupEntries({{QSize(20, 90)}}).entryColumns, QList<int>{0});
    }
};

QTEST_APPLESS_MAIN(TestRibbonGroupLayout)
#include "tst_ribbongrouplayout.moc"
