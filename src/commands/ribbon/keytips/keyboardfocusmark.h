#pragma once

#include <QWidget>

namespace Tagovnik::Ribbon {

// The dotted mark that shows which tab, or the application button, has the keyboard focus
// while the arrow keys move across the ribbon. It lies over the control it marks, as a child
// of it, so it stays above whatever the control draws and moves with it.
class KeyboardFocusMark : public QWidget
{
    Q_OBJECT

public:
    // A round control gets a round mark. The mark goes with the control.
    KeyboardFocusMark(QWidget &control, bool round);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_round;
};

} // namespace Tagovnik::Ribbon
