#pragma once

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

// One tab of the tab row. A left-button release selects it; the ribbon keeps
// exactly one tab checked.
class RibbonTabButton : public RibbonButton
{
    Q_OBJECT

public:
    RibbonTabButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Tagovnik::Ribbon
