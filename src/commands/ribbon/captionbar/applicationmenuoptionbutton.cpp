#include "ribbon/captionbar/applicationmenuoptionbutton.h"

#include "actionmanager.h"
#include "errorboundary.h"
#include "ribbon/geometry/applicationmenulayout.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"
#include "ribbon/model/ribboncontext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace Tagovnik::Ribbon {

ApplicationMenuOptionButton::ApplicationMenuOptionButton(RibbonContext &context,
                                                         const EntryDefinition &entry,
                                                         QWidget *parent)
    : RibbonButton(parent), m_entry(entry)
{
    setObjectName(entry.command);
    setFont(context.font());
    Command *command = context.command(entry.command);
    const QString caption = entry.caption.isEmpty() && command ? command->caption() : entry.caption;
    setText(optionButtonText(caption));
    setAccessibleName(displayedCaption(caption));
    if (command) {
        const auto follow = [this, command] { setEnabled(command->isEnabled()); };
        connect(command, &Command::changed, this, follow);
        follow();
        connect(this, &QAbstractButton::clicked, command,
                [command] { ErrorBoundary::run([command] { command->execute(); }); });
    } else {
        setEnabled(false);
    }
}

QSize ApplicationMenuOptionButton::sizeHint() const
{
    return {QFontMetrics(font()).horizontalAdvance(text()) + 2 * kOptionButtonPadding,
            kOptionButtonHeight};
}

void ApplicationMenuOptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (const Palette::ButtonState state = visualState();
        isEnabled() && state != Palette::ButtonState::Normal) {
        Palette::paintButton(painter, rect(), state);
    } else {
        // At rest the button still reads as one: a light face with a soft frame.
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
        painter.fillPath(path,
                         Palette::vertical(rect(), Palette::optionButtonTop, Palette::optionButtonBottom));
        painter.setPen(Palette::optionButtonFrame);
        painter.drawPath(path);
    }
    painter.setPen(isEnabled() ? Palette::text : Palette::disabledText);
    painter.drawText(rect().adjusted(kOptionButtonPadding, 0, -kOptionButtonPadding, 0),
                     int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextHideMnemonic, text());
}

} // namespace Tagovnik::Ribbon
