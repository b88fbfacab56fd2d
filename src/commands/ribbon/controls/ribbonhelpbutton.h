#pragma once

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

// The help button at the end of the tab row: a small blue question mark.
class RibbonHelpButton : public RibbonButton
{
    Q_OBJECT

public:
    explicit RibbonHelpButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Tagovnik::Ribbon
