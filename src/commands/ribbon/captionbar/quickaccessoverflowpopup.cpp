#include "ribbon/captionbar/quickaccessoverflowpopup.h"

#include "actionmanager.h"
#include "entrypicture.h"
#include "ribbon/captionbar/quickaccessendbutton.h"
#include "ribbon/captionbar/quickaccessgroupbutton.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/popupplacement.h"
#include "ribbon/geometry/quickaccesstoolbarlayout.h"
#include "ribbon/geometry/ribbonentrysize.h"
#include "ribbon/look/ribbonpalette.h"
#include "ribbon/look/ribbontexts.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/model/ribboncontext.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

constexpr int kPadding = 3;

bool hasPicture(const RibbonEntryButton &entry)
{
    const Command *command = entry.command();
    return chooseEntryPicture({
               .imageIndex = entry.entry().imageIndex,
               .applicationMenuEntry = false,
               .enabled = true,
               .barList = entry.barList().images(),
               .commandList = command ? std::optional(command->list().images()) : std::nullopt,
           })
        .has_value();
}

} // namespace

QuickAccessOverflowPopup::QuickAccessOverflowPopup(RibbonContext &context,
                                                   QuickAccessToolbarWidget &toolbar)
    : QWidget(&toolbar, Qt::Popup), m_toolbar(&toolbar)
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
        entry.showCaption = !hasPicture(*source);
        RibbonEntryButton *copy = nullptr;
        if (auto *group = qobject_cast<QuickAccessGroupButton *>(source))
            copy = new QuickAccessGroupButton(context, group->group(), entry, source->barList(), this);
        else
            copy = new RibbonEntryButton(context, entry, source->barList(),
                                         RibbonEntryButton::Kind::SmallRibbon, this);
        copy->installEventFilter(this);
        const QSize size = copy->sizeHint();
        copy->setGeometry(x, top, size.width(), size.height());
        x += size.width();
        m_entries.append(copy);
    }
    m_menuButton = new QuickAccessEndButton(this);
    m_menuButton->setAccessibleName(Texts::customizeQuickAccessToolbar);
    m_menuButton->setGeometry(x, top, kQuickAccessEndButtonWidth, kSmallRibbonButtonHeight);
    x += kQuickAccessEndButtonWidth;
    connect(m_menuButton, &QAbstractButton::clicked, this, [this] {
        close();
        Q_EMIT menuRequested();
    });
    resize(x + kPadding, kSmallRibbonButtonHeight + 2 * kPadding);
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
    const QRect anchor(end->mapToGlobal(QPoint(0, 0)), end->size());
    QList<QRect> workAreas;
    for (const QScreen *display : QGuiApplication::screens())
        workAreas.append(display->availableGeometry());
    move(placePopup({.anchor = anchor,
                     .hangAt = belowAnchor(anchor, size(), layoutDirection()),
                     .size = size()},
                    workAreas)
             .topLeft());
    show();
}

bool QuickAccessOverflowPopup::eventFilter(QObject *watched, QEvent *event)
{
    // Choosing an entry closes the pop-up, even when its command raises an error. A group
    // entry keeps it open: its drop-down hangs from it.
    if (event->type() == QEvent::MouseButtonRelease &&
        !qobject_cast<QuickAccessGroupButton *>(watched)) {
        auto *entry = static_cast<RibbonEntryButton *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && entry->isDown() &&
            entry->rect().contains(mouse->position().toPoint()))
            QTimer::singleShot(0, this, &QWidget::close);
    }
    return QWidget::eventFilter(watched, event);
}

bool QuickAccessOverflowPopup::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis)
        return true;
    return QWidget::event(event);
}

void QuickAccessOverflowPopup::mousePressEvent(QMouseEvent *event)
{
    // A press on the end button that opened the pop-up only closes it.
    if (m_toolbar) {
        const QAbstractButton *end = m_toolbar->endButton();
        const QRect endOnScreen(end->mapToGlobal(QPoint(0, 0)), end->size());
        setAttribute(Qt::WA_NoMouseReplay,
                     !rect().contains(event->position().toPoint()) &&
                         endOnScreen.contains(event->globalPosition().toPoint()));
    }
    QWidget::mousePressEvent(event);
}

void QuickAccessOverflowPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintPage(painter, rect());
}

} // namespace Tagovnik::Ribbon
