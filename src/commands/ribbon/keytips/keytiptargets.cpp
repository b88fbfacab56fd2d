#include "ribbon/keytips/keytiptargets.h"

#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonaccessibility.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/controls/ribbontabbutton.h"
#include "ribbon/keytips/keytipmatcher.h"
#include "ribbon/page/ribbonpagewidget.h"

namespace Tagovnik::Ribbon {

namespace {

QList<RibbonTabButton *> tabsOf(QWidget &ribbon)
{
    return ribbon.findChildren<RibbonTabButton *>(Qt::FindDirectChildrenOnly);
}

void setSpokenKeyTip(QWidget *control, const QStringList &keyTips)
{
    setAccessibleKeyTip(control, spokenKeyTip(keyTips));
}

} // namespace

QList<KeyTipTarget> topLevelKeyTipTargets(QWidget &ribbon, CaptionBarWidget &captionBar,
                                          const RibbonDefinition &definition)
{
    using Kind = KeyTipTarget::Kind;
    QList<KeyTipTarget> targets;
    QAbstractButton *applicationButton = captionBar.applicationButton();
    if (applicationButton && applicationButton->isVisible() &&
        !definition.applicationMenu.keyTip.isEmpty())
        targets.append({applicationButton, definition.applicationMenu.keyTip,
                        Kind::ApplicationButton});
    QuickAccessToolbarWidget *toolbar = captionBar.quickAccessToolbar();
    if (toolbar->isVisible()) {
        const QList<RibbonEntryButton *> entries = toolbar->shownEntries();
        const QList<RibbonEntryButton *> outOfSight = toolbar->overflowEntries();
        for (int i = 0; i < entries.size(); ++i) {
            QWidget *anchor = outOfSight.contains(entries.at(i)) ? toolbar->endButton() : nullptr;
            targets.append({entries.at(i), quickAccessKeyTip(i), Kind::ToolbarEntry, anchor});
        }
    }
    const QList<RibbonTabButton *> tabs = tabsOf(ribbon);
    for (int i = 0; i < tabs.size() && i < definition.pages.size(); ++i) {
        const QString &keyTip = definition.pages.at(i).keyTip;
        if (!keyTip.isEmpty() && tabs.at(i)->isVisible())
            targets.append({tabs.at(i), keyTip, Kind::Tab});
    }
    return targets;
}

QList<KeyTipTarget> pageKeyTipTargets(QWidget &ribbon)
{
    QList<KeyTipTarget> targets;
    // A page dropped down from the minimised ribbon may live outside it, in the window.
    for (RibbonPageWidget *page : ribbon.window()->findChildren<RibbonPageWidget *>()) {
        if (!page->isVisible())
            continue;
        for (RibbonEntryButton *entry : page->visibleEntries()) {
            if (!entry->entry().keyTip.isEmpty())
                targets.append({entry, entry->entry().keyTip, KeyTipTarget::Kind::PageEntry});
        }
    }
    return targets;
}

QRect keyTipLabelRect(KeyTipTarget::Kind kind, const QRect &control, const QSize &labelSize)
{
    using Kind = KeyTipTarget::Kind;
    QPoint centre;
    switch (kind) {
    case Kind::ApplicationButton:
        centre = QPoint(control.center().x(), control.top() + control.height() * 3 / 4);
        break;
    case Kind::ToolbarEntry:
    case Kind::Tab:
        centre = QPoint(control.center().x(), control.bottom());
        break;
    case Kind::PageEntry:
        centre = QPoint(control.left() + qMin(16, control.width() / 2),
                        control.bottom() - labelSize.height() / 2);
        break;
    }
    QRect label(QPoint(0, 0), labelSize);
    label.moveCenter(centre);
    return label;
}

QList<QRect> keyTipRowRects(const QRect &anchor, const QList<QSize> &sizes, int right)
{
    QList<QRect> row;
    int x = anchor.center().x();
    for (const QSize &size : sizes) {
        QRect label(QPoint(x, anchor.bottom() - size.height() / 2), size);
        row.append(label);
        x += size.width();
    }
    const int overshoot = row.isEmpty() ? 0 : row.constLast().right() - right;
    if (overshoot > 0) {
        for (QRect &label : row)
            label.translate(-overshoot, 0);
    }
    return row;
}

void updateSpokenKeyTips(QWidget &ribbon, CaptionBarWidget &captionBar,
                         const RibbonDefinition &definition)
{
    setSpokenKeyTip(captionBar.applicationButton(), {definition.applicationMenu.keyTip});
    QuickAccessToolbarWidget *toolbar = captionBar.quickAccessToolbar();
    const QList<RibbonEntryButton *> shown = toolbar->shownEntries();
    for (RibbonEntryButton *entry : toolbar->entries()) {
        const qsizetype position = shown.indexOf(entry);
        setSpokenKeyTip(entry, position < 0 ? QStringList()
                                            : QStringList{quickAccessKeyTip(int(position))});
    }
    const QList<RibbonTabButton *> tabs = tabsOf(ribbon);
    const QList<RibbonPageWidget *> pages = ribbon.window()->findChildren<RibbonPageWidget *>();
    for (int i = 0; i < tabs.size() && i < definition.pages.size(); ++i) {
        const PageDefinition &pageDefinition = definition.pages.at(i);
        if (pageDefinition.keyTip.isEmpty())
            continue;
        setSpokenKeyTip(tabs.at(i), {pageDefinition.keyTip});
        for (RibbonPageWidget *page : pages) {
            if (page->definition().name != pageDefinition.name)
                continue;
            for (RibbonEntryButton *entry : page->findChildren<RibbonEntryButton *>()) {
                if (!entry->entry().keyTip.isEmpty())
                    setSpokenKeyTip(entry, {pageDefinition.keyTip, entry->entry().keyTip});
            }
        }
    }
}

} // namespace Tagovnik::Ribbon
