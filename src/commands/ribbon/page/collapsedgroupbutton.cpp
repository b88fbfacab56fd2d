#include "ribbon/page/collapsedgroupbutton.h"

#include "actionmanager.h"
#include "entrypicture.h"
#include "ribbon/geometry/popupplacement.h"
#include "ribbon/geometry/ribboncollapse.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/ribbongrouplayout.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace Tagovnik::Ribbon {

namespace {

// The pop-up frames its group as a page frames its groups.
constexpr int kDropDownMargin = 3;

// The picture box above the caption band: the group's first picture in a framed square.
constexpr int kPictureBoxSize = 32;
constexpr int kPictureBoxTop = 12;
constexpr int kLargestBoxedPicture = 24;

} // namespace

// The pop-up that holds the dropped-down group. It closes when an entry in it is clicked, and
// a click on its own button closes it without opening it again at once.
class CollapsedGroupButton::DropDown : public QWidget
{
public:
    DropDown(RibbonContext &context, const GroupDefinition &group, CollapsedGroupButton &owner)
        : QWidget(&owner, Qt::Popup), m_owner(owner),
          m_group(new RibbonGroupWidget(context, group, this))
    {
        setObjectName(group.name + u"DropDown");
        setAccessibleName(group.caption);
        for (RibbonEntryButton *entry : m_group->entries()) {
            entry->installEventFilter(this);
            connect(entry, &QAbstractButton::clicked, this, &QWidget::close);
        }
        fitGroup();
    }

    RibbonGroupWidget *group() const { return m_group; }

    void fitGroup()
    {
        m_group->setGeometry(kDropDownMargin, kDropDownMargin, m_group->expandedWidth(),
                             kGroupHeight);
        resize(m_group->expandedWidth() + 2 * kDropDownMargin, kGroupHeight + 2 * kDropDownMargin);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A click on an entry closes the pop-up even when the entry's command raises an error:
        // the error leaves the click before the entry's clicked signal has reached `close`.
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *entry = static_cast<RibbonEntryButton *>(watched);
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && entry->isDown() &&
                entry->rect().contains(mouse->position().toPoint()))
                QTimer::singleShot(0, this, &QWidget::close);
        }
        return QWidget::eventFilter(watched, event);
    }

    bool event(QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ToolTip:
        case QEvent::WhatsThis:
            return true;
        case QEvent::LayoutRequest:
            fitGroup();
            return true;
        default:
            return QWidget::event(event);
        }
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        // A press on the owning button only closes the pop-up; replayed to the button it
        // would open the pop-up again.
        const QRect ownerOnScreen(m_owner.mapToGlobal(QPoint(0, 0)), m_owner.size());
        setAttribute(Qt::WA_NoMouseReplay,
                     !rect().contains(event->position().toPoint()) &&
                         ownerOnScreen.contains(event->globalPosition().toPoint()));
        QWidget::mousePressEvent(event);
    }

    void hideEvent(QHideEvent *event) override
    {
        m_owner.update(); // no longer shown pressed
        QWidget::hideEvent(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        Palette::paintPage(painter, rect());
    }

private:
    CollapsedGroupButton &m_owner;
    RibbonGroupWidget *m_group;
};

CollapsedGroupButton::CollapsedGroupButton(RibbonContext &context, const GroupDefinition &group,
                                           QWidget *parent)
    : QAbstractButton(parent), m_context(context), m_definition(group)
{
    setObjectName(group.name + u"Collapsed");
    const QString caption = displayedCaption(group.caption);
    setText(caption);
    setAccessibleName(caption);
    setFont(context.font());
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    resize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, &CollapsedGroupButton::showDropDown);
}

CollapsedGroupButton::~CollapsedGroupButton() = default;

int CollapsedGroupButton::collapsedWidth() const
{
    return collapsedGroupWidth(fontMetrics().horizontalAdvance(text()));
}

QSize CollapsedGroupButton::sizeHint() const
{
    return {collapsedWidth(), kGroupHeight};
}

