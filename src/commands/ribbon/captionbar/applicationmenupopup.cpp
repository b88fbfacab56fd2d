#include "ribbon/captionbar/applicationmenupopup.h"

#include "actionmanager.h"
#include "errorboundary.h"
#include "ribbon/geometry/captionbarlayout.h"
#include "ribbon/look/applicationbuttonpainter.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyleHints>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

bool isHoverHelp(const QEvent *event)
{
    return event->type() == QEvent::ToolTip || event->type() == QEvent::WhatsThis;
}

// The letter after the single "&" of a caption, or a null character.
QChar accessLetter(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) != u'&')
            return caption.at(i + 1).toLower();
        ++i;
    }
    return {};
}

QLinearGradient vertical(const QRectF &rect, QColor top, QColor bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// The outline of a rectangle with corners rounded by 3, cut pixel by pixel as window regions
// are, so that the corners show what lies behind the menu.
QRegion roundedRegion(const QSize &size)
{
    QRegion region(0, 0, size.width(), size.height());
    const int w = size.width();
    const int h = size.height();
    for (const auto &[dx, dy, length] : {std::tuple{0, 0, 2}, std::tuple{0, 1, 1}}) {
        region -= QRegion(dx, dy, length, 1);
        region -= QRegion(w - length, dy, length, 1);
        region -= QRegion(dx, h - 1 - dy, length, 1);
        region -= QRegion(w - length, h - 1 - dy, length, 1);
    }
    return region;
}

// The left column and the right pane sit on one white panel inside the silver border.
QRect contentPanel(const ApplicationMenuLayout &layout)
{
    const QRect column = layout.leftColumn;
    return QRect(column.left() - 2, column.top() - 2, layout.rightPane.right() - column.left() + 5,
                 column.height() + 4);
}

} // namespace

ApplicationMenuPopup::ApplicationMenuPopup(RibbonContext &context,
                                           const ApplicationMenuDefinition &menu, QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_context(context), m_menu(menu)
{
    setObjectName(u"RibbonApplicationMenuBar1"_s);
    setAccessibleName(displayedCaption(menu.caption));
    setFont(context.font());
    setAttribute(Qt::WA_OpaquePaintEvent);

    ActionManager *barList = context.list(menu.commandList);
    if (!barList)
        barList = context.lists().value(0);
    Q_ASSERT(barList);
    for (const EntryDefinition &entry : menu.entries) {
        if (entry.isSeparator()) {
            m_rows.append(nullptr);
            continue;
        }
        auto *row = new RibbonEntryButton(context, entry, *barList,
                                          RibbonEntryButton::Kind::ApplicationMenu, this);
        row->installEventFilter(this);
        m_rows.append(row);
        m_entries.append(row);
    }
    for (const EntryDefinition &option : menu.optionEntries) {
        auto *button = new ApplicationMenuOptionButton(context, option, this);
        button->installEventFilter(this);
        m_optionButtons.append(button);
    }

    // Laid out once hanging from the screen's corner, so that the menu has its size and
    // contents before it is first shown.
    const QScreen *screen = this->screen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    m_layout = layoutFor(QRect(workArea.topLeft(), kApplicationButton.size()), workArea);
    arrange();
}

ApplicationMenuLayout ApplicationMenuPopup::layoutFor(const QRect &applicationButtonOnScreen,
                                                      const QRect &workArea) const
{
    ApplicationMenuInput input;
    input.applicationButton = applicationButtonOnScreen;
    input.workArea = workArea;
    for (const RibbonEntryButton *row : m_rows)
        input.entries.append({.separator = row == nullptr, .visible = true});
    for (const QAbstractButton *button : m_optionButtons) {
        input.optionCaptions.append(
            static_cast<const ApplicationMenuOptionButton *>(button)->accessibleName());
    }
    const QFontMetrics metrics(font());
    input.captionWidth = [metrics](const QString &text) { return metrics.horizontalAdvance(text); };
    return layoutApplicationMenu(input);
}

void ApplicationMenuPopup::arrange()
{
    resize(m_layout.popup.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (RibbonEntryButton *row = m_rows.at(i))
            row->setGeometry(m_layout.entries.at(i));
    }
    for (qsizetype i = 0; i < m_optionButtons.size(); ++i)
        m_optionButtons.at(i)->setGeometry(m_layout.optionButtons.at(i));
    update();
}

void ApplicationMenuPopup::popup(const QRect &applicationButtonOnScreen)
{
    const QScreen *screen = QGuiApplication::screenAt(applicationButtonOnScreen.center());
    if (!screen)
        screen = this->screen();
    const QRect workArea = screen ? screen->availableGeometry() : QRect();
    m_applicationButton = applicationButtonOnScreen;
    m_layout = layoutFor(applicationButtonOnScreen, workArea);
    arrange();
    move(m_layout.popup.topLeft());
    m_openedAt.start();
    show();
    raise();
}

void ApplicationMenuPopup::choose(QAbstractButton *button)
{
    if (!button || !button->isEnabled())
        return;
    button->setDown(false);
    close();
    button->click();
}

bool ApplicationMenuPopup::pressOnApplicationButton(const QPoint &globalPos) const
{
    if (!m_applicationButton.contains(globalPos))
        return false;
    // Round button: the corners of its square belong to what lies behind it.
    const QPointF offset = QPointF(globalPos) - QRectF(m_applicationButton).center();
    const qreal radius = m_applicationButton.width() / 2.0;
    return offset.x() * offset.x() + offset.y() * offset.y() <= radius * radius;
}

void ApplicationMenuPopup::handlePressOnApplicationButton()
{
    const bool secondClick =
        m_openedAt.isValid() &&
        m_openedAt.elapsed() < QGuiApplication::styleHints()->mouseDoubleClickInterval();
    // The press that closes the menu must not reach the button and open it again.
    setAttribute(Qt::WA_NoMouseReplay);
    close();
    if (secondClick)
        Q_EMIT applicationButtonDoubleClicked();
}

bool ApplicationMenuPopup::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    return QWidget::event(event);
}

