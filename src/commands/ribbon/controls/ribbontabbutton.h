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

// The help button at the end of the tab row: a small blue question mark.
class RibbonHelpButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit RibbonHelpButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};

} // namespace Tagovnik::Ribbon
