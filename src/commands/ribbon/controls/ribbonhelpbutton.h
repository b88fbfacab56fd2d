#pragma once

#include <QAbstractButton>

namespace Tagovnik::Ribbon {

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
