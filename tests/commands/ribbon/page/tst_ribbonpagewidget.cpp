#include "errorrecorder.h"
#include "programdefinition.h"
#include "ribbon/page/collapsedgroupbutton.h"
#include "ribbon/geometry/ribbonbands.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/geometry/ribbonpagelayout.h"
#include "ribbon/page/ribbonpagewidget.h"
#include "ribbon/look/ribbonpalette.h"

#include <QApplication>
#include <QHash>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;
using namespace Tagovnik;
using namespace Tagovnik::Ribbon;

namespace {

RibbonEntryButton *entryFor(const RibbonGroupWidget *group, const QString &command)
{
    for (RibbonEntryButton *entry : group->entries()) {
        if (entry->entry().command == command)
            return entry;
    }
    return nullptr;
}

QStringList commandsOf(const QList<RibbonEntryButton *> &entries)
{
    QStringList commands;
    for (const RibbonEntryButton *entry : entries)
        commands << entry->entry().command;
    return commands;
}

QStringList namesOf(const QList<RibbonGroupWidget *> &groups)
{
    QStringList names;
    for (const RibbonGroupWidget *group : groups)
        names << group->objectName();
    return names;
}

// The strongest colour in an area: pictures are colourful, the silver look is not.
int mostSaturated(const QImage &image, const QRect &area)
{
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            most = std::max(most, image.pixelColor(x, y).hsvSaturation());
    }
    return most;
}

// How close the closest pixel of an area comes to a colour.
int nearestDistance(const QImage &image, const QRect &area, const QColor &colour)
{
    int nearest = 3 * 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            nearest = std::min(nearest, std::abs(pixel.red() - colour.red()) +
                                            std::abs(pixel.green() - colour.green()) +
                                            std::abs(pixel.blue() - colour.blue()));
        }
    }
    return nearest;
}

// The part of an entry right of its picture, where only the caption is drawn.
QRect captionArea(const RibbonEntryButton &entry)
{
    const int captionWidth = entry.fontMetrics().horizontalAdvance(entry.text());
    return QRect(entry.width() - captionWidth - 4, 0, captionWidth, entry.height())
        .intersected(entry.rect());
}

// Where a group stands on its page right now: itself, or its collapsed button.
QRect placeOf(const RibbonPageWidget &page, RibbonGroupWidget *group)
{
    return page.isCollapsed(group) ? page.collapsedButton(group)->geometry() : group->geometry();
}

} // namespace

// The page body of the ribbon: groups with their entries in columns, the page's group order,
// collapsing into drop-down buttons, scrolling, and entries running their commands.
class TestRibbonPageWidget : public QObject
{
    Q_OBJECT

    ProgramDefinition::CommandLists m_lists;
    std::unique_ptr<RibbonContext> m_context;
    QHash<QString, int> m_runs;
    PageDefinition m_home; // "Domů"
    PageDefinition m_more; // "Další"

    // The page shown at the page area's height and the given width inside a holder.
    struct ShownPage
    {
        // Holds the page as the ribbon does, so that resizing the page is a child's resize.
        std::unique_ptr<QWidget> holder = std::make_unique<QWidget>();
        RibbonPageWidget *page = nullptr;

        void setWidth(int width) { page->resize(width, kPageAreaHeight); }
    };

    ShownPage show(const PageDefinition &definition, int width = 1278)
    {
        ShownPage shown;
        shown.holder->resize(1280, 200);
        shown.page = new RibbonPageWidget(*m_context, definition, shown.holder.get());
        shown.page->setGeometry(0, 54, width, kPageAreaHeight);
        shown.holder->show();
        if (!QTest::qWaitForWindowExposed(shown.holder.get()))
            qWarning("The page's window was not exposed");
        return shown;
    }

