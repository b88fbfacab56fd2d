#include "ribbon/customise/actioncategories.h"
#include "ribbon/customise/customisedragdata.h"
#include "ribbon/customise/toolbardropplace.h"

#include <QMimeData>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Tagovnik::Ribbon;

// The customise window's rules that need no window: its categories, where a drop lands on the
// quick access toolbar, and what a drag carries.
class TestCustomiseRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void categoriesInOrderOfFirstAppearance()
    {
        // The categories of the ribbon's list, command by command.
        QStringList program(10, QString());
        program << u"Edit"_s << u"Edit"_s << QString() << QString();
        const QList<ActionCategory> categories = actionCategories(program);
        QList<int> all;
        for (int i = 0; i < 14; ++i)
            all << i;
        QCOMPARE(categories,
                 (QList<ActionCategory>{{u"(No Category)"_s, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13}},
                                        {u"Edit"_s, {10, 11}},
                                        {u"(All Actions)"_s, all}}));

        // Wherever the first command without one stands, there stands "(No Category)".
        const QList<ActionCategory> mixed =
            actionCategories({u"Search"_s, QString(), u"Dialog"_s, u"Search"_s, u"edit"_s});
        QStringList captions;
        for (const ActionCategory &category : mixed)
            captions << category.caption;
        QCOMPARE(captions, (QStringList{u"Search"_s, u"(No Category)"_s, u"Dialog"_s, u"edit"_s,
                                        u"(All Actions)"_s}));
        QCOMPARE(mixed.at(0).commands, (QList<int>{0, 3}));

        // With no commands there is still the last line, empty.
        QCOMPARE(actionCategories({}), (QList<ActionCategory>{{u"(All Actions)"_s, {}}}));
    }

    void dropPlaceFollowsTheMiddlesOfTheEntries()
    {
        // Three entries 22 wide side by side from x = 4.
        const QList<QRect> entries{{4, 2, 22, 22}, {26, 2, 22, 22}, {48, 2, 22, 22}};
        QCOMPARE(toolbarDropPlace(entries, 0, 0), (ToolbarDropPlace{0, 4}));
        QCOMPARE(toolbarDropPlace(entries, 14, 0), (ToolbarDropPlace{0, 4}));
        QCOMPARE(toolbarDropPlace(entries, 15, 0), (ToolbarDropPlace{1, 26}));
        QCOMPARE(toolbarDropPlace(entries, 36, 0), (ToolbarDropPlace{1, 26}));
        QCOMPARE(toolbarDropPlace(entries, 37, 0), (ToolbarDropPlace{2, 48}));
        QCOMPARE(toolbarDropPlace(entries, 59, 0), (ToolbarDropPlace{3, 70}));
        QCOMPARE(toolbarDropPlace(entries, 500, 0), (ToolbarDropPlace{3, 70}));
        QCOMPARE(toolbarDropPlace({}, 30, 9), (ToolbarDropPlace{0, 9}));

        // Right to left the first entry stands rightmost.
        const QList<QRect> mirrored{{48, 2, 22, 22}, {26, 2, 22, 22}, {4, 2, 22, 22}};
        QCOMPARE(toolbarDropPlace(mirrored, 80, 0, Qt::RightToLeft), (ToolbarDropPlace{0, 70}));
        QCOMPARE(toolbarDropPlace(mirrored, 50, 0, Qt::RightToLeft), (ToolbarDropPlace{1, 48}));
        QCOMPARE(toolbarDropPlace(mirrored, 0, 0, Qt::RightToLeft), (ToolbarDropPlace{3, 4}));
    }

    void gapsBecomeBindingPositions()
    {
        // Binding: 0 shown, 1 hidden, 2 shown, 3 shown, 4 out of sight.
        const QList<int> onScreen{0, 2, 3};
        QCOMPARE(bindingInsertPosition(onScreen, 0, 5), 0);
        // Before the second entry on screen, so after the hidden one.
        QCOMPARE(bindingInsertPosition(onScreen, 1, 5), 2);
        QCOMPARE(bindingInsertPosition(onScreen, 2, 5), 3);
        // After the last on screen, before those out of sight.
        QCOMPARE(bindingInsertPosition(onScreen, 3, 5), 4);
        QCOMPARE(bindingInsertPosition({}, 0, 2), 2);

        // An entry moved to where it stands does not move; moved right it lands one short of
        // the gap, because it has left its own place.
        QCOMPARE(bindingMoveTarget(2, 2), 2);
        QCOMPARE(bindingMoveTarget(2, 3), 2);
        QCOMPARE(bindingMoveTarget(2, 0), 0);
        QCOMPARE(bindingMoveTarget(0, 4), 3);
    }

    void dragsCarryACommandOrAnEntry()
    {
        const std::unique_ptr<QMimeData> command(CustomiseDragData::forCommand(u"EditCut1"_s));
        QCOMPARE(CustomiseDragData::command(*command), u"EditCut1"_s);
        QVERIFY(!CustomiseDragData::toolbarEntry(*command));

        const std::unique_ptr<QMimeData> entry(CustomiseDragData::forToolbarEntry(3));
        QCOMPARE(CustomiseDragData::toolbarEntry(*entry), 3);
        QVERIFY(!CustomiseDragData::command(*entry));

        // Text dragged from elsewhere is neither, even when it reads like a command's name.
        QMimeData text;
        text.setText(u"Action2"_s);
        QVERIFY(!CustomiseDragData::command(text));
        QVERIFY(!CustomiseDragData::toolbarEntry(text));
        QMimeData broken;
        broken.setData(QString::fromLatin1(CustomiseDragData::toolbarEntryType), "-1");
        QVERIFY(!CustomiseDragData::toolbarEntry(broken));
    }
};

QTEST_APPLESS_MAIN(TestCustomiseRules)
#include "tst_customiserules.moc"
