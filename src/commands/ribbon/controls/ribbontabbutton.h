#pragma once

#include <QAbstractButton>

namespace Tagovnik::Ribbon {

// One tab of the tab row. A left-button release selects it; the ribbon keeps
// exactly one tab checked.
class RibbonTabButton : public QAbstractButton
{
    Q_OBJECT

public:
    RibbonTabButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};

} // namespace Tagovnik::Ribbon
