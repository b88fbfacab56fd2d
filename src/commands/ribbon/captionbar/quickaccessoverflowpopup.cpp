#include "ribbon/captionbar/quickaccessoverflowpopup.h"

#include "ribbon/captionbar/quickaccessendbutton.h"
#include "ribbon/captionbar/quickaccessgroupbutton.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/quickaccesstoolbarlayout.h"
#include "ribbon/geometry/ribbonentrysize.h"
#include "ribbon/look/ribbonpalette.h"
#include "ribbon/look/ribbontexts.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/model/ribboncontext.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

constexpr int kPadding = 3;

} // namespace

QuickAccessOverflowPopup::QuickAccessOverflowPopup(RibbonContext &context,
                                                   QuickAccessToolbarWidget &toolbar)
    : RibbonPopup(toolbar.endButton(), &toolbar), m_toolbar(&toolbar)
{
    setObjectName(u"QuickAccessOverflow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setAccessibleName(Texts::moreControls);
    setFont(context.font());
    setProperty("ribbonMenuItems", true);

    int x = kPadding;
    const int top = kPadding;
    for (RibbonEntryButton *source : toolbar.overflowEntries()) {
        EntryDefinition entry = source->entry();
        entry.showCaption = source->picture(devicePixelRatioF()).isNull();
        RibbonEntryButton *copy = nullptr;
        if (auto *group = qobject_cast<QuickAccessGroupButton *>(source)) {
            // Its group drops down from it, so the pop-up stays.
            copy = new QuickAccessGroupButton(context, group->group(), entry, source->barList(), this);
        } else {
            copy = new RibbonEntryButton(context, entry, source->barList(),
                                         RibbonEntryButton::Kind::SmallRibbon, this);
            watchChoice(copy);
        }
        const QSize size = copy->sizeHint();
        copy->setGeometry(x, top, size.width(), size.height());
        x += size.width();
        m_entries.append(copy);
    }
    m_menuButton = new QuickAccessEndButton(this);
    m_menuButton->setAccessibleName(Texts::customizeQuickAccessToolbar);
    m_menuButton->setGeometry(x, top, kQuickAccessEndButtonWidth, kSmallRibbonButtonHeight);
    x += kQuickAccessEndButtonWidth;
    watchChoice(m_menuButton);
    connect(m_menuButton, &QAbstractButton::clicked, this, [this] {
        close();
        Q_EMIT menuRequested();
    });
    resize(x + kPadding, kSmallRibbonButtonHeight + 2 * kPadding);

    QList<KeyboardItem> items;
    for (RibbonEntryButton *entry : std::as_const(m_entries))
        items.append(KeyboardItem{entry, {}});
    items.append(KeyboardItem{m_menuButton, {}});
    setKeyboardItems(items, ItemFlow::Row);
}

QAbstractButton *QuickAccessOverflowPopup::menuButton() const
{
    return m_menuButton;
}

void QuickAccessOverflowPopup::popUp()
{
    if (!m_toolbar)
        return;
    const QAbstractButton *end = m_toolbar->endButton();
    showBelow(QRect(end->mapToGlobal(QPoint(0, 0)), end->size()));
}

void QuickAccessOverflowPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintPage(painter, rect());
}

} // namespace Tagovnik::Ribbon