bool ApplicationMenuPopup::eventFilter(QObject *watched, QEvent *event)
{
    // A row or option button chosen with the mouse: close first, then run the command.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *button = qobject_cast<QAbstractButton *>(watched);
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (button && mouse->button() == Qt::LeftButton && button->isDown() &&
            button->rect().contains(mouse->position().toPoint())) {
            choose(button);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ApplicationMenuPopup::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton &&
        pressOnApplicationButton(event->globalPosition().toPoint())) {
        event->accept();
        handlePressOnApplicationButton();
        return;
    }
    // Elsewhere outside the menu the press closes it; inside it does nothing.
    QWidget::mousePressEvent(event);
}

void ApplicationMenuPopup::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void ApplicationMenuPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    const QString typed = event->text().toLower();
    if (typed.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        for (RibbonEntryButton *row : std::as_const(m_entries)) {
            if (row->isEnabled() && accessLetter(row->entry().caption) == typed.front()) {
                choose(row);
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

void ApplicationMenuPopup::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setMask(roundedRegion(size()));
}

void ApplicationMenuPopup::showEvent(QShowEvent *event)
{
    setAttribute(Qt::WA_NoMouseReplay, false);
    QWidget::showEvent(event);
    Q_EMIT shownChanged(true);
}

void ApplicationMenuPopup::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_openedAt.invalidate();
    Q_EMIT shownChanged(false);
}

void ApplicationMenuPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    // Silver body with a darker rim; the rounded corners outside it are masked away.
    painter.fillRect(rect(), QColor(0xd4, 0xda, 0xe2));
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(outer, kApplicationMenuCornerRadius, kApplicationMenuCornerRadius);
    painter.fillPath(body, vertical(rect(), QColor(0xf1, 0xf4, 0xf8), QColor(0xd5, 0xdc, 0xe5)));
    painter.setPen(QColor(0x8e, 0x9a, 0xab));
    painter.drawPath(body);
    painter.setPen(QColor(255, 255, 255, 170));
    painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), 2, 2);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The white panel: command rows on the left, the recent list on a paler grey right.
    const QRect panel = contentPanel(m_layout);
    painter.fillRect(panel, Qt::white);
    const QRect pane(m_layout.rightPane.left() - 1, panel.top(),
                     panel.right() - m_layout.rightPane.left() + 2, panel.height());
    painter.fillRect(pane, QColor(0xf5, 0xf7, 0xfa));
    painter.setPen(QColor(0xd7, 0xdd, 0xe5));
    painter.drawLine(pane.topLeft(), pane.bottomLeft());
    painter.setPen(QColor(0xa9, 0xb3, 0xc1));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));

    // Separator rows: an etched line from where the captions start.
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i))
            continue;
        const QRect row = m_layout.entries.at(i);
        const int left = row.left() + kApplicationMenuPictureInset + kApplicationMenuPictureSize +
                         kApplicationMenuCaptionSpacing / 2;
        painter.setPen(QColor(0xc5, 0xcc, 0xd6));
        painter.drawLine(left, row.top(), row.right() - 2, row.top());
        painter.setPen(Qt::white);
        painter.drawLine(left, row.top() + 1, row.right() - 2, row.top() + 1);
    }

    // Heading of the recent list, in bold, underlined by a thin rule.
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Palette::text);
    const QRect headingText = m_layout.heading.adjusted(8, 0, -8, 0);
    painter.drawText(headingText, int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextHideMnemonic,
                     QFontMetrics(bold).elidedText(displayedCaption(m_menu.caption), Qt::ElideRight,
                                                   headingText.width()));
    painter.setPen(QColor(0xc5, 0xcc, 0xd6));
    const int rule = m_layout.heading.bottom();
    painter.drawLine(headingText.left() - 2, rule, headingText.right() + 2, rule);

    // The part of the application button that the menu hangs over, so that it looks unbroken.
    if (!m_applicationButton.isNull()) {
        paintApplicationButton(painter, m_applicationButton.translated(-pos()),
                               ApplicationButtonLook::Pressed, devicePixelRatioF());
    }
}

} // namespace Tagovnik::Ribbon