    RibbonGroupWidget *group(const RibbonPageWidget &page, const QString &name)
    {
        for (RibbonGroupWidget *candidate : page.groupsInDisplayOrder()) {
            if (candidate->objectName() == name)
                return candidate;
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_lists.onRun = [this](const QString &command) { ++m_runs[command]; };
        m_context = std::make_unique<RibbonContext>(m_lists.all(), QApplication::font());

        // The program defines Orvalis first; here Navigace comes before it on purpose, so that
        // only GroupIndex can put Orvalis first.
        const PageDefinition &home = ProgramDefinition::ribbon().pages.at(0);
        m_home = {.name = home.name,
                  .caption = home.caption,
                  .index = home.index,
                  .groups = {ProgramDefinition::group(u"RibbonGroup4"),
                             ProgramDefinition::group(u"RibbonGroup2")}};
        m_more = ProgramDefinition::ribbon().pages.at(1);
    }

    void init() { m_runs.clear(); }

    void orvalisHasTwoColumnsOfThreeFlowingLeftToRight()
    {
        ShownPage shown = show(m_home);
        RibbonGroupWidget *orvalis = group(*shown.page, u"RibbonGroup2"_s);
        QVERIFY(orvalis);
        QCOMPARE(commandsOf(orvalis->entries()),
                 (QStringList{u"web1"_s, u"web2"_s, u"web3"_s, u"web6"_s, u"web4"_s, u"web5"_s}));
        QCOMPARE(orvalis->layoutDirection(), Qt::RightToLeft);

        const QList<RibbonEntryButton *> &entries = orvalis->entries();
        int firstColumn = 0;
        int secondColumn = 0;
        for (int i = 0; i < entries.size(); ++i) {
            RibbonEntryButton *entry = entries.at(i);
            QCOMPARE(entry->kind(), RibbonEntryButton::Kind::SmallRibbon);
            QCOMPARE(entry->layoutDirection(), Qt::RightToLeft);
            QCOMPARE(entry->height(), 22);
            QCOMPARE(entry->size(), entry->sizeHint());
            QCOMPARE(entry->y(), (QList<int>{2, 24, 46, 2, 24, 46}).at(i));
            (i < 3 ? firstColumn : secondColumn) =
                std::max(i < 3 ? firstColumn : secondColumn, entry->width());
        }
        // The columns flow left to right, as in every group: "Tagovnik", "Tagovnik on-line",
        // "Orvalis" at x = 4, then "Tipy a triky", "Velmora", "Zákaznická podpora" right of them.
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(entries.at(i)->x(), 4);
            QCOMPARE(entries.at(i + 3)->x(), 4 + firstColumn);
        }
        QCOMPARE(orvalis->expandedWidth(), 8 + firstColumn + secondColumn);
        QCOMPARE(orvalis->width(), orvalis->expandedWidth());
    }

    void navigaceHasColumnsOfTwoTwoAndOne()
    {
        ShownPage shown = show(m_home);
        RibbonGroupWidget *navigace = group(*shown.page, u"RibbonGroup4"_s);
        QVERIFY(navigace);
        QCOMPARE(navigace->layoutDirection(), Qt::LeftToRight);
        const QList<RibbonEntryButton *> &entries = navigace->entries();
        QCOMPARE(commandsOf(entries),
                 (QStringList{u"Action6"_s, u"Vpred"_s, u"akzualizovat"_s, u"stop"_s, u"domu"_s}));
        for (RibbonEntryButton *entry : entries) {
            QCOMPARE(entry->kind(), RibbonEntryButton::Kind::Platform);
            QCOMPARE(entry->size(), entry->sizeHint());
        }
        // 16 px pictures give 24-high buttons, domu's 50 px picture a 58-high one.
        QCOMPARE(entries.at(0)->height(), 24);
        QCOMPARE(entries.at(4)->height(), 58);

        const int column1 = std::max(entries.at(0)->width(), entries.at(1)->width());
        const int column2 = std::max(entries.at(2)->width(), entries.at(3)->width());
        const int column3 = entries.at(4)->width();
        const QList<QPoint> expected{
            {4, 2}, {4, 26}, {4 + column1, 2}, {4 + column1, 26}, {4 + column1 + column2, 2}};
        for (int i = 0; i < entries.size(); ++i)
            QCOMPARE(entries.at(i)->pos(), expected.at(i));
        QCOMPARE(navigace->expandedWidth(), 8 + column1 + column2 + column3);
        QCOMPARE(navigace->width(), navigace->expandedWidth());
    }

