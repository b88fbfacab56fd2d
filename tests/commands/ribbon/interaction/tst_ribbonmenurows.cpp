#include "ribbon/interaction/ribbonmenurows.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tagovnik::Ribbon;

namespace {

// The visible rows as a user reads them: "-" a separator, "(off)" a disabled row,
// "[x]"/"[ ]" a check item, "# " a heading.
QStringList shown(const QList<MenuRow> &rows)
{
    QStringList lines;
    for (const MenuRow &row : rows) {
        if (!row.visible)
            continue;
        QString line;
        switch (row.kind) {
        case MenuRowKind::Separator:
            lines << u"-"_s;
            continue;
        case MenuRowKind::Heading:
            line = u"# "_s;
            break;
        case MenuRowKind::CheckItem:
            line = row.checked ? u"[x] "_s : u"[ ] "_s;
            break;
        case MenuRowKind::Item:
            break;
        }
        line += row.text;
        if (!row.enabled && row.kind != MenuRowKind::Heading)
            line += u" (off)"_s;
        lines << line;
    }
    return lines;
}

const QString add = u"Add to Quick Access Toolbar"_s;
const QString removeRow = u"Remove from Quick Access Toolbar"_s;
const QString customize = u"Customize Quick Access Toolbar..."_s;
const QString below = u"Show Quick Access Toolbar Below the Ribbon"_s;
const QString above = u"Show Quick Access Toolbar Above the Ribbon"_s;
const QString minimise = u"[ ] Minimize the Ribbon"_s;
const QString minimised = u"[x] Minimize the Ribbon"_s;
const QString off = u" (off)"_s;

} // namespace

class TestRibbonMenuRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contextMenu_data()
    {
        QTest::addColumn<ClickedPlace>("place");
        QTest::addColumn<bool>("alreadyOnToolbar");
        QTest::addColumn<bool>("isMinimised");
        QTest::addColumn<bool>("captionOnly");
        QTest::addColumn<bool>("hasToolbar");
        QTest::addColumn<bool>("toolbarBelow");
        QTest::addColumn<QStringList>("rows");

        using P = ClickedPlace;
        const QStringList plain{customize, below, u"-"_s, minimise};
        QTest::newRow("tab row") << P::TabRow << false << false << false << true << false << plain;
        QTest::newRow("page") << P::Page << false << false << false << true << false << plain;
        QTest::newRow("toolbar background")
            << P::ToolbarBackground << false << false << false << true << false << plain;
        QTest::newRow("group entry not on the toolbar")
            << P::GroupEntry << false << false << false << true << false
            << QStringList{add, u"-"_s, customize, below, u"-"_s, minimise};
        QTest::newRow("group entry shown on the toolbar")
            << P::GroupEntry << true << false << false << true << false
            << QStringList{add + off, u"-"_s, customize, below, u"-"_s, minimise};
        QTest::newRow("group area, group not added")
            << P::GroupArea << false << false << false << true << false
            << QStringList{add, u"-"_s, customize, below, u"-"_s, minimise};
        QTest::newRow("group area, group added")
            << P::GroupArea << true << false << false << true << false
            << QStringList{add + off, u"-"_s, customize, below, u"-"_s, minimise};
        QTest::newRow("group on a dropped page")
            << P::GroupEntry << false << true << false << true << false
            << QStringList{customize, below, u"-"_s, minimised};
        QTest::newRow("toolbar entry")
            << P::ToolbarEntry << false << false << false << true << false
            << QStringList{removeRow, u"-"_s, customize, below, u"-"_s, minimise};
        QTest::newRow("toolbar entry, minimised, below")
            << P::ToolbarEntry << false << true << false << true << true
            << QStringList{removeRow, u"-"_s, customize, above, u"-"_s, minimised};
        QTest::newRow("toolbar below")
            << P::TabRow << false << false << false << true << true
            << QStringList{customize, above, u"-"_s, minimise};
        QTest::newRow("caption-only")
            << P::GroupEntry << false << false << true << true << false
            << QStringList{add + off, u"-"_s, customize + off, below + off, u"-"_s, minimise};
        QTest::newRow("no toolbar")
            << P::ToolbarEntry << false << false << false << false << false
            << QStringList{removeRow + off, u"-"_s, customize + off, below + off, u"-"_s, minimise};
    }

    void contextMenu()
    {
        QFETCH(ClickedPlace, place);
        QFETCH(bool, alreadyOnToolbar);
        QFETCH(bool, isMinimised);
        QFETCH(bool, captionOnly);
        QFETCH(bool, hasToolbar);
        QFETCH(bool, toolbarBelow);
        QFETCH(QStringList, rows);
        const RibbonMenuState state{
            .minimised = isMinimised,
            .captionOnly = captionOnly,
            .hasToolbar = hasToolbar,
            .toolbarPosition =
                toolbarBelow ? QuickAccessPosition::BelowRibbon : QuickAccessPosition::AboveRibbon};
        const QList<MenuRow> all = contextMenuRows({place, alreadyOnToolbar}, state);
        QCOMPARE(all.size(), 6); // hidden rows keep their places
        QCOMPARE(shown(all), rows);
    }

    void contextMenuRowsCarryTheirCommands()
    {
        const QList<MenuRow> rows = contextMenuRows({ClickedPlace::ToolbarEntry}, {});
        QList<MenuCommand> commands;
        for (const MenuRow &row : rows)
            commands << row.command;
        QCOMPARE(commands, (QList<MenuCommand>{MenuCommand::RemoveFromToolbar, MenuCommand::None,
                                               MenuCommand::Customize, MenuCommand::MoveToolbar,
                                               MenuCommand::None, MenuCommand::ToggleMinimised}));
        QCOMPARE(contextMenuRows({ClickedPlace::GroupArea}, {}).constFirst().command,
                 MenuCommand::AddToToolbar);
    }

    void dropDownMenu()
    {
        const QList<ToolbarEntryRow> entries{
            {u"&Zpět"_s, false}, {u"&Aktualizovat"_s, true}, {QString(), true}, {u"Systém"_s, true}};
        const QList<MenuRow> rows = dropDownMenuRows(entries, {});
        QCOMPARE(shown(rows), (QStringList{u"# Customize Quick Access Toolbar..."_s,
                                           u"[ ] &Zpět"_s, u"[x] &Aktualizovat"_s,
                                           u"[x] Systém"_s, u"-"_s, u"More Commands..."_s,
                                           u"Show Below the Ribbon"_s, u"-"_s, minimise}));
        // Each check item names the binding's entry it hides or shows.
        QCOMPARE(rows.at(1).toolbarEntry, 0);
        QCOMPARE(rows.at(3).toolbarEntry, 3);
        QCOMPARE(rows.at(3).command, MenuCommand::ToggleEntryShown);
        QCOMPARE(rows.at(5).command, MenuCommand::MoreCommands);

        const RibbonMenuState moved{.minimised = true,
                                    .toolbarPosition = QuickAccessPosition::BelowRibbon};
        QCOMPARE(shown(dropDownMenuRows({}, moved)),
                 (QStringList{u"# Customize Quick Access Toolbar..."_s, u"-"_s,
                              u"More Commands..."_s, u"Show Above the Ribbon"_s, u"-"_s,
                              minimised}));
    }

    void dropDownMenuFollowsTheToolbarsOptions()
    {
        QCOMPARE(shown(dropDownMenuRows({}, {}, {.moreCommands = false, .position = false})),
                 (QStringList{u"# Customize Quick Access Toolbar..."_s, u"-"_s, minimise}));
        QCOMPARE(shown(dropDownMenuRows({}, {}, {.moreCommands = false, .minimise = false})),
                 (QStringList{u"# Customize Quick Access Toolbar..."_s, u"-"_s,
                              u"Show Below the Ribbon"_s, u"-"_s}));
    }
};

QTEST_APPLESS_MAIN(TestRibbonMenuRows)
#include "tst_ribbonmenurows.moc"
