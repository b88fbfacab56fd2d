#include "ribbon/menus/ribbonmenu.h"

#include "ribbon/controls/hoverhelp.h"
#include "ribbon/look/ribbonpalette.h"

#include <QEvent>
#include <QLabel>
#include <QWidgetAction>

using namespace Qt::StringLiterals;

namespace Tagovnik::Ribbon {

namespace {

// The heading line: bold text on a band, never chosen.
QAction *addHeading(QMenu &menu, const QString &text)
{
    auto *heading = new QWidgetAction(&menu);
    heading->setText(text);
    auto *label = new QLabel(text);
    label->setObjectName(u"RibbonMenuHeading"_s);
    QFont bold = menu.font();
    bold.setBold(true);
    label->setFont(bold);
    label->setContentsMargins(8, 4, 16, 4);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Window, Palette::groupCaptionBand);
        colours.setColor(group, QPalette::WindowText, Palette::text);
    }
    label->setPalette(colours);
    heading->setDefaultWidget(label);
    heading->setEnabled(false);
    menu.addAction(heading);
    return heading;
}

} // namespace

RibbonMenu::RibbonMenu(const QList<MenuRow> &rows, QWidget *parent) : QMenu(parent), m_rows(rows)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setToolTipsVisible(false);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const MenuRow &row = rows.at(i);
        QAction *action = nullptr;
        if (row.visible) {
            switch (row.kind) {
            case MenuRowKind::Separator:
                action = addSeparator();
                break;
            case MenuRowKind::Heading:
                action = addHeading(*this, row.text);
                break;
            case MenuRowKind::Item:
            case MenuRowKind::CheckItem:
                action = addAction(row.text);
                action->setCheckable(row.kind == MenuRowKind::CheckItem);
                action->setChecked(row.checked);
                action->setEnabled(row.enabled);
                connect(action, &QAction::triggered, this, [this, i] { Q_EMIT rowChosen(int(i)); });
                break;
            }
        }
        m_actions.append(action);
    }
}

QAction *RibbonMenu::actionFor(MenuCommand command) const
{
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).command == command && m_actions.at(i))
            return m_actions.at(i);
    }
    return nullptr;
}

bool RibbonMenu::event(QEvent *event)
{
    if (isHoverHelp(event))
        return true; // no hover help in the ribbon's menus either
    return QMenu::event(event);
}

} // namespace Tagovnik::Ribbon
