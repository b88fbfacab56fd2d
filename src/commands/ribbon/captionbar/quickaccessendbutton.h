#pragma once

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

// The small button that ends the quick access toolbar. It opens the toolbar's drop-down
// menu, or, while entries are out of sight, the pop-up that holds them.
class QuickAccessEndButton : public RibbonButton
{
    Q_OBJECT

public:
    explicit QuickAccessEndButton(QWidget *parent = nullptr);

    void setOverflow(bool overflow);
    bool isOverflow() const { return m_overflow; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_overflow = false;
};

} // namespace Tagovnik::Ribbon
