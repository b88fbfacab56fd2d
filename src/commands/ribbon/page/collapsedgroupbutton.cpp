#include "ribbon/page/collapsedgroupbutton.h"

#include "actionmanager.h"
#include "entrypicture.h"
#include "ribbon/geometry/ribboncollapse.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/geometry/ribbongrouplayout.h"
#include "ribbon/page/groupdropdown.h"
#include "ribbon/page/ribbongroupwidget.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace Tagovnik::Ribbon {

namespace {

// The picture box above the caption band: the group's first picture in a framed square.
constexpr int kPictureBoxSize = 32;
constexpr int kPictureBoxTop = 12;
constexpr int kLargestBoxedPicture = 24;

} // namespace

CollapsedGroupButton::CollapsedGroupButton(RibbonContext &context, const GroupDefinition &group,
                                           QWidget *parent)
    : RibbonButton(parent), m_context(context), m_definition(group)
{
    setObjectName(group.name + u"Collapsed");
    const QString caption = displayedCaption(group.caption);
    setText(caption);
    setAccessibleName(caption);
    setFont(context.font());
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
    m_dropDown = new GroupDropDown(m_context, m_definition, this);
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
    m_dropDown->showBelow(QRect(mapToGlobal(QPoint(0, 0)), size()));
    update();
}

void CollapsedGroupButton::hideDropDown()
{
    if (m_dropDown)
        m_dropDown->close();
}

bool CollapsedGroupButton::showsPressed() const
{
    return isDroppedDown();
}

void CollapsedGroupButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintGroup(painter, rect(), kGroupCaptionBandHeight);

    Palette::paintButton(painter, QRectF(rect()).adjusted(1, 1, -1, -1), visualState(), 3);

    // The group's first picture in a framed box, as the collapsed group's emblem.
    const QRect box((width() - kPictureBoxSize) / 2, kPictureBoxTop, kPictureBoxSize,
                    kPictureBoxSize);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath boxPath;
    boxPath.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.fillPath(boxPath, Palette::pictureBoxFill);
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
