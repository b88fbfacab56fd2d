#include "ribbon/controls/ribbonentrybutton.h"

#include "actionmanager.h"
#include "errorboundary.h"
#include "entrypicture.h"
#include "imagelistid.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"

#include <QFontMetrics>
#include <QPainter>

namespace Tagovnik::Ribbon {

RibbonEntryButton::RibbonEntryButton(RibbonContext &context, const EntryDefinition &entry,
                                     ActionManager &barList, Kind kind, QWidget *parent)
    : RibbonButton(parent), m_context(context), m_entry(entry), m_barList(barList),
      m_kind(kind), m_command(context.command(entry.command))
{
    setObjectName(entry.command);
    setFont(context.font());
    // The accessible name is the caption even where only the picture shows.
    const QString caption =
        displayedCaption(entry.caption.isEmpty() && m_command ? m_command->caption() : entry.caption);
    setText(caption);
    setAccessibleName(caption);
    if (m_command) {
        connect(m_command, &Command::changed, this, &RibbonEntryButton::followCommand);
        connect(this, &QAbstractButton::clicked, m_command, [command = m_command] {
            ErrorBoundary::run([command] { command->execute(); });
        });
    }
    followCommand();
}

void RibbonEntryButton::followCommand()
{
    setEnabled(m_command && m_command->isEnabled());
    update();
}

EntryGeometry RibbonEntryButton::geometryFor(const QSize &size) const
{
    const QFontMetrics metrics(font());
    if (m_kind == Kind::ApplicationMenu) {
        const int place = applicationMenuPictureSize;
        const int top = (applicationMenuRowHeight - place) / 2;
        const QRect picture(6, top, place, place);
        const QRect caption(picture.right() + 9, 0, qMax(0, size.width() - picture.right() - 13),
                            applicationMenuRowHeight);
        return {QSize(size.width(), applicationMenuRowHeight), picture, caption};
    }
    RibbonEntry entry;
    entry.caption = m_entry.caption;
    entry.kind = m_kind == Kind::Platform ? EntryButtonKind::PlatformButton
                                          : EntryButtonKind::SmallRibbonButton;
    entry.pictureSize = m_command ? pictureExtent(m_command->list().images())
                                  : pictureExtent(m_barList.images());
    entry.showCaption = m_entry.showCaption;
    const CaptionMetrics captionMetrics{
        [&metrics](const QString &text) { return metrics.horizontalAdvance(text); },
        metrics.height()};
    return layoutEntry(entry, captionMetrics, layoutDirection());
}

QSize RibbonEntryButton::sizeHint() const
{
    if (m_kind == Kind::ApplicationMenu)
        return {190, applicationMenuRowHeight};
    return geometryFor({}).size;
}

QPixmap RibbonEntryButton::picture(qreal devicePixelRatio) const
{
    const std::optional<EntryPicture> picture = chooseEntryPicture({
        .imageIndex = m_entry.imageIndex,
        .applicationMenuEntry = m_kind == Kind::ApplicationMenu,
        .enabled = isEnabled(),
        .barList = m_barList.images(),
        .commandList = m_command ? std::optional(m_command->list().images()) : std::nullopt,
    });
    if (!picture)
        return {};
    return m_context.picture(picture->list, picture->index, devicePixelRatio);
}

void RibbonEntryButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const EntryGeometry geometry = geometryFor(size());

    using Palette::ButtonState;
    ButtonState state = visualState();
    if (state == ButtonState::Normal && m_command && m_command->isChecked())
        state = ButtonState::Checked;
    Palette::paintButton(painter, rect(), state, m_kind == Kind::ApplicationMenu ? 3 : 2.5);

    if (const QPixmap pixmap = picture(devicePixelRatioF()); !pixmap.isNull()) {
        const QSize extent = pixmap.deviceIndependentSize().toSize();
        QRect target(geometry.picture.topLeft(), extent);
        if (m_kind == Kind::ApplicationMenu)
            target.moveCenter(geometry.picture.center());
        // A picture bigger than a ribbon button's place is scaled into it.
        if (m_kind == Kind::SmallRibbon && extent.width() > geometry.picture.width())
            target = geometry.picture;
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(target, pixmap);
    }

    if (!geometry.caption.isNull() && !geometry.caption.isEmpty()) {
        painter.setPen(isEnabled() ? Palette::text : Palette::disabledText);
        // The application menu underlines the access letter; ribbon buttons hide the mark.
        const int mnemonic = m_kind == Kind::ApplicationMenu ? Qt::TextShowMnemonic
                                                             : Qt::TextHideMnemonic;
        const Qt::Alignment horizontal =
            layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
        painter.drawText(geometry.caption, int(horizontal | Qt::AlignVCenter) | mnemonic,
                         m_entry.caption);
    }
}

} // namespace Tagovnik::Ribbon
