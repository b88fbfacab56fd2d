#include "ribbon/captionbar/quickaccesstoolbarwidget.h"

#include "ribbon/controls/hoverhelp.h"
#include "ribbon/look/ribbontexts.h"

#include "actionmanager.h"
#include "ribbon/captionbar/quickaccessgroupbutton.h"
#include "ribbon/model/quickaccesstoolbarmodel.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/geometry/ribbonentrysize.h"
#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

QuickAccessToolbarWidget::QuickAccessToolbarWidget(RibbonContext &context,
                                                   QuickAccessToolbarModel &model,
                                                   QWidget *parent)
    : QWidget(parent), m_context(context), m_model(model),
      m_barList(context.list(model.commandList())), m_endButton(new QuickAccessEndButton(this))
{
    setObjectName(u"RibbonQuickAccessToolbar1"_s);
    if (!m_barList)
        m_barList = context.lists().value(0);
    Q_ASSERT(m_barList);
    setFont(context.font());
    setAccessibleName(Texts::quickAccessToolbar);
    for (int i = 0; i < model.entries().size(); ++i)
        m_entries.append(createButton(i));
    connect(&model, &QuickAccessToolbarModel::entryAdded, this,
            &QuickAccessToolbarWidget::entryAdded);
    connect(&model, &QuickAccessToolbarModel::entryRemoved, this,
            &QuickAccessToolbarWidget::entryRemoved);
    connect(&model, &QuickAccessToolbarModel::entryShownChanged, this,
            &QuickAccessToolbarWidget::entriesChanged);
    connect(&model, &QuickAccessToolbarModel::entryMoved, this, [this](int from, int to) {
        m_entries.move(from, to);
        Q_EMIT entriesChanged();
    });
}

RibbonEntryButton *QuickAccessToolbarWidget::createButton(int index)
{
    const QuickAccessEntry &entry = m_model.entries().at(index);
    if (entry.isGroup())
        return new QuickAccessGroupButton(m_context, entry.groupDefinition, entry.entry, *m_barList,
                                          this);
    return new RibbonEntryButton(m_context, entry.entry, *m_barList,
                                 RibbonEntryButton::Kind::SmallRibbon, this);
}

void QuickAccessToolbarWidget::entryAdded(int index)
{
    m_entries.insert(index, createButton(index));
    Q_EMIT entriesChanged();
}

void QuickAccessToolbarWidget::entryRemoved(int index)
{
    RibbonEntryButton *entry = m_entries.takeAt(index);
    m_outOfSight.removeOne(entry);
    entry->hide();
    entry->deleteLater();
    Q_EMIT entriesChanged();
}

RibbonEntryButton *QuickAccessToolbarWidget::addEntry(const EntryDefinition &entry)
{
    return m_entries.value(m_model.addEntry(entry));
}

void QuickAccessToolbarWidget::removeEntry(RibbonEntryButton *entry)
{
    m_model.removeEntry(int(m_entries.indexOf(entry)));
}

void QuickAccessToolbarWidget::setEntryShown(RibbonEntryButton *entry, bool shown)
{
    m_model.setShown(int(m_entries.indexOf(entry)), shown);
}

bool QuickAccessToolbarWidget::isEntryShown(const RibbonEntryButton *entry) const
{
    const qsizetype index = m_entries.indexOf(entry);
    return index >= 0 && m_model.entries().at(index).shown;
}

QList<RibbonEntryButton *> QuickAccessToolbarWidget::shownEntries() const
{
    QList<RibbonEntryButton *> shown;
    for (RibbonEntryButton *entry : m_entries) {
        if (isEntryShown(entry))
            shown.append(entry);
    }
    return shown;
}

QList<RibbonEntryButton *> QuickAccessToolbarWidget::overflowEntries() const
{
    return m_outOfSight;
}

QList<int> QuickAccessToolbarWidget::entryWidths() const
{
    QList<int> widths;
    for (const RibbonEntryButton *entry : shownEntries())
        widths.append(entry->sizeHint().width());
    return widths;
}

QSize QuickAccessToolbarWidget::sizeHint() const
{
    return {quickAccessToolbarNeededWidth(entryWidths()), kQuickAccessAboveHeight};
}

void QuickAccessToolbarWidget::arrange(const QuickAccessToolbarLayout &layout)
{
    setGeometry(layout.frame);
    const QPoint origin = layout.frame.topLeft();
    const QList<RibbonEntryButton *> shown = shownEntries();
    m_outOfSight.clear();
    for (RibbonEntryButton *entry : m_entries) {
        const qsizetype index = shown.indexOf(entry);
        const QRect rect = index < 0 ? QRect() : layout.entries.value(index);
        if (rect.isNull()) {
            if (index >= 0)
                m_outOfSight.append(entry);
            entry->hide();
        } else {
            entry->setGeometry(rect.translated(-origin));
            entry->show();
        }
    }
    m_endButton->setGeometry(layout.endButton.translated(-origin));
    m_endButton->setOverflow(layout.overflow);
    update();
}

void QuickAccessToolbarWidget::setDrawsBackdrop(bool drawsBackdrop)
{
    m_drawsBackdrop = drawsBackdrop;
    update();
}

bool QuickAccessToolbarWidget::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true;
    return QWidget::event(event);
}

void QuickAccessToolbarWidget::paintEvent(QPaintEvent *)
{
    if (!m_drawsBackdrop)
        return;
    // A faint rounded shelf that sets the toolbar apart from the caption behind it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(box, 4, 4);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, Palette::toolbarShelfTop);
    fill.setColorAt(1, Palette::toolbarShelfBottom);
    painter.fillPath(path, fill);
    painter.setPen(Palette::toolbarShelfRim);
    painter.drawPath(path);
}

} // namespace Tagovnik::Ribbon
