#pragma once

#include "ribbon/controls/ribbonpopup.h"

#include <QList>
#include <QPointer>

class QAbstractButton;

namespace Tagovnik::Ribbon {

class QuickAccessEndButton;
class QuickAccessToolbarWidget;
class RibbonContext;
class RibbonEntryButton;

// The small pop-up toolbar that the quick access toolbar's end button opens while entries are
// out of sight: a copy of each such entry, picture only (caption only for an entry without a
// picture), and last a button that opens the toolbar's drop-down menu. Its buttons are menu
// items to a screen reader. Choosing one closes the pop-up; so does a click elsewhere. A
// group's entry keeps it open and drops the group down below itself.
class QuickAccessOverflowPopup : public RibbonPopup
{
    Q_OBJECT

public:
    QuickAccessOverflowPopup(RibbonContext &context, QuickAccessToolbarWidget &toolbar);

    const QList<RibbonEntryButton *> &entries() const { return m_entries; }
    QAbstractButton *menuButton() const;
    // Below the toolbar's end button, kept on the screen.
    void popUp();

Q_SIGNALS:
    void menuRequested();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QuickAccessToolbarWidget> m_toolbar;
    QList<RibbonEntryButton *> m_entries;
    QuickAccessEndButton *m_menuButton = nullptr;
};

} // namespace Tagovnik::Ribbon
