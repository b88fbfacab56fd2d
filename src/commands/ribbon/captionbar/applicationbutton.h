#pragma once

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

class ApplicationMenuPopup;

// The round button at the caption bar's left that opens the application menu. It hangs below
// the caption bar over the tab row, so it is a child of the caption bar's parent (the ribbon)
// and keeps itself on top of the ribbon's other children.
class ApplicationButton : public RibbonButton
{
    Q_OBJECT

public:
    ApplicationButton(ApplicationMenuPopup &menu, QWidget *parent);

protected:
    bool showsPressed() const override;
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

Q_SIGNALS:
    void menuRequested();
    void doubleClicked();

private:
    ApplicationMenuPopup &m_menu;
};

} // namespace Tagovnik::Ribbon
