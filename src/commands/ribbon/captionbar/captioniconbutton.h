#pragma once

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

// The small application icon that stands in for the application button while the ribbon
// shows only its caption bar. A click opens the window menu, a double-click closes the window.
class CaptionIconButton : public RibbonButton
{
    Q_OBJECT

public:
    explicit CaptionIconButton(QWidget *parent = nullptr);

Q_SIGNALS:
    void menuRequested();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace Tagovnik::Ribbon