void CollapsedGroupButton::ensureDropDown()
{
    if (m_dropDown)
        return;
    m_dropDown = new DropDown(m_context, m_definition, *this);
    m_dropDownGroup = m_dropDown->group();
}

QWidget *CollapsedGroupButton::dropDown() const
{
    return m_dropDown;
}

bool CollapsedGroupButton::isDroppedDown() const
{
    return m_dropDown && m_dropDown->isVisible();
}

void CollapsedGroupButton::showDropDown()
{
    ensureDropDown();
    if (m_dropDown->isVisible())
        return;
    m_dropDown->setLayoutDirection(layoutDirection());
    m_dropDown->fitGroup();

    // Below the button, its near edge in line with the button's; kept on the screen.
    const QSize size = m_dropDown->size();
    const QRect anchor(mapToGlobal(QPoint(0, 0)), this->size());
    QList<QRect> workAreas;
    for (const QScreen *display : QGuiApplication::screens())
        workAreas.append(display->availableGeometry());
    const QPoint position =
        placePopup({.anchor = anchor,
                    .hangAt = belowAnchor(anchor, size, layoutDirection()),
                    .size = size},
                   workAreas)
            .topLeft();
    m_dropDown->move(position);
    m_dropDown->show();
    update();
}

void CollapsedGroupButton::hideDropDown()
{
    if (m_dropDown)
        m_dropDown->close();
}

bool CollapsedGroupButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis)
        return true; // no hover help anywhere on the ribbon
    return QAbstractButton::event(event);
}

void CollapsedGroupButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintGroup(painter, rect(), kGroupCaptionBandHeight);

    using Palette::ButtonState;
    ButtonState state = ButtonState::Normal;
    if (isDown() || isDroppedDown())
        state = ButtonState::Pressed;
    else if (underMouse())
        state = ButtonState::Hot;
    Palette::paintButton(painter, QRectF(rect()).adjusted(1, 1, -1, -1), state, 3);

    // The group's first picture in a framed box, as the collapsed group's emblem.
    const QRect box((width() - kPictureBoxSize) / 2, kPictureBoxTop, kPictureBoxSize,
                    kPictureBoxSize);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath boxPath;
    boxPath.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.fillPath(boxPath, QColor(0xff, 0xff, 0xff, 0xc0));
    painter.setPen(Palette::frame);
    painter.drawPath(boxPath);
    painter.restore();

    const ActionManager *barList = m_context.list(m_definition.commandList);
    for (const EntryDefinition &entry : m_definition.entries) {
        if (entry.isSeparator() || !barList)
            continue;
        const Command *command = m_context.command(entry.command);
        const std::optional<EntryPicture> picture = chooseEntryPicture({
            .imageIndex = entry.imageIndex,
            .applicationMenuEntry = false,
            .enabled = true,
            .barList = barList->images(),
            .commandList = command ? std::optional(command->list().images()) : std::nullopt,
        });
        if (picture) {
            const QPixmap pixmap =
                m_context.picture(picture->list, picture->index, devicePixelRatioF());
            const int extent =
                std::min(kLargestBoxedPicture, pixmap.deviceIndependentSize().toSize().width());
            QRect target(0, 0, extent, extent);
            target.moveCenter(box.center());
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(target, pixmap);
        }
        break;
    }

    // A drop-down arrow above the caption band.
    const int arrowTop = box.bottom() + 1 + 8;
    const QPointF centre(width() / 2.0, arrowTop);
    const QPointF arrow[] = {centre + QPointF(-3, 0), centre + QPointF(3, 0),
                             centre + QPointF(0, 3)};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::text);
    painter.drawPolygon(arrow, 3);
    painter.restore();

    const QRect band = groupCaptionBand(rect()).adjusted(3, 0, -3, 0);
    painter.setPen(Palette::captionText);
    painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(text(), Qt::ElideRight, band.width()));
}

} // namespace Tagovnik::Ribbon
