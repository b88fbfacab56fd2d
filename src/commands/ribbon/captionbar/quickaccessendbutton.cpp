#include "ribbon/captionbar/quickaccessendbutton.h"

#include "ribbon/look/ribbontexts.h"

#include "ribbon/geometry/ribbonentrysize.h"
#include "ribbon/geometry/quickaccesstoolbarlayout.h"
#include "ribbon/look/ribbonpalette.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

static QString endButtonName(bool overflow)
{
    return overflow ? Texts::moreControls : Texts::customizeQuickAccessToolbar;
}

QuickAccessEndButton::QuickAccessEndButton(QWidget *parent) : RibbonButton(parent)
{
    setObjectName(u"QuickAccessEndButton"_s);
    setAccessibleName(endButtonName(false));
}

void QuickAccessEndButton::setOverflow(bool overflow)
{
    if (overflow == m_overflow)
        return;
    m_overflow = overflow;
    setAccessibleName(endButtonName(overflow));
    update();
}

QSize QuickAccessEndButton::sizeHint() const
{
    return {kQuickAccessEndButtonWidth, kSmallRibbonButtonHeight};
}

void QuickAccessEndButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintButton(painter, rect(), visualState(), 2);

    // A bar over a small triangle pointing down, as drop-down buttons of toolbars show; while
    // entries are out of sight a pair of chevrons stands in for the bar.
    const QColor glyph = isEnabled() ? Palette::text : Palette::disabledText;
    const int cx = width() / 2;
    const int cy = height() / 2 + 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(glyph);
    if (m_overflow) {
        for (int i = 0; i < 3; ++i) {
            painter.fillRect(cx - 3 + i, cy - 7 + i, 1, 1, glyph);
            painter.fillRect(cx - 3 + i, cy - 3 - i, 1, 1, glyph);
            painter.fillRect(cx + 1 + i, cy - 7 + i, 1, 1, glyph);
            painter.fillRect(cx + 1 + i, cy - 3 - i, 1, 1, glyph);
        }
    } else {
        painter.fillRect(cx - 3, cy - 5, 7, 1, glyph);
    }
    // Triangle of rows 7, 5, 3, 1 pixels, drawn as rectangles so that it stays crisp.
    for (int row = 0; row < 4; ++row)
        painter.fillRect(cx - 3 + row, cy - 1 + row, 7 - 2 * row, 1, glyph);
}

} // namespace Tagovnik::Ribbon