    void groupsStandByGroupIndexFromFourTwoApart()
    {
        ShownPage shown = show(m_home);
        const QList<RibbonGroupWidget *> groups = shown.page->groupsInDisplayOrder();
        QCOMPARE(namesOf(groups), (QStringList{u"RibbonGroup2"_s, u"RibbonGroup4"_s}));
        QCOMPARE(groups.at(0)->geometry(), QRect(4, 3, groups.at(0)->expandedWidth(), 86));
        QCOMPARE(groups.at(1)->geometry(), QRect(4 + groups.at(0)->expandedWidth() + 2, 3,
                                                 groups.at(1)->expandedWidth(), 86));
        QVERIFY(!shown.page->scrollLeftButton()->isVisible());
        QVERIFY(!shown.page->scrollRightButton()->isVisible());

        // The other page's groups share GroupIndex 2, one column each.
        ShownPage more = show(m_more);
        const QList<RibbonGroupWidget *> moreGroups = more.page->groupsInDisplayOrder();
        QCOMPARE(namesOf(moreGroups), (QStringList{u"RibbonGroup3"_s, u"RibbonGroup8"_s}));
        for (RibbonGroupWidget *group : moreGroups) {
            int widest = 0;
            for (RibbonEntryButton *entry : group->entries()) {
                QCOMPARE(entry->x(), 4);
                widest = std::max(widest, entry->width());
            }
            QCOMPARE(group->expandedWidth(), 8 + widest);
        }
        // "O programu" above "Nápověda": 24 px pictures make 32-high buttons.
        const QList<RibbonEntryButton *> &program = moreGroups.at(1)->entries();
        QCOMPARE(program.at(0)->pos(), QPoint(4, 2));
        QCOMPARE(program.at(1)->pos(), QPoint(4, 34));
    }

    void systemStaysBeforeProgramThroughRelayouts()
    {
        ShownPage shown = show(m_more);
        RibbonGroupWidget *system = group(*shown.page, u"RibbonGroup3"_s);
        RibbonGroupWidget *program = group(*shown.page, u"RibbonGroup8"_s);
        const QList<int> widths{1278, 600, 300, 200, 150, 120, 90, 60, 30, 90, 200, 1278, 250};
        for (int round = 0; round < 3; ++round) {
            for (int width : widths) {
                shown.setWidth(width);
                QCOMPARE(namesOf(shown.page->groupsInDisplayOrder()),
                         (QStringList{u"RibbonGroup3"_s, u"RibbonGroup8"_s}));
                QVERIFY2(placeOf(*shown.page, system).x() < placeOf(*shown.page, program).x(),
                         qPrintable(u"at width %1"_s.arg(width)));
            }
        }
        // Equal indices keep their order when the page reads right-to-left too.
        shown.page->setLayoutDirection(Qt::RightToLeft);
        QCOMPARE(namesOf(shown.page->groupsInDisplayOrder()),
                 (QStringList{u"RibbonGroup3"_s, u"RibbonGroup8"_s}));
    }

    void rightToLeftPageDescendsByGroupIndex()
    {
        ShownPage shown = show(m_home);
        shown.page->setLayoutDirection(Qt::RightToLeft);
        const QList<RibbonGroupWidget *> groups = shown.page->groupsInDisplayOrder();
        QCOMPARE(namesOf(groups), (QStringList{u"RibbonGroup4"_s, u"RibbonGroup2"_s}));
        QCOMPARE(groups.at(0)->x(), 4);
        QCOMPARE(groups.at(1)->x(), 4 + groups.at(0)->width() + 2);
    }

    void narrowingCollapsesFromTheLastAndWideningExpandsTheMostRecentFirst()
    {
        ShownPage shown = show(m_home);
        RibbonPageWidget &page = *shown.page;
        RibbonGroupWidget *orvalis = group(page, u"RibbonGroup2"_s);
        RibbonGroupWidget *navigace = group(page, u"RibbonGroup4"_s);
        CollapsedGroupButton *orvalisButton = page.collapsedButton(orvalis);
        CollapsedGroupButton *navigaceButton = page.collapsedButton(navigace);
        QCOMPARE(orvalisButton->accessibleName(), u"Orvalis"_s);
        QCOMPARE(navigaceButton->accessibleName(), u"Navigace"_s);

        const int allExpanded =
            pageWidthNeeded({orvalis->expandedWidth(), navigace->expandedWidth()});
        const int navigaceCollapsed =
            pageWidthNeeded({orvalis->expandedWidth(), navigaceButton->collapsedWidth()});
        const int bothCollapsed =
            pageWidthNeeded({orvalisButton->collapsedWidth(), navigaceButton->collapsedWidth()});
        QVERIFY(bothCollapsed < navigaceCollapsed && navigaceCollapsed < allExpanded);
        QCOMPARE(page.sizeHint().width(), allExpanded);

        shown.setWidth(allExpanded);
        QVERIFY(!page.isCollapsed(orvalis));
        QVERIFY(!page.isCollapsed(navigace));
        QVERIFY(orvalis->isVisible() && navigace->isVisible());
        QVERIFY(!orvalisButton->isVisible() && !navigaceButton->isVisible());

        shown.setWidth(allExpanded - 1);
        QVERIFY(!page.isCollapsed(orvalis));
        QVERIFY(page.isCollapsed(navigace));
        QVERIFY(!navigace->isVisible());
        QVERIFY(navigaceButton->isVisible());
        QCOMPARE(navigaceButton->geometry(),
                 QRect(4 + orvalis->width() + 2, 3, navigaceButton->collapsedWidth(), 86));
        QCOMPARE(commandsOf(page.visibleEntries()), commandsOf(orvalis->entries()));

        shown.setWidth(navigaceCollapsed - 1);
        QVERIFY(page.isCollapsed(orvalis));
        QVERIFY(page.isCollapsed(navigace));
        QVERIFY(orvalisButton->isVisible() && !orvalis->isVisible());
        QCOMPARE(orvalisButton->geometry(), QRect(4, 3, orvalisButton->collapsedWidth(), 86));
        QVERIFY(page.visibleEntries().isEmpty());

        // Orvalis went last, so it comes back first; Navigace waits for more room.
        shown.setWidth(allExpanded - 1);
        QVERIFY(!page.isCollapsed(orvalis));
        QVERIFY(page.isCollapsed(navigace));
        shown.setWidth(allExpanded);
        QVERIFY(!page.isCollapsed(orvalis));
        QVERIFY(!page.isCollapsed(navigace));
        QCOMPARE(commandsOf(page.visibleEntries()),
                 commandsOf(orvalis->entries()) + commandsOf(navigace->entries()));
    }

