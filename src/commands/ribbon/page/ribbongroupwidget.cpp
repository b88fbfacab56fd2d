#include "ribbon/page/ribbongroupwidget.h"

#include "ribbon/controls/hoverhelp.h"
#include "actionmanager.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

// The one command-list style whose bars hold ribbon buttons; every other style gets
// platform toolbar buttons.
const QString kRibbonStyle = u"Ribbon - Silver"_s;

} // namespace

RibbonGroupWidget::RibbonGroupWidget(RibbonContext &context, const GroupDefinition &group,
                                     QWidget *parent)
    : QWidget(parent), m_context(context), m_definition(group)
{
    setObjectName(group.name);
    setAccessibleName(group.caption);
    setFont(context.font());
    // Right-to-left is the group's own setting; otherwise the group follows its page.
    if (group.readingOrder == Qt::RightToLeft)
        setLayoutDirection(Qt::RightToLeft);

    if (ActionManager *list = context.list(group.commandList)) {
        const RibbonEntryButton::Kind kind = list->styleName() == kRibbonStyle
                                                 ? RibbonEntryButton::Kind::SmallRibbon
                                                 : RibbonEntryButton::Kind::Platform;
        for (const EntryDefinition &entry : group.entries) {
            if (entry.isSeparator())
                continue;
            m_entries.append(new RibbonEntryButton(context, entry, *list, kind, this));
        }
    } else {
        qWarning("Ribbon group %s: no command list %s", qUtf8Printable(group.name),
                 qUtf8Printable(group.commandList));
    }

    relayout();
    resize(sizeHint());
}

QSize RibbonGroupWidget::sizeHint() const
{
    return {m_layout.width, kGroupHeight};
}

void RibbonGroupWidget::relayout()
{
    QList<GroupEntryBox> boxes;
    boxes.reserve(m_entries.size());
    for (const RibbonEntryButton *entry : std::as_const(m_entries))
        boxes.append({entry->sizeHint()});
    const int previousWidth = m_layout.width;
    m_layout = layoutGroupEntries(boxes);
    placeEntries();
    if (m_layout.width != previousWidth)
        updateGeometry();
}

// Columns flow left to right whatever the group's reading order: only the
// entries' captions follow it.
void RibbonGroupWidget::placeEntries()
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        m_entries.at(i)->setGeometry(m_layout.entries.at(i));
}

bool RibbonGroupWidget::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    switch (event->type()) {
    case QEvent::LayoutRequest:
        // An entry's size hint changed.
        relayout();
        return true;
    default:
        return QWidget::event(event);
    }
}

void RibbonGroupWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Palette::paintGroup(painter, rect(), kGroupCaptionBandHeight);
    const QRect band = groupCaptionBand(rect()).adjusted(3, 0, -3, 0);
    painter.setPen(Palette::captionText);
    const QString caption = displayedCaption(m_definition.caption);
    painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(caption, Qt::ElideRight, band.width()));
}

} // namespace Tagovnik::Ribbon
