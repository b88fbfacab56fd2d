#include "ribbon/captionbar/applicationmenupopup.h"

#include "actionmanager.h"
#include "errorboundary.h"
#include "ribbon/geometry/captionbarlayout.h"
#include "ribbon/look/applicationbuttonpainter.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/interaction/popupkeys.h"
#include "ribbon/look/ribbonpalette.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

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
    : RibbonPopup(nullptr, parent), m_context(context), m_menu(menu)
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
        watchChoice(row);
        m_rows.append(row);
        m_entries.append(row);
    }
    for (const EntryDefinition &option : menu.optionEntries) {
        auto *button = new ApplicationMenuOptionButton(context, option, this);
        watchChoice(button);
        m_optionButtons.append(button);
    }
    // Up and Down go through the rows, then the option buttons; the rows have access letters.
    QList<KeyboardItem> items;
    for (RibbonEntryButton *row : std::as_const(m_entries))
        items.append(KeyboardItem{row, accessLetterOf(row->entry().caption)});
    for (QAbstractButton *button : std::as_const(m_optionButtons))
        items.append(KeyboardItem{button, {}});
    setKeyboardItems(items, ItemFlow::Column);

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
    showAt(m_layout.popup.topLeft());
}

bool ApplicationMenuPopup::pressHitsOwner(const QPoint &globalPos) const
{
    return m_applicationButton.contains(globalPos) &&
           withinRoundButton(m_applicationButton, globalPos);
}

void ApplicationMenuPopup::ownerPressed(bool secondClick)
{
    if (secondClick)
        Q_EMIT applicationButtonDoubleClicked();
}

void ApplicationMenuPopup::resizeEvent(QResizeEvent *event)
{
    RibbonPopup::resizeEvent(event);
    setMask(roundedRegion(size()));
}

void ApplicationMenuPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    // Silver body with a darker rim; the rounded corners outside it are masked away.
    painter.fillRect(rect(), Palette::menuBackdrop);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath body;
    body.addRoundedRect(outer, kApplicationMenuCornerRadius, kApplicationMenuCornerRadius);
    painter.fillPath(body, Palette::vertical(rect(), Palette::menuBodyTop, Palette::menuBodyBottom));
    painter.setPen(Palette::menuRim);
    painter.drawPath(body);
    painter.setPen(Palette::menuInnerRim);
    painter.drawRoundedRect(outer.adjusted(1, 1, -1, -1), 2, 2);
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The white panel: command rows on the left, the recent list on a paler grey right.
    const QRect panel = contentPanel(m_layout);
    painter.fillRect(panel, Palette::white);
    const QRect pane(m_layout.rightPane.left() - 1, panel.top(),
                     panel.right() - m_layout.rightPane.left() + 2, panel.height());
    painter.fillRect(pane, Palette::menuPane);
    painter.setPen(Palette::menuPaneDivider);
    painter.drawLine(pane.topLeft(), pane.bottomLeft());
    painter.setPen(Palette::menuPanelFrame);
    painter.drawRect(panel.adjusted(0, 0, -1, -1));

    // Separator rows: an etched line from where the captions start.
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i))
            continue;
        const QRect row = m_layout.entries.at(i);
        const int left = row.left() + kApplicationMenuPictureInset + kApplicationMenuPictureSize +
                         kApplicationMenuCaptionSpacing / 2;
        painter.setPen(Palette::menuRule);
        painter.drawLine(left, row.top(), row.right() - 2, row.top());
        painter.setPen(Palette::white);
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
    painter.setPen(Palette::menuRule);
    const int rule = m_layout.heading.bottom();
    painter.drawLine(headingText.left() - 2, rule, headingText.right() + 2, rule);

    // The part of the application button that the menu hangs over, so that it looks unbroken.
    if (!m_applicationButton.isNull()) {
        paintApplicationButton(painter, m_applicationButton.translated(-pos()),
                               ApplicationButtonLook::Pressed, devicePixelRatioF());
    }
}

} // namespace Tagovnik::Ribbon