    void collapsedGroupDropsItsEntriesDownAndTheyRunTheirCommands()
    {
        ShownPage shown = show(m_home);
        RibbonPageWidget &page = *shown.page;
        RibbonGroupWidget *navigace = group(page, u"RibbonGroup4"_s);
        shown.setWidth(300);
        QVERIFY(page.isCollapsed(navigace));
        CollapsedGroupButton *button = page.collapsedButton(navigace);
        QVERIFY(button->isVisible());
        QVERIFY(!button->isDroppedDown());

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isDroppedDown());
        QWidget *dropDown = button->dropDown();
        QVERIFY(dropDown->isWindow());
        QCOMPARE(dropDown->windowType(), Qt::Popup);
        QVERIFY(QTest::qWaitForWindowExposed(dropDown));
        const QRect available = button->screen()->availableGeometry();
        const QPoint buttonBottomLeft = button->mapToGlobal(QPoint(0, button->height()));
        if (buttonBottomLeft.y() + dropDown->height() <= available.bottom() + 1)
            QCOMPARE(dropDown->pos(), buttonBottomLeft);

        RibbonGroupWidget *dropped = button->dropDownGroup();
        QVERIFY(dropped && dropped->isVisible());
        QCOMPARE(commandsOf(dropped->entries()), commandsOf(navigace->entries()));
        QCOMPARE(dropped->width(), navigace->expandedWidth());
        // While it is open its entries are on screen.
        QVERIFY(commandsOf(page.visibleEntries()).contains(u"stop"_s));

        RibbonEntryButton *stop = entryFor(dropped, u"stop"_s);
        QVERIFY(stop && stop->isVisible());
        QTest::mouseClick(stop, Qt::LeftButton);
        QCOMPARE(m_runs.value(u"stop"_s), 1);
        QTRY_VERIFY(!dropDown->isVisible());
        QVERIFY(!button->isDroppedDown());
        QVERIFY(!commandsOf(page.visibleEntries()).contains(u"stop"_s));

