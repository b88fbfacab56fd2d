#include "ribbon/captionbar/applicationmenuoptionbutton.h"

#include "actionmanager.h"
#include "errorboundary.h"
#include "ribbon/geometry/applicationmenulayout.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"
#include "ribbon/model/ribboncontext.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace Tagovnik::Ribbon {

static bool isHoverHelp(const QEvent *event)
{
    return event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis;
}

static QLinearGradient vertical(const QRectF &rect, QColor top, QColor bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

ApplicationMenuOptionButton::ApplicationMenuOptionButton(RibbonContext &context,
                                                         const EntryDefinition &entry,
                                                         QWidget *parent)
    : QAbstractButton(parent), m_entry(entry)
{
    setObjectName(entry.command);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
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

bool ApplicationMenuOptionButton::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    return QAbstractButton::event(event);
}

void ApplicationMenuOptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    using Palette::ButtonState;
    if (isEnabled() && (isDown() || underMouse())) {
        Palette::paintButton(painter, rect(), isDown() ? ButtonState::Pressed : ButtonState::Hot);
    } else {
        // At rest the button still reads as one: a light face with a soft frame.
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2.5, 2.5);
        painter.fillPath(path,
                         vertical(rect(), QColor(0xfd, 0xfd, 0xfe), QColor(0xe6, 0xea, 0xf0)));
        painter.setPen(QColor(0xa3, 0xad, 0xbb));
        painter.drawPath(path);
    }
    painter.setPen(isEnabled() ? Palette::text : Palette::disabledText);
    painter.drawText(rect().adjusted(kOptionButtonPadding, 0, -kOptionButtonPadding, 0),
                     int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextHideMnemonic, text());
}

} // namespace Tagovnik::Ribbon
