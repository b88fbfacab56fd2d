#pragma once

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

// One tab of the tab row. A left-button release selects it, and so do key tips and the
// keyboard; the ribbon keeps exactly one tab checked.
class RibbonTabButton : public RibbonButton
{
    Q_OBJECT

public:
    RibbonTabButton(const QString &caption, QWidget *parent = nullptr);

Q_SIGNALS:
    // Clicked, by the mouse's release or otherwise: the minimised ribbon swallows only the
    // release that ends a minimising double-click.
    void selected(bool byMouse);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_releasing = false;
};

} // namespace Tagovnik::Ribbon
