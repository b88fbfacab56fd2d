#include "includerules.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik::SourceTree;

// The program's sources keep their dependencies one way: no units that include each other,
// layout rules free of widgets, and nothing below the application including it.
class TestIncludeRules : public QObject
{
    Q_OBJECT

    const QString widgetHeaders = QStringLiteral(TAGOVNIK_QT_WIDGETS_HEADERS);

private Q_SLOTS:
    void programKeepsTheRules()
    {
        const Tree tree = read(QStringLiteral(TAGOVNIK_SOURCE_DIR));
        QVERIFY(tree.contains(u"src/commands/ribbon/geometry/ribbonbands.h"_s));
        QVERIFY(QDir(widgetHeaders).exists(u"QWidget"_s));
        QCOMPARE(findCycle(tree, u"src/commands/ribbon"_s), QString());
        QCOMPARE(widgetIncludes(tree, u"src/commands/ribbon/geometry"_s, widgetHeaders),
                 QStringList());
        QCOMPARE(applicationIncludes(tree), QStringList());
    }

    void includesResolveBesideFirstThenByTheirPath()
    {
        const Tree tree{{u"src/a/x.h"_s, {}},
                        {u"src/b/x.h"_s, {}},
                        {u"src/b/y.h"_s, {}},
                        {u"src/c/ribbon/geometry/z.h"_s, {}}};
        QCOMPARE(resolve(tree, u"src/a/x.cpp"_s, u"x.h"_s), u"src/a/x.h"_s);
        QCOMPARE(resolve(tree, u"src/a/x.cpp"_s, u"y.h"_s), u"src/b/y.h"_s);
        QCOMPARE(resolve(tree, u"src/b/y.h"_s, u"ribbon/geometry/z.h"_s),
                 u"src/c/ribbon/geometry/z.h"_s);
        QCOMPARE(resolve(tree, u"src/c/w.cpp"_s, u"QWidget"_s), QString());
    }

    // Within the units' folder a header and its source are one unit.
    void cycleOfUnitsIsFound()
    {
        Tree tree{{u"src/r/a.h"_s, {}},
                  {u"src/r/a.cpp"_s, {{u"a.h"_s, u"b.h"_s}, {}}},
                  {u"src/r/b.h"_s, {}},
                  {u"src/r/b.cpp"_s, {{u"b.h"_s, u"c.h"_s}, {}}},
                  {u"src/r/c.h"_s, {}}};
        QCOMPARE(findCycle(tree, u"src/r"_s), QString());
        tree[u"src/r/c.h"_s].quoted = {u"a.h"_s};
        QCOMPARE(findCycle(tree, u"src/r"_s), u"src/r/a -> src/r/b -> src/r/c -> src/r/a"_s);
        // Outside the units' folder only headers count: no header here includes another.
        QCOMPARE(findCycle(tree, u"src/other"_s), QString());
        tree[u"src/r/b.h"_s].quoted = {u"c.h"_s};
        tree[u"src/r/a.h"_s].quoted = {u"b.h"_s};
        QCOMPARE(findCycle(tree, u"src/other"_s), u"src/r/a -> src/r/b -> src/r/c -> src/r/a"_s);
    }

    void widgetHeaderInTheGeometryIsFound()
    {
        const QString geometry = u"src/commands/ribbon/geometry"_s;
        Tree tree{{geometry + u"/bands.h"_s, {{}, {u"QRect"_s, u"QList"_s}}},
                  {geometry + u"/bands.cpp"_s, {{u"bands.h"_s}, {u"algorithm"_s}}},
                  {u"src/commands/ribbon/page/page.h"_s, {{}, {u"QWidget"_s}}}};
        QCOMPARE(widgetIncludes(tree, geometry, widgetHeaders), QStringList());
        tree[geometry + u"/bands.h"_s].angled.append(u"QAbstractButton"_s);
        tree[geometry + u"/tabs.h"_s] = {{}, {u"QtWidgets/QStyle"_s}};
        tree[geometry + u"/group.cpp"_s] = {{u"ribbon/page/page.h"_s}, {}};
        QCOMPARE(widgetIncludes(tree, geometry, widgetHeaders),
                 (QStringList{geometry + u"/bands.h"_s, geometry + u"/group.cpp"_s,
                              geometry + u"/tabs.h"_s}));
    }

    void applicationIncludedFromBelowIsFound()
    {
        Tree tree{{u"src/app/Unit1.h"_s, {{u"actionmanager.h"_s}, {}}},
                  {u"src/commands/actionmanager.h"_s, {}},
                  {u"src/browser/webbrowser.cpp"_s, {{u"error.h"_s}, {}}},
                  {u"src/browser/error.h"_s, {}}};
        QCOMPARE(applicationIncludes(tree), QStringList());
        tree[u"src/browser/webbrowser.cpp"_s].quoted.append(u"Unit1.h"_s);
        tree[u"src/assets/icon.cpp"_s] = {{u"Unit1.h"_s}, {}};
        QCOMPARE(applicationIncludes(tree),
                 (QStringList{u"src/assets/icon.cpp"_s, u"src/browser/webbrowser.cpp"_s}));
    }
};

QTEST_APPLESS_MAIN(TestIncludeRules)
#include "tst_includerules.moc"
