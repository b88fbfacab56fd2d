#pragma once

#include "ribbon/interaction/ribbonmenurows.h"

#include <QList>
#include <QMenu>

namespace Tagovnik::Ribbon {

// A menu showing rows of the ribbon's menus: items, check items, separators and a heading
// line. Rows that are not visible get no action. Choosing a row reports its index in the
// rows; the menu deletes itself once closed. It shows no hover help.
class RibbonMenu : public QMenu
{
    Q_OBJECT

public:
    RibbonMenu(const QList<MenuRow> &rows, QWidget *parent = nullptr);

    const QList<MenuRow> &rows() const { return m_rows; }
    // The action that shows the first visible row of that command, or nullptr.
    QAction *actionFor(MenuCommand command) const;

Q_SIGNALS:
    void rowChosen(int row);

protected:
    bool event(QEvent *event) override;

private:
    QList<MenuRow> m_rows;
    QList<QAction *> m_actions; // one per row
};

} // namespace Tagovnik::Ribbon
