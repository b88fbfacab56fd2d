#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QAbstractButton;

namespace Tagovnik::Ribbon {

class QuickAccessEndButton;
class QuickAccessToolbarWidget;
class RibbonContext;
class RibbonEntryButton;

// The small pop-up toolbar that the quick access toolbar's end button opens while entries are
// out of sight: a copy of each such entry, picture only (caption only for an entry without a
// picture), and last a button that opens the toolbar's drop-down menu. Its buttons are menu
// items to a screen reader. Choosing one closes the pop-up; so does a click elsewhere.
class QuickAccessOverflowPopup : public QWidget
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
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<QuickAccessToolbarWidget> m_toolbar;
    QList<RibbonEntryButton *> m_entries;
    QuickAccessEndButton *m_menuButton = nullptr;
};

} // namespace Tagovnik::Ribbon