        // Again, with the right-to-left group and the house picture's command.
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isDroppedDown());
        QTest::mouseClick(entryFor(dropped, u"domu"_s), Qt::LeftButton);
        QCOMPARE(m_runs.value(u"domu"_s), 1);
        QTRY_VERIFY(!button->isDroppedDown());

        // Escape closes it without running anything.
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isDroppedDown());
        QTest::keyClick(dropDown, Qt::Key_Escape);
        QTRY_VERIFY(!button->isDroppedDown());
        QCOMPARE(m_runs.size(), 2);
    }

    void entryWhoseCommandFailsStillClosesTheDropDown()
    {
        // The error is reported at the click itself; the drop-down still closes.
        ErrorRecorder errors;
        ShownPage shown = show(m_home);
        RibbonGroupWidget *navigace = group(*shown.page, u"RibbonGroup4"_s);
        shown.setWidth(300);
        CollapsedGroupButton *button = shown.page->collapsedButton(navigace);
        Command *stop = m_context->command(u"stop"_s);
        stop->setOnExecute([] { throw std::runtime_error("Stop failed"); });

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isDroppedDown());
        QTest::mouseClick(entryFor(button->dropDownGroup(), u"stop"_s), Qt::LeftButton);
        QCOMPARE(errors.messages, QStringList{u"Stop failed"_s});
        QTRY_VERIFY(!button->isDroppedDown());

        stop->setOnExecute([this] { ++m_runs[u"stop"_s]; });
    }

    void collapsedRightToLeftGroupDropsDownLeftToRight()
    {
        ShownPage shown = show(m_home);
        RibbonPageWidget &page = *shown.page;
        RibbonGroupWidget *orvalis = group(page, u"RibbonGroup2"_s);
        shown.setWidth(100);
        QVERIFY(page.isCollapsed(orvalis));
        CollapsedGroupButton *button = page.collapsedButton(orvalis);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->isDroppedDown());
        RibbonGroupWidget *dropped = button->dropDownGroup();
        QCOMPARE(dropped->layoutDirection(), Qt::RightToLeft);
        const QList<RibbonEntryButton *> &entries = dropped->entries();
        QCOMPARE(entries.at(0)->x(), 4);
        QVERIFY(entries.at(3)->x() > entries.at(0)->x());
        QTest::mouseClick(entryFor(dropped, u"web5"_s), Qt::LeftButton);
        QCOMPARE(m_runs.value(u"web5"_s), 1);
        QTRY_VERIFY(!button->isDroppedDown());
    }

    void clickingAnEntryRunsItsCommand()
    {
        ShownPage shown = show(m_home);
        QTest::mouseClick(entryFor(group(*shown.page, u"RibbonGroup2"_s), u"web1"_s),
                          Qt::LeftButton);
        QTest::mouseClick(entryFor(group(*shown.page, u"RibbonGroup4"_s), u"domu"_s),
                          Qt::LeftButton);
        QTest::mouseClick(entryFor(group(*shown.page, u"RibbonGroup4"_s), u"Action6"_s),
                          Qt::LeftButton);
        QCOMPARE(m_runs, (QHash<QString, int>{{u"web1"_s, 1}, {u"domu"_s, 1}, {u"Action6"_s, 1}}));

        ShownPage more = show(m_more);
        QTest::mouseClick(entryFor(group(*more.page, u"RibbonGroup8"_s), u"Action3"_s),
                          Qt::LeftButton);
        QCOMPARE(m_runs.value(u"Action3"_s), 1);
    }

    void disabledCommandsEntryDoesNothing()
    {
        ShownPage shown = show(m_home);
        RibbonEntryButton *velmora = entryFor(group(*shown.page, u"RibbonGroup2"_s), u"web4"_s);
        Command *command = m_context->command(u"web4"_s);
        command->setEnabled(false);
        QVERIFY(!velmora->isEnabled());
        QTest::mouseClick(velmora, Qt::LeftButton);
        QCOMPARE(m_runs.value(u"web4"_s), 0);

        command->setEnabled(true);
        QVERIFY(velmora->isEnabled());
        QTest::mouseClick(velmora, Qt::LeftButton);
        QCOMPARE(m_runs.value(u"web4"_s), 1);
    }

    void scrollButtonsReachGroupsThatDoNotFit()
    {
        ShownPage shown = show(m_home);
        RibbonPageWidget &page = *shown.page;
        const QList<RibbonGroupWidget *> groups = page.groupsInDisplayOrder();
        CollapsedGroupButton *first = page.collapsedButton(groups.at(0));
        CollapsedGroupButton *second = page.collapsedButton(groups.at(1));
        const int width = first->collapsedWidth() + 20;
        shown.setWidth(width);
        QVERIFY(page.isCollapsed(groups.at(0)) && page.isCollapsed(groups.at(1)));
        QCOMPARE(page.scrollOffset(), 0);
        QVERIFY(!page.scrollLeftButton()->isVisible());
        QVERIFY(page.scrollRightButton()->isVisible());
        QCOMPARE(page.scrollRightButton()->accessibleName(), u"Scroll right"_s);
        QCOMPARE(page.scrollRightButton()->geometry(),
                 QRect(width - kPageScrollButtonWidth, 0, kPageScrollButtonWidth, kPageAreaHeight));

        // Scrolled as far as it goes, the last group ends at the page's right edge.
        QTest::mouseClick(page.scrollRightButton(), Qt::LeftButton);
        QVERIFY(page.scrollOffset() < 0);
        QCOMPARE(second->geometry().right() + 1, width);
        QVERIFY(page.scrollLeftButton()->isVisible());
        QCOMPARE(page.scrollLeftButton()->accessibleName(), u"Scroll left"_s);
        QVERIFY(!page.scrollRightButton()->isVisible());

        // Back by whole groups: each click brings the next group cut off at the left fully
        // into view, until the page is no longer scrolled.
        for (int clicks = 0; page.scrollLeftButton()->isVisible(); ++clicks) {
            QVERIFY(clicks < 2);
            const int before = page.scrollOffset();
            QTest::mouseClick(page.scrollLeftButton(), Qt::LeftButton);
            QVERIFY(page.scrollOffset() > before);
        }
        QCOMPARE(page.scrollOffset(), 0);
        QCOMPARE(first->x(), 4);
        QVERIFY(!page.scrollLeftButton()->isVisible());

        // Room again: no scrolling, nothing collapsed.
        shown.setWidth(1278);
        QVERIFY(!page.scrollRightButton()->isVisible());
        QVERIFY(!page.isCollapsed(groups.at(0)) && !page.isCollapsed(groups.at(1)));
    }

    void wheelTurnsAreLeftToTheRibbon()
    {
        // The ribbon switches tabs with the wheel: every widget of the page ignores a turn, so
        // that the window system's turn travels up to the ribbon.
        const auto ignoresWheel = [](QWidget *target) {
            const QPointF inside(target->width() / 2.0, target->height() / 2.0);
            QWheelEvent wheel(inside, target->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
            return !wheel.isAccepted();
        };
        ShownPage shown = show(m_home);
        RibbonGroupWidget *orvalis = group(*shown.page, u"RibbonGroup2"_s);
        CollapsedGroupButton *navigace =
            shown.page->collapsedButton(group(*shown.page, u"RibbonGroup4"_s));
        shown.setWidth(500);
        QVERIFY(orvalis->isVisible() && navigace->isVisible());
        QVERIFY(ignoresWheel(shown.page));
        QVERIFY(ignoresWheel(orvalis));
        QVERIFY(ignoresWheel(orvalis->entries().first()));
        QVERIFY(ignoresWheel(navigace));
        shown.setWidth(70);
        QVERIFY(shown.page->scrollRightButton()->isVisible());
        QVERIFY(ignoresWheel(shown.page->scrollRightButton()));
    }

    // What the pages paint: every entry its picture, a disabled entry its caption in the
    // disabled colour, the collapsed group's button its emblem and the drop-down its entries.
    void pagesPaintEntriesPicturesAndDisabledCaptions()
    {
        for (const PageDefinition *definition : {&m_home, &m_more}) {
            ShownPage shown = show(*definition, 1278);
            for (RibbonEntryButton *entry : shown.page->visibleEntries()) {
                const QImage face = entry->grab().toImage();
                QVERIFY2(mostSaturated(face, face.rect()) > 60, qPrintable(entry->objectName()));
            }
        }

        ShownPage more = show(m_more, 400);
        RibbonEntryButton *help = entryFor(group(*more.page, u"RibbonGroup8"_s), u"Action3"_s);
        const QRect caption = captionArea(*help);
        const QImage enabled = help->grab().toImage();
        QVERIFY(nearestDistance(enabled, caption, Palette::text) < 40);
        m_context->command(u"Action3"_s)->setEnabled(false);
        const QImage disabled = help->grab().toImage();
        m_context->command(u"Action3"_s)->setEnabled(true);
        QVERIFY(nearestDistance(disabled, caption, Palette::disabledText) < 40);
        QVERIFY(nearestDistance(disabled, caption, Palette::text) > 40);

        ShownPage home = show(m_home, 300);
        CollapsedGroupButton *button =
            home.page->collapsedButton(group(*home.page, u"RibbonGroup4"_s));
        QVERIFY(button);
        const QImage emblem = button->grab().toImage();
        QVERIFY(mostSaturated(emblem, emblem.rect()) > 60);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(button->dropDown()));
        for (RibbonEntryButton *entry : button->dropDownGroup()->entries()) {
            const QImage face = entry->grab().toImage();
            QVERIFY2(mostSaturated(face, face.rect()) > 60, qPrintable(entry->objectName()));
        }
        button->hideDropDown();
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestRibbonPageWidget test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ribbonpagewidget.moc"
